// The main window: every startup place on its page, the menus, toolbars and keys that reach
// the commands of each subsystem.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/app_windows.h"
#include "platform/services.h"
#include "sources/workspace.h"
#include "ui/toolkit.h"

namespace tarnix {

class Tmform {
 public:
  using Handler = void (Tmform::*)();

  // Builds the window and loads every startup place into it. `windows` is filled by the
  // caller once the other windows exist; the commands use it. Without a service manager
  // (null) the services page stays empty.
  Tmform(Workspace& ws, const AppWindows& windows, ServiceControl* services);

  Workspace& ws;
  const AppWindows& windows;
  // Every control reaches its command through this one call; it runs the handler. A test may
  // put a recorder in its place to see which handler each control reaches.
  std::function<void(Handler)> dispatch;
  ServiceControl* services;
  std::unique_ptr<ui::Form> form;
  ui::FileDialogSpec backup, backone, undodiag;

  ui::ImageList *ImageList1 = nullptr, *ImageList2 = nullptr, *sem = nullptr;
  ui::PageControl* PageControl1 = nullptr;
  ui::TabPage *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr,
              *TabSheet4 = nullptr, *TabSheet5 = nullptr, *TabSheet6 = nullptr,
              *TabSheet7 = nullptr, *com_start = nullptr, *TabSheet8 = nullptr,
              *TabSheet9 = nullptr;

  // "Registry"
  ui::ToolBar* ToolBar1 = nullptr;
  ui::ToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton3 = nullptr,
                 *ToolButton4 = nullptr, *ToolButton5 = nullptr, *ToolButton15 = nullptr;
  ui::ListBox *ListBox1 = nullptr, *ListBox2 = nullptr, *ListBox3 = nullptr;
  ui::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
            *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
  // "Win.ini" and the text pages
  ui::Label *Label9 = nullptr, *Label10 = nullptr;
  ui::EditBox *load = nullptr, *run = nullptr;
  ui::TextPage *config = nullptr, *autoex = nullptr, *winstart = nullptr;
  // "NT Services"
  ui::Button *Button1 = nullptr, *Button2 = nullptr;
  ui::ListBox* lsbNTServ = nullptr;
  // The startup groups
  ui::ToolBar *ToolBar3 = nullptr, *ToolBar4 = nullptr;
  ui::ToolButton *ToolButton6 = nullptr, *ToolButton7 = nullptr, *ToolButton12 = nullptr,
                 *ToolButton16 = nullptr, *ToolButton17 = nullptr, *ToolButton18 = nullptr;
  // Disable and Enable of the run lists (ToolBar1) and the two groups (ToolBar3, ToolBar4)
  ui::ToolButton *ToolButton21 = nullptr, *ToolButton22 = nullptr, *ToolButton23 = nullptr,
                 *ToolButton24 = nullptr, *ToolButton25 = nullptr, *ToolButton26 = nullptr;
  ui::ListBox *lsbStart = nullptr, *lsbComSt = nullptr;
  // "Logon": the places where today's Windows starts programs at logon, in one list
  ui::ToolBar* ToolBar5 = nullptr;
  ui::ToolButton *ToolButton19 = nullptr, *ToolButton20 = nullptr, *ToolButton27 = nullptr,
                 *ToolButton28 = nullptr;
  ui::Label *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr;
  ui::ListBox* lsbLogon = nullptr;
  // "Tasks": the scheduled tasks that start at boot or logon
  ui::ToolBar* ToolBar6 = nullptr;
  ui::ToolButton *ToolButton29 = nullptr, *ToolButton30 = nullptr, *ToolButton31 = nullptr;
  ui::Label *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr;
  ui::ListBox* lsbTasks = nullptr;
  // Right-hand panel and bottom line
  ui::Panel* Panel1 = nullptr;
  ui::ToolBar* ToolBar2 = nullptr;
  ui::ToolButton *ToolButton8 = nullptr, *ToolButton9 = nullptr, *ToolButton10 = nullptr,
                 *ToolButton11 = nullptr, *ToolButton13 = nullptr, *ToolButton14 = nullptr;
  ui::Bevel* Bevel1 = nullptr;
  ui::Label* lblVers = nullptr;
  ui::Button* btnWins = nullptr;
  ui::StatusBar* StatusBar1 = nullptr;
  ui::ProgressBar* ProgressBar1 = nullptr;

  // Menus
  ui::MainMenu* MainMenu1 = nullptr;
  ui::MenuItem *N1 = nullptr, *Checkit1 = nullptr, *Save1 = nullptr, *N13 = nullptr,
               *Createshortcutondesktop1 = nullptr, *CreateshortcutinProgramsmenu1 = nullptr,
               *N2 = nullptr, *Showhistorylog1 = nullptr, *Clearhistorylog1 = nullptr,
               *N20 = nullptr, *N12 = nullptr, *N14 = nullptr, *N10 = nullptr, *N6 = nullptr;
  ui::MenuItem *N16 = nullptr, *Find1 = nullptr, *FindNext1 = nullptr, *N19 = nullptr,
               *N17 = nullptr;
  ui::MenuItem *N7 = nullptr, *N8 = nullptr, *N9 = nullptr;
  ui::PopupMenu *PopupMenu1 = nullptr, *st_pop = nullptr, *comstup = nullptr, *logpop = nullptr,
                *taskpop = nullptr;
  ui::MenuItem *Delete1 = nullptr, *Add1 = nullptr, *Change1 = nullptr, *Undo1 = nullptr,
               *Undofromprevioussessions1 = nullptr, *Saveallkeystofile1 = nullptr;
  ui::MenuItem *Delete2 = nullptr, *Add2 = nullptr, *Change2 = nullptr;
  ui::MenuItem *Delete3 = nullptr, *Add3 = nullptr, *Change3 = nullptr;
  // Disable and Enable: the Edit menu's act on the focused list, the pop-up menus' on theirs
  ui::MenuItem *N21 = nullptr, *N22 = nullptr, *N23 = nullptr;
  ui::MenuItem *Disable1 = nullptr, *Enable1 = nullptr, *Disable2 = nullptr, *Enable2 = nullptr,
               *Disable3 = nullptr, *Enable3 = nullptr, *Disable4 = nullptr, *Enable4 = nullptr;
  ui::MenuItem *Delete4 = nullptr, *Change4 = nullptr;
  ui::MenuItem *Delete5 = nullptr, *Disable5 = nullptr, *Enable5 = nullptr;

  // The window's own events
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormKeyPress(int& key);
  void ListBox1DblClick();
  void ListBox2DblClick();
  void ListBox3DblClick();
  void ListBox1Exit();
  void ListBox2Exit();
  void ListBox3Exit();
  void ListBox1MouseDown(ui::MouseButton button);
  void ListBox2MouseDown(ui::MouseButton button);
  void ListBox3MouseDown(ui::MouseButton button);
  void lsbStartDblClick();
  void lsbStartKeyPress(int& key);
  void lsbComStDblClick();
  void lsbComStKeyPress(int& key);
  void btnWinsClick();
  void Button1Click();
  void Button2Click();

  // File menu
  void Checkit1Click();
  void Save1Click();
  void N13Click();
  void Createshortcutondesktop1Click();
  void CreateshortcutinProgramsmenu1Click();
  void Showhistorylog1Click();
  void Clearhistorylog1Click();
  void N12Click();
  void N14Click();
  void N6Click();
  // Edit and Help menus
  void Find1Click();
  void FindNext1Click();
  void N17Click();
  void N8Click();
  void N9Click();
  // Run-list pop-up menu
  void Delete1Click();
  void Add1Click();
  void Change1Click();
  void Undo1Click();
  void Undofromprevioussessions1Click();
  void Saveallkeystofile1Click();
  // Startup-group pop-up menus
  void Delete2Click();
  void Add2Click();
  void Change2Click();
  void Delete3Click();
  void Add3Click();
  void Change3Click();
  // Disable and Enable
  void N22Click();
  void N23Click();
  void Disable1Click();
  void Enable1Click();
  void Disable2Click();
  void Enable2Click();
  void Disable3Click();
  void Enable3Click();
  void Disable4Click();
  void Enable4Click();
  // The Logon page
  void Delete4Click();
  void Change4Click();
  void lsbLogonDblClick();
  void lsbLogonKeyPress(int& key);
  void ToolButton19Click();
  void ToolButton20Click();
  // The Tasks page
  void Delete5Click();
  void Disable5Click();
  void Enable5Click();
  // Toolbars
  void ToolButton1Click();
  void ToolButton2Click();
  void ToolButton3Click();
  void ToolButton4Click();
  void ToolButton5Click();
  void ToolButton6Click();
  void ToolButton7Click();
  void ToolButton8Click();
  void ToolButton9Click();
  void ToolButton10Click();
  void ToolButton11Click();
  void ToolButton12Click();
  void ToolButton13Click();
  void ToolButton14Click();
  void ToolButton15Click();
  void ToolButton16Click();
  void ToolButton17Click();
  void ToolButton18Click();

  // The version line of btnWins.
  void ShowVersion();

 private:
  void BuildImageLists();
  void BuildPages();
  void BuildRegistryPage();
  void BuildWinIniPage();
  void BuildTextPages();
  void BuildServicesPage();
  void BuildGroupPages();
  void BuildLogonPage();
  void WireLogonPage();
  void BuildTasksPage();
  void WireTasksPage();
  void BuildRightPanel();
  void BuildBottomLine();
  void BuildMainMenu();
  void BuildPopupMenus();
  void BuildToolButtons();
  void AddMarkCommands();
  void WireMarkCommands();
  // Disables or enables the selected entry of the run list, group or Logon page.
  void MarkRunEntry(int runList, bool disabled);
  void MarkGroupEntry(const char* group, bool disabled);
  // Hands the Edit menu's Disable or Enable to the focused list's pop-up menu item.
  void MarkFocusedEntry(Handler runList, Handler group, Handler common, Handler logon,
                        Handler tasks);
  void MarkLogonEntry(bool disabled);
  void WireControls();
  void WireMainMenu();
  void WirePopupMenus();
  void WireToolButtons();
  std::function<void()> Route(Handler handler);
  void LoadPlaces();
  void BindViews();
  void SetDialogFolders(const std::string& folder);
  const StartupSection& Section(const char* key) const;
  // The run list whose list box has the keyboard focus, or -1.
  int FocusedRunList() const;
  // The selected entry of the run list's list box, as the commands take it.
  void OnSelectedRunEntry(int runList, const std::function<void(int, const std::string&)>& command);
  // The entry of the Logon page's selected line, as the run-list commands take it.
  void OnSelectedLogonEntry(const std::function<void(int, const std::string&)>& command);
  // The task on the Tasks page's selected line, then the page drawn again.
  void OnSelectedTask(const std::function<void(const std::string& path)>& command);
  void OnSelectedGroupEntry(
      const char* group,
      const std::function<void(const StartupSection&, const std::string&)>& command);
};

}  // namespace tarnix
