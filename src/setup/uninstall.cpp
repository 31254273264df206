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

  void Add(const std::string& line, StoreFailure why) {
    lines.push_back(line);
    if (failure != StoreFailure::AccessDenied)
      failure = why;
  }
};

void RemoveAutostartValue(Store& store, Leftovers& left) {
  const RunKeyLocation userRun = RunListKey(2);
  auto key = store.OpenKey(userRun.root, userRun.path, false);
  if (!key || !key->ReadValue(kAutostartValue))
    return;
  if (!key->DeleteValue(kAutostartValue))
    left.Add(RootName(userRun.root) + userRun.path + " " + kAutostartValue, key->LastFailure());
}

void RemoveRegistryKeys(Workspace& ws, Leftovers& left) {
  for (const std::string& path : ProgramRegistryKeys(ws.catalogue)) {
    if (ws.store.KeyExists(Root::LocalMachine, path) &&
        !ws.store.DeleteKey(Root::LocalMachine, path)) {
      left.Add(RootName(Root::LocalMachine) + path, ws.store.LastFailure());
    }
  }
}

void RemoveLeftFile(Store& store, const std::string& path, Leftovers& left) {
  if (const StoreFailure failure = RemoveFile(store, path); failure != StoreFailure::None)
    left.Add(path, failure);
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
    ShowRefusal(ws, "Uninstall could not remove:" + Joined(left), left.failure);
  ws.toolkit.MessageBox(ws.mainForm, "Please, delete files: Tarnix2.exe and etc. manually",
                        "Uninstall complete successfully!", ui::mb::Ok);
}

}  // namespace tarnix
