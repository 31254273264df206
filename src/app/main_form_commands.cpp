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

void Tmform::Delete1Click() {
  DeleteRunEntry(ws);
}
void Tmform::ToolButton1Click() {
  dispatch(&Tmform::Delete1Click);
}
void Tmform::Change1Click() {
  EditRunEntry(ws, *windows.EditStr);
}
void Tmform::ToolButton2Click() {
  dispatch(&Tmform::Change1Click);
}
void Tmform::Add1Click() {
  AddRunEntry(ws, *windows.addform);
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
  DeleteGroupEntry(ws, Section("Startup"));
}
void Tmform::ToolButton6Click() {
  dispatch(&Tmform::Delete2Click);
}
void Tmform::Change2Click() {
  EditGroupShortcut(ws, Section("Startup"), *windows.frmLink);
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
  DeleteGroupEntry(ws, Section("Common Startup"));
}
void Tmform::ToolButton16Click() {
  dispatch(&Tmform::Delete3Click);
}
void Tmform::Change3Click() {
  EditGroupShortcut(ws, Section("Common Startup"), *windows.frmLink);
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
  StartupButton(ws, services, *windows.frmServ);
}
void Tmform::Button2Click() {
  OpenEventViewer(ws);
}

}  // namespace tarnix
