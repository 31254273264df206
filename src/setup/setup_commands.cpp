#include "setup/setup_commands.h"

#include "setup/setup_places.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "sources/undo_step.h"

namespace tarnix {

namespace {

const char* FolderValue(ShortcutPlace place) {
  return place == ShortcutPlace::Desktop ? "Desktop" : "Programs";
}

ShortcutSpec ProgramShortcut(Store& store, const std::string& path) {
  return {path, store.ProgramPath(), "", "", "tarnix2"};
}

ShortcutSpec UninstallShortcut(Store& store, const std::string& path) {
  std::string target = store.ShortPath(store.ProgramPath());
  if (target.empty())
    target = store.ProgramPath();
  return {path, target, " /u", "", "Uninstall"};
}

void MakeProgramGroup(Store& store, const std::string& programs, const WriteShortcutFn& write) {
  // The group is a courtesy; what could not be made is passed over, as the rest still works
  // (a folder that exists already is no failure either).
  static_cast<void>(store.CreateFolder(programs + kGroupFolder));
  static_cast<void>(store.CreateFolder(programs + kProgramGroup));
  static_cast<void>(write(ProgramShortcut(store, programs + kProgramGroup + kShortcutName)));
  static_cast<void>(write(UninstallShortcut(store, programs + kProgramGroup + kUninstallName)));
}

StoreResult WriteAutostartValue(Store& store, Root root, const std::string& path,
                                const std::string& text) {
  const OpenedKey key = store.OpenKey(root, path, true);
  return key ? key->WriteString(kAutostartValue, text) : key.result;
}

StoreResult WriteStartupCheck(Workspace& ws) {
  const std::string program = QuotedProgramPath(ws.store);
  const std::string command = program + " /c";
  const RunKeyLocation userRun = RunListKey(2);
  if (StoreResult written = WriteAutostartValue(ws.store, userRun.root, userRun.path, command);
      !written)
    return written;
  RecordUndoStep(ws, StepKind::Added, 2, kAutostartValue, {regtype::String, program});
  RefreshAll(ws);
  // Only this value is approved: other run entries stay for the check to show.
  const std::string saveKey = SnapshotKeyPath(ws.catalogue.RunList(2).key);
  return WriteAutostartValue(ws.store, Root::LocalMachine, saveKey, command);
}

// Tells scripts where the report program lies, under the product key that the uninstall
// removes; a copy of the program that came without it records none.
void RecordReportProgram(Store& store) {
  const std::string path = ReportProgramPath(store);
  const bool there = store.GetFileAttributes(path) != kInvalidAttributes;
  if (const OpenedKey key = store.OpenKey(Root::LocalMachine, kProductKey, there)) {
    static_cast<void>(there ? key->WriteString(kReportProgramValue, path)
                            : key->DeleteValue(kReportProgramValue));
  }
}

}  // namespace

void EnableStartupCheck(Workspace& ws) {
  Tell(ws, WriteStartupCheck(ws));
}

StoreResult CreateProgramShortcut(Workspace& ws, ShortcutPlace place,
                                  const WriteShortcutFn& write) {
  const auto folder = ShellFolder(ws.store, FolderValue(place));
  if (!folder)
    return {};
  return write(ProgramShortcut(ws.store, *folder + kShortcutName));
}

void FirstLaunchActions(Workspace& ws, const FirstLaunchChoices& choices,
                        const WriteShortcutFn& write) {
  RecordReportProgram(ws.store);
  if (const auto programs = ShellFolder(ws.store, "Programs"))
    MakeProgramGroup(ws.store, *programs, write);
  if (choices.autostart)
    ws.toolkit.Dispatch([&ws] { EnableStartupCheck(ws); });
  if (choices.programs)
    (void)CreateProgramShortcut(ws, ShortcutPlace::Programs, write);
  if (choices.desktop)
    (void)CreateProgramShortcut(ws, ShortcutPlace::Desktop, write);
}

}  // namespace tarnix
