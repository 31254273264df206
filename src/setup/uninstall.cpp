// The uninstall: every trace the program left, then what could not be removed and the closing
// message.
#include <string>
#include <vector>

#include "platform/event_log.h"
#include "platform/file_removal.h"
#include "platform/registry_keys.h"
#include "setup/setup_commands.h"
#include "setup/setup_places.h"
#include "sources/restart_offer.h"

namespace tarnix {

namespace {

void RemoveAutostartValue(Store& store, NotDone& left) {
  const RunKeyLocation userRun = RunListKey(2);
  const std::string line = RootName(userRun.root) + userRun.path + " " + kAutostartValue;
  auto key = store.OpenKey(userRun.root, userRun.path, false);
  if (!key && key.result.failure != StoreFailure::NotFound)
    left.Add(line, key.result.failure);
  if (!key || !key->ReadValue(kAutostartValue))
    return;
  if (const StoreResult deleted = key->DeleteValue(kAutostartValue); !deleted)
    left.Add(line, deleted.failure);
}

void RemoveRegistryKeys(Workspace& ws, NotDone& left) {
  for (const std::string& path : ProgramRegistryKeys(ws.catalogue)) {
    if (!ws.store.KeyExists(Root::LocalMachine, path))
      continue;
    if (const StoreResult deleted = ws.store.DeleteKey(Root::LocalMachine, path); !deleted)
      left.Add(RootName(Root::LocalMachine) + path, deleted.failure);
  }
}

void RemoveLeftFile(Store& store, const std::string& path, NotDone& left) {
  if (const StoreResult removed = RemoveFile(store, path); !removed)
    left.Add(path, removed.failure);
}

// The folder's shortcuts, when its Shell Folders value cannot be read.
void ShortcutsNotFound(const std::string& folder, const StoreResult& unread, NotDone& left) {
  if (!unread)
    left.Add("the shortcuts in " + folder + " (" + unread.text + ")", unread.failure);
}

// Folders go only when empty: what else the user keeps there stays, and is no failure.
void RemoveShortcuts(Store& store, NotDone& left) {
  StoreResult unread;
  if (const auto programs = ShellFolder(store, "Programs", &unread)) {
    RemoveLeftFile(store, *programs + kProgramGroup + kShortcutName, left);
    RemoveLeftFile(store, *programs + kProgramGroup + kUninstallName, left);
    RemoveLeftFile(store, *programs + kShortcutName, left);
    static_cast<void>(store.RemoveFolder(*programs + kProgramGroup));
    static_cast<void>(store.RemoveFolder(*programs + kGroupFolder));
  }
  ShortcutsNotFound("Programs", unread, left);
  unread = {};
  if (const auto desktop = ShellFolder(store, "Desktop", &unread))
    RemoveLeftFile(store, *desktop + kShortcutName, left);
  ShortcutsNotFound("Desktop", unread, left);
}

}  // namespace

void UninstallProgram(Workspace& ws) {
  NotDone left;
  RemoveAutostartValue(ws.store, left);
  RemoveRegistryKeys(ws, left);
  RemoveShortcuts(ws.store, left);
  if (const StoreResult removed = RemoveEventLogSource(ws.store); !removed)
    left.Add(RootName(Root::LocalMachine) + kEventSourceKey, removed.failure);
  // The closing words follow the list all the same: the program's own files are still the
  // user's to delete. Only a whole uninstall is called a success.
  Tell(ws, left.Told("Uninstall could not remove:"));
  ws.toolkit.MessageBox(
      ws.mainForm, "Please, delete files: Tarnix2.exe and etc. manually",
      left.lines.empty() ? "Uninstall complete successfully!" : "Uninstall not complete",
      ui::mb::Ok);
}

}  // namespace tarnix
