// The uninstall: every trace the program left, then what could not be removed and the closing
// message.
#include <string>
#include <vector>

#include "platform/file_removal.h"
#include "platform/registry_keys.h"
#include "setup/setup_commands.h"
#include "setup/setup_places.h"
#include "sources/restart_offer.h"

namespace tarnix {

namespace {

// What could not be removed, one line each, and whether the system refused any of it for lack
// of rights.
struct Leftovers {
  std::vector<std::string> lines;
  StoreFailure failure = StoreFailure::None;

  void Add(const std::string& line, const StoreResult& why) {
    lines.push_back(line);
    if (failure != StoreFailure::AccessDenied)
      failure = why.failure;
  }
};

void RemoveAutostartValue(Store& store, Leftovers& left) {
  const RunKeyLocation userRun = RunListKey(2);
  auto key = store.OpenKey(userRun.root, userRun.path, false);
  if (!key || !key->ReadValue(kAutostartValue))
    return;
  if (const StoreResult deleted = key->DeleteValue(kAutostartValue); !deleted)
    left.Add(RootName(userRun.root) + userRun.path + " " + kAutostartValue, deleted);
}

void RemoveRegistryKeys(Workspace& ws, Leftovers& left) {
  for (const std::string& path : ProgramRegistryKeys(ws.catalogue)) {
    if (!ws.store.KeyExists(Root::LocalMachine, path))
      continue;
    if (const StoreResult deleted = ws.store.DeleteKey(Root::LocalMachine, path); !deleted)
      left.Add(RootName(Root::LocalMachine) + path, deleted);
  }
}

void RemoveLeftFile(Store& store, const std::string& path, Leftovers& left) {
  if (const StoreResult removed = RemoveFile(store, path); !removed)
    left.Add(path, removed);
}

// Folders go only when empty: what else the user keeps there stays, and is no failure.
void RemoveShortcuts(Store& store, Leftovers& left) {
  if (const auto programs = ShellFolder(store, "Programs")) {
    RemoveLeftFile(store, *programs + kProgramGroup + kShortcutName, left);
    RemoveLeftFile(store, *programs + kProgramGroup + kUninstallName, left);
    RemoveLeftFile(store, *programs + kShortcutName, left);
    static_cast<void>(store.RemoveFolder(*programs + kProgramGroup));
    static_cast<void>(store.RemoveFolder(*programs + kGroupFolder));
  }
  if (const auto desktop = ShellFolder(store, "Desktop"))
    RemoveLeftFile(store, *desktop + kShortcutName, left);
}

std::string Joined(const Leftovers& left) {
  std::string text;
  for (const std::string& line : left.lines) text += "\r\n" + line;
  return text;
}

}  // namespace

void UninstallProgram(Workspace& ws) {
  Leftovers left;
  RemoveAutostartValue(ws.store, left);
  RemoveRegistryKeys(ws, left);
  RemoveShortcuts(ws.store, left);
  // The closing words follow the list all the same: the program's own files are still the
  // user's to delete.
  if (!left.lines.empty())
    Tell(ws, {left.failure, "Uninstall could not remove:" + Joined(left)});
  ws.toolkit.MessageBox(ws.mainForm, "Please, delete files: Tarnix2.exe and etc. manually",
                        "Uninstall complete successfully!", ui::mb::Ok);
}

}  // namespace tarnix
