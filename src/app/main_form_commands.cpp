// The main window's commands: each one hands over to its subsystem.
#include "app/group_add_dialog.h"
#include "app/main_form.h"
#include "app/program.h"
#include "runlists/export.h"
#include "runlists/run_list_commands.h"
#include "runlists/undo_journal.h"
#include "services/services_page.h"
#include "setup/about.h"
#include "setup/find.h"
#include "setup/setup_commands.h"
#include "sources/error_box.h"
#include "sources/loading.h"
#include "startupfolders/group_commands.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot.h"

namespace tarnix {

namespace {

// A shortcut that could not be written is said, so that the user does not look for it; an
// unknown folder is nothing the user can act on, so it passes quietly.
void CreateShortcut(Workspace& ws, ShortcutPlace place) {
  if (!CreateProgramShortcut(ws, place, ProgramShortcutWriter(ws))) {
    ShowError(ws, "Cannot create the shortcut to Tarnix2.");
  }
}

// The line the user picked in the list, which the list's commands work on.
std::optional<std::string> SelectedLine(const ui::ListBox& list) {
  const int index = list.ItemIndex();
  if (index < 0)
    return std::nullopt;
  return list.Item(index);
}

}  // namespace

void Tmform::Checkit1Click() {
  if (!RunChangeCheck(ws, windows)) {
    ws.toolkit.MessageBox(form.get(), "There are no changes!", "The check is completed!",
                          ui::mb::IconInfo);
  }
}
void Tmform::ToolButton8Click() {
  dispatch(&Tmform::Checkit1Click);
}

void Tmform::Save1Click() {
  SaveAll(ws);
}
void Tmform::ToolButton9Click() {
  dispatch(&Tmform::Save1Click);
}

void Tmform::N13Click() {
  EnableStartupCheck(ws);
}
void Tmform::Createshortcutondesktop1Click() {
  CreateShortcut(ws, ShortcutPlace::Desktop);
}
void Tmform::CreateshortcutinProgramsmenu1Click() {
  CreateShortcut(ws, ShortcutPlace::Programs);
}

void Tmform::Showhistorylog1Click() {
  ShowHistoryLog(ws);
}
void Tmform::Clearhistorylog1Click() {
  ClearHistoryLog(ws);
}

void Tmform::N6Click() {
  QuitWithSavePrompt(ws);
}
// Closing the window goes through FormClose, which asks about unsaved texts.
void Tmform::ToolButton14Click() {
  form->Close();
}

void Tmform::Find1Click() {
  ShowFind(ws, *windows.frmFind);
}
void Tmform::ToolButton10Click() {
  dispatch(&Tmform::Find1Click);
}
void Tmform::FindNext1Click() {
  FindNext(ws, *windows.frmFind);
}

void Tmform::N17Click() {
  RefreshAll(ws);
}
void Tmform::ToolButton11Click() {
  dispatch(&Tmform::N17Click);
}

void Tmform::N9Click() {
  ShowAbout(ws, *windows.AboutBox);
}

int Tmform::FocusedRunList() const {
  const ui::Control* focused = form->ActiveControl();
  for (int i = 0; i < kRunListCount; ++i) {
    if (focused != nullptr && focused == ws.views.runLists[i])
      return i;
  }
  return -1;
}

void Tmform::OnSelectedRunEntry(int runList,
                                const std::function<void(int, const std::string&)>& command) {
  if (runList < 0)
    return;
  if (const auto name = SelectedLine(*ws.views.runLists[runList]))
    command(runList, *name);
}

void Tmform::OnSelectedGroupEntry(
    const char* group,
    const std::function<void(const StartupSection&, const std::string&)>& command) {
  const StartupSection& section = Section(group);
  if (const auto name = SelectedLine(*ws.views.List(section.id)))
    command(section, *name);
}

void Tmform::Delete1Click() {
  OnSelectedRunEntry(FocusedRunList(), [this](int runList, const std::string& name) {
    DeleteRunEntry(ws, runList, name);
  });
}
void Tmform::ToolButton1Click() {
  dispatch(&Tmform::Delete1Click);
}
void Tmform::Change1Click() {
  OnSelectedRunEntry(FocusedRunList(), [this](int runList, const std::string& name) {
    EditRunEntry(ws, *windows.EditStr, runList, name);
  });
}
void Tmform::ToolButton2Click() {
  dispatch(&Tmform::Change1Click);
}
// Without a focused run list, the one last worked on.
void Tmform::Add1Click() {
  const int focused = FocusedRunList();
  AddRunEntry(ws, *windows.addform, focused >= 0 ? focused : ws.currentRunList);
}
void Tmform::ToolButton3Click() {
  dispatch(&Tmform::Add1Click);
}
void Tmform::Undo1Click() {
  UndoRecentStep(ws, *windows.undolist);
}
void Tmform::ToolButton4Click() {
  dispatch(&Tmform::Undo1Click);
}
void Tmform::Saveallkeystofile1Click() {
  SaveAllKeysToFile(ws, backup, ExportNotice::FileCreated);
}
// The same export as the menu item, closed by a box of its own.
void Tmform::ToolButton5Click() {
  SaveAllKeysToFile(ws, backup, ExportNotice::KeysSaved);
}
void Tmform::Undofromprevioussessions1Click() {
  UndoStoredStep(ws, *windows.undolist);
}
void Tmform::ToolButton15Click() {
  dispatch(&Tmform::Undofromprevioussessions1Click);
}

void Tmform::Delete2Click() {
  OnSelectedGroupEntry("Startup", [this](const StartupSection& group, const std::string& name) {
    DeleteGroupEntry(ws, group, name);
  });
}
void Tmform::ToolButton6Click() {
  dispatch(&Tmform::Delete2Click);
}
void Tmform::Change2Click() {
  OnSelectedGroupEntry("Startup", [this](const StartupSection& group, const std::string& name) {
    EditGroupShortcut(ws, group, name, *windows.frmLink);
  });
}
void Tmform::ToolButton7Click() {
  dispatch(&Tmform::Change2Click);
}
void Tmform::Add2Click() {
  GroupAddDialog dialog(*windows.addform);
  AddGroupShortcut(ws, Section("Startup"), dialog);
}
void Tmform::ToolButton12Click() {
  dispatch(&Tmform::Add2Click);
}

void Tmform::Delete3Click() {
  OnSelectedGroupEntry("Common Startup",
                       [this](const StartupSection& group, const std::string& name) {
                         DeleteGroupEntry(ws, group, name);
                       });
}
void Tmform::ToolButton16Click() {
  dispatch(&Tmform::Delete3Click);
}
void Tmform::Change3Click() {
  OnSelectedGroupEntry("Common Startup",
                       [this](const StartupSection& group, const std::string& name) {
                         EditGroupShortcut(ws, group, name, *windows.frmLink);
                       });
}
void Tmform::ToolButton17Click() {
  dispatch(&Tmform::Change3Click);
}
void Tmform::Add3Click() {
  GroupAddDialog dialog(*windows.addform);
  AddGroupShortcut(ws, Section("Common Startup"), dialog);
}
void Tmform::ToolButton18Click() {
  dispatch(&Tmform::Add3Click);
}

void Tmform::Button1Click() {
  if (const auto service = SelectedLine(*lsbNTServ))
    StartupButton(ws, services, *windows.frmServ, *service);
}
void Tmform::Button2Click() {
  OpenEventViewer(ws);
}

}  // namespace tarnix
