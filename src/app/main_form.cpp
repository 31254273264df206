#include "app/main_form.h"

#include "app/program.h"
#include "app/version_text.h"
#include "runlists/run_list_commands.h"
#include "runlists/undo_journal.h"
#include "services/services_page.h"
#include "sources/loading.h"
#include "sources/mark_commands.h"
#include "sources/start_for_user.h"
#include "sources/task_page.h"
#include "ui/help_contexts.h"

namespace tarnix {

namespace {

// Run as another account (an administrator's password typed by a standard user), the current
// user's run list and startup folder are that account's: the caption says whose.
std::string MainCaption(const ui::Toolkit& toolkit) {
  const std::string account = toolkit.OtherAccount();
  return account.empty() ? "Tarnix II" : "Tarnix II - running as " + account;
}

ui::FormSpec MainFormSpec(const ui::Toolkit& toolkit) {
  ui::FormSpec spec{"mform", "Tmform", MainCaption(toolkit), 567, 437};
  spec.border = ui::BorderStyle::FixedSingle;
  spec.keyPreview = true;
  spec.helpContext = ui::help::MainWindow;
  spec.isMainForm = true;
  return spec;
}

ui::FileDialogSpec RegFileDialog() {
  ui::FileDialogSpec spec;
  spec.filter = "*.reg|*.reg";
  spec.defaultExtension = "REG";
  return spec;
}

}  // namespace

Tmform::Tmform(Workspace& workspace, const AppWindows& others, ServiceControl* serviceControl)
    : ws(workspace),
      windows(others),
      dispatch([this](Handler handler) { (this->*handler)(); }),
      services(serviceControl),
      form(workspace.toolkit.CreateForm(MainFormSpec(workspace.toolkit))),
      backup(RegFileDialog()),
      backone(RegFileDialog()),
      undodiag(RegFileDialog()) {
  ws.mainForm = form.get();
  backup.fileName = "tarnix.reg";
  BuildImageLists();
  BuildPages();
  BuildRightPanel();
  BuildBottomLine();
  BuildMainMenu();
  BuildPopupMenus();
  AddMarkCommands();
  WireControls();
  LoadPlaces();
  FormCreate();
}

// Dates are always written as dd.MM.yyyy by the code that formats them, so there is no
// process-wide date format to set first.
void Tmform::LoadPlaces() {
  ws.catalogue = BuildCatalogue(ws.store);
  SetDialogFolders(ws.catalogue.windowsFolder);
  ws.dataChanged = false;
  btnWins->SetCaption(ws.catalogue.btnWinsCaption);
  EnsureUndoKey(ws.store);
  if (ws.catalogue.isNT) {
    ListBox2->SetEnabled(false);
  } else {
    lsbComSt->SetEnabled(false);
    lsbNTServ->SetEnabled(false);
  }
  BindViews();
  LoadRunList(ws, 0);
  if (ws.catalogue.isNT) {
    ListServices(ws, services);
  } else {
    LoadRunList(ws, 1);
  }
  LoadRunList(ws, 2);
  LoadLogonLists(ws);
  LoadTextPages(ws);
  LoadWinIni(ws);
  ListStartupFolders(ws);
  ClearModifiedMarks(ws);
  ws.dataChanged = false;
}

void Tmform::BindViews() {
  PlaceViews& v = ws.views;
  v.runLists[0] = ListBox1;
  v.runLists[1] = ListBox2;
  v.runLists[2] = ListBox3;
  v.autoex = autoex;
  v.config = config;
  v.winstart = winstart;
  v.load = load;
  v.run = run;
  v.lsbStart = lsbStart;
  v.lsbComSt = lsbComSt;
  v.lsbNTServ = lsbNTServ;
  v.lsbLogon = lsbLogon;
  v.lsbTasks = lsbTasks;
  v.status = StatusBar1;
  BindPlaceEdits(ws);
  BindEntryStates(ws);
  BindTaskStates(ws);
}

void Tmform::SetDialogFolders(const std::string& folder) {
  backup.initialFolder = folder;
  backone.initialFolder = folder;
  undodiag.initialFolder = folder;
}

const StartupSection& Tmform::Section(const char* key) const {
  return *ws.catalogue.Find(key);
}

void Tmform::FormCreate() {
  LocateProgramFolder(ws);
}

void Tmform::FormShow() {
  ListBox3->SetFocus();
}

void Tmform::FormClose() {
  QuitWithSavePrompt(ws);
}

// Key preview: the focused control still gets the key after this.
void Tmform::FormKeyPress(int& key) {
  if (key == 27) {
    dispatch(&Tmform::N6Click);
  } else if (key == 13) {
    dispatch(&Tmform::Change1Click);
  }
}

void Tmform::ListBox1DblClick() {
  OnSelectedRunEntry(0, [this](int runList, const std::string& name) {
    EditRunEntry(ws, *windows.EditStr, runList, name);
  });
}
void Tmform::ListBox2DblClick() {
  OnSelectedRunEntry(1, [this](int runList, const std::string& name) {
    EditRunEntry(ws, *windows.EditStr, runList, name);
  });
}
void Tmform::ListBox3DblClick() {
  OnSelectedRunEntry(2, [this](int runList, const std::string& name) {
    EditRunEntry(ws, *windows.EditStr, runList, name);
  });
}

// A run list that loses the focus drops its selection, so the run-list commands never act on
// a line the user no longer sees as chosen.
void Tmform::ListBox1Exit() {
  ListBox1->SetItemIndex(-1);
}
void Tmform::ListBox2Exit() {
  ListBox2->SetItemIndex(-1);
}
void Tmform::ListBox3Exit() {
  ListBox3->SetItemIndex(-1);
}

// A right click focuses the list without selecting, so the pop-up menu acts on that list.
void Tmform::ListBox1MouseDown(ui::MouseButton button) {
  if (button == ui::MouseButton::Right) {
    ListBox1->SetFocus();
  }
}
void Tmform::ListBox2MouseDown(ui::MouseButton button) {
  if (button == ui::MouseButton::Right) {
    ListBox2->SetFocus();
  }
}
void Tmform::ListBox3MouseDown(ui::MouseButton button) {
  if (button == ui::MouseButton::Right) {
    ListBox3->SetFocus();
  }
}

void Tmform::lsbStartDblClick() {
  dispatch(&Tmform::Change2Click);
}
void Tmform::lsbStartKeyPress(int& key) {
  if (key == 13) {
    dispatch(&Tmform::Change2Click);
  }
}
void Tmform::lsbComStDblClick() {
  dispatch(&Tmform::Change3Click);
}
void Tmform::lsbComStKeyPress(int& key) {
  if (key == 13) {
    dispatch(&Tmform::Change3Click);
  }
}

void Tmform::btnWinsClick() {
  dispatch(&Tmform::ShowVersion);
}

void Tmform::ShowVersion() {
  ws.toolkit.MessageBox(form.get(), VersionLine(ws.store.PlatformVersion()), "Version OS",
                        ui::mb::IconInfo);
}

void Tmform::N8Click() {
  windows.frmHelp->ShowContents();
}
void Tmform::ToolButton13Click() {
  dispatch(&Tmform::N8Click);
}

void Tmform::N12Click() {
  StartForUser(ws, "regedit.exe", ui::sw::ShowDefault);
}

void Tmform::N14Click() {
  auto key = ws.store.OpenKey(Root::CurrentUser, kShellFoldersKey, false);
  if (!key) {
    return;
  }
  const std::string folder = key->ReadString("StartUp");
  StartForUser(ws, "explorer.exe /root, \"" + folder + "\"", ui::sw::ShowDefault);
}

}  // namespace tarnix
