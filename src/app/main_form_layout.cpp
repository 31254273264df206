// The main window's controls, placed as designed at 120 dpi.
#include "app/app_resources.h"
#include "app/main_form.h"

namespace tarnix {

namespace {

constexpr unsigned kPurple = 0x800080u;
constexpr int kSmallButton = 27;

ui::LabelSpec Heading(const char* name, const char* caption, ui::Bounds bounds) {
  return {name, caption, bounds, true, kPurple};
}

ui::ToolBarSpec SmallToolBar(const char* name, ui::ImageList* images) {
  return {name, {0, 0, 473, 30}, images, kSmallButton, kSmallButton - 1};
}

}  // namespace

void Tmform::BuildImageLists() {
  ImageList1 =
      form->AddImageList({"ImageList1",
                          20,
                          20,
                          {IDB_TOOL_DELETE, IDB_TOOL_EDIT, IDB_TOOL_ADD, IDB_TOOL_UNDO,
                           IDB_TOOL_EXPORT, IDB_TOOL_UNDO_OLD, IDB_TOOL_DISABLE, IDB_TOOL_ENABLE}});
  ImageList2 = form->AddImageList(
      {"ImageList2",
       40,
       40,
       {IDB_BIG_CHECK, IDB_BIG_SAVE, IDB_BIG_FIND, IDB_BIG_REFRESH, IDB_BIG_HELP, IDB_BIG_EXIT}});
  sem = form->AddImageList({"sem", 12, 12, {IDB_SEM_RUNNING, IDB_SEM_OTHER}});
}

void Tmform::BuildPages() {
  PageControl1 = form->AddPageControl({"PageControl1", {0, 0, 481, 415}, true});
  TabSheet1 = PageControl1->AddPage("TabSheet1", "Registry");
  TabSheet2 = PageControl1->AddPage("TabSheet2", "Win.ini");
  TabSheet4 = PageControl1->AddPage("TabSheet4", "Config");
  TabSheet3 = PageControl1->AddPage("TabSheet3", "Autoexec");
  TabSheet5 = PageControl1->AddPage("TabSheet5", "Winstart.bat");
  TabSheet6 = PageControl1->AddPage("TabSheet6", "NT Services");
  TabSheet7 = PageControl1->AddPage("TabSheet7", "Startup Group");
  com_start = PageControl1->AddPage("com_start", "Common Startup Group");
  TabSheet8 = PageControl1->AddPage("TabSheet8", "Logon");
  TabSheet9 = PageControl1->AddPage("TabSheet9", "Tasks");
  BuildRegistryPage();
  BuildWinIniPage();
  BuildTextPages();
  BuildServicesPage();
  BuildGroupPages();
  BuildLogonPage();
  BuildTasksPage();
  PageControl1->SetActivePage(TabSheet1);
}

void Tmform::BuildRegistryPage() {
  ui::Container* page = TabSheet1;
  ToolBar1 = form->AddToolBar(SmallToolBar("ToolBar1", ImageList1), page);
  ToolButton1 = ToolBar1->AddButton("ToolButton1", 0, "Delete  (DEL)");
  ToolButton2 = ToolBar1->AddButton("ToolButton2", 1, "Edit (Enter)");
  ToolButton3 = ToolBar1->AddButton("ToolButton3", 2, "Add  (INS)");
  ToolButton4 = ToolBar1->AddButton("ToolButton4", 3, "Undo (CTRL+Z)");
  ToolButton5 = ToolBar1->AddButton("ToolButton5", 4, "Save all keys to file  (CTRL+S)");
  ToolButton15 = ToolBar1->AddButton("ToolButton15", 5, "Undo previous session (CTRL+R)");

  // The first two lists stand close under their common heading; the wider gap before the
  // third keeps "HKLM->RunServices", which is wider than its list, clear of "HKCU->Run".
  Label1 =
      form->AddLabel(Heading("Label1", "For all users on the computer", {4, 38, 300, 18}), page);
  Label2 = form->AddLabel(Heading("Label2", "Programs", {4, 58, 145, 18}), page);
  Label3 = form->AddLabel(Heading("Label3", "Services", {155, 58, 160, 18}), page);
  Label4 = form->AddLabel(Heading("Label4", "HKLM->Run", {4, 76, 145, 18}), page);
  Label5 = form->AddLabel(Heading("Label5", "HKLM->RunServices", {155, 76, 160, 18}), page);
  Label6 = form->AddLabel(Heading("Label6", "Current ", {323, 38, 145, 18}), page);
  Label7 = form->AddLabel(Heading("Label7", "user", {323, 58, 145, 18}), page);
  Label8 = form->AddLabel(Heading("Label8", "HKCU->Run", {323, 76, 145, 18}), page);

  ListBox1 = form->AddListBox({"ListBox1", {4, 96, 145, 235}}, page);
  ListBox2 = form->AddListBox({"ListBox2", {155, 96, 145, 235}}, page);
  ListBox3 = form->AddListBox({"ListBox3", {323, 96, 145, 235}}, page);
}

void Tmform::BuildWinIniPage() {
  ui::Container* page = TabSheet2;
  Label9 = form->AddLabel({"Label9", "Load", {8, 12, 100, 18}}, page);
  load = form->AddEdit({"load", {8, 32, 456, 24}}, page);
  Label10 = form->AddLabel({"Label10", "Run", {8, 70, 100, 18}}, page);
  run = form->AddEdit({"run", {8, 90, 456, 24}}, page);
}

void Tmform::BuildTextPages() {
  const ui::Bounds whole{0, 0, 473, 350};
  config = form->AddTextPage({"config", whole}, TabSheet4);
  autoex = form->AddTextPage({"autoex", whole}, TabSheet3);
  winstart = form->AddTextPage({"winstart", whole}, TabSheet5);
}

void Tmform::BuildServicesPage() {
  ui::Container* page = TabSheet6;
  Button1 = form->AddButton({"Button1", "&Startup", {8, 8, 100, 30}}, page);
  Button2 = form->AddButton({"Button2", "Event Viewer", {116, 8, 100, 30}}, page);
  ui::ListBoxSpec list{"lsbNTServ", {8, 46, 457, 300}, sem};
  list.variableHeight = true;
  lsbNTServ = form->AddListBox(list, page);
}

void Tmform::BuildGroupPages() {
  ToolBar3 = form->AddToolBar(SmallToolBar("ToolBar3", ImageList1), TabSheet7);
  ToolButton6 = ToolBar3->AddButton("ToolButton6", 0, "Delete");
  ToolButton7 = ToolBar3->AddButton("ToolButton7", 1, "Change");
  ToolButton12 = ToolBar3->AddButton("ToolButton12", 2, "Add ");
  lsbStart = form->AddListBox({"lsbStart", {8, 38, 457, 308}}, TabSheet7);

  ToolBar4 = form->AddToolBar(SmallToolBar("ToolBar4", ImageList1), com_start);
  ToolButton16 = ToolBar4->AddButton("ToolButton16", 0, "Delete");
  ToolButton17 = ToolBar4->AddButton("ToolButton17", 1, "Change");
  ToolButton18 = ToolBar4->AddButton("ToolButton18", 2, "Add");
  lsbComSt = form->AddListBox({"lsbComSt", {8, 38, 457, 308}}, com_start);
}

void Tmform::BuildRightPanel() {
  Panel1 = form->AddPanel({"Panel1", {481, 0, 86, 415}});
  ui::ToolBarSpec bar{"ToolBar2", {15, 6, 56, 6 * 46 + 4}, ImageList2, 50, 46, true};
  ToolBar2 = form->AddToolBar(bar, Panel1);
  ToolButton8 = ToolBar2->AddButton("ToolButton8", 0, "Check! (F9)");
  ToolButton9 = ToolBar2->AddButton("ToolButton9", 1, "Save (F2)");
  // Save writes the snapshot, which only an administrator may.
  ToolButton9->SetShield(!ws.toolkit.Elevated());
  ToolButton10 = ToolBar2->AddButton("ToolButton10", 2, "Find (CTRL+F)");
  ToolButton11 = ToolBar2->AddButton("ToolButton11", 3, "Refresh (F5)");
  ToolButton13 = ToolBar2->AddButton("ToolButton13", 4, "Help");
  ToolButton14 = ToolBar2->AddButton("ToolButton14", 5, "Exit");
  Bevel1 = form->AddBevel({"Bevel1", {4, 294, 78, 2}}, Panel1);
  lblVers = form->AddLabel({"lblVers", "", {4, 302, 78, 18}}, Panel1);
  btnWins = form->AddButton({"btnWins", "", {3, 326, 80, 37}}, Panel1);
  btnWins->SetHint("Show version");
}

void Tmform::BuildBottomLine() {
  StatusBar1 = form->AddStatusBar({"StatusBar1", {480, 50}});
  ProgressBar1 = form->AddProgressBar({"ProgressBar1", {531, 419, 34, 16}, 0, 100});
}

}  // namespace tarnix
