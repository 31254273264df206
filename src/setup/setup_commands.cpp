#include "setup/setup_commands.h"

#include "platform/event_log.h"
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

void Note(NotDone& unmade, const StoreResult& result) {
  if (!result)
    unmade.Add(result.text, result.failure);
}

void MakeProgramGroup(Store& store, const std::string& programs, const WriteShortcutFn& write,
                      NotDone& unmade) {
  for (const char* folder : {kGroupFolder, kProgramGroup}) {
    // A folder that exists already is no failure.
    const StoreResult made = store.CreateFolder(programs + folder);
    if (!made && !store.IsFolder(programs + folder))
      Note(unmade, made);
  }
  Note(unmade, write(ProgramShortcut(store, programs + kProgramGroup + kShortcutName)));
  Note(unmade, write(UninstallShortcut(store, programs + kProgramGroup + kUninstallName)));
}

StoreResult WriteAutostartValue(Store& store, Root root, const std::string& path,
                                const std::string& text) {
  const OpenedKey key = store.OpenKey(root, path, true);
  return key ? key->WriteString(kAutostartValue, text) : key.result;
}

std::string StartupCheckCommand(Store& store) {
  return QuotedProgramPath(store) + " /c";
}

// The value and its undo step, then every place read again.
StoreResult AddStartupCheck(Workspace& ws) {
  const RunKeyLocation userRun = RunListKey(2);
  if (StoreResult written =
          WriteAutostartValue(ws.store, userRun.root, userRun.path, StartupCheckCommand(ws.store));
      !written)
    return written;
  RecordUndoStep(ws, StepKind::Added, 2, kAutostartValue,
                 {regtype::String, QuotedProgramPath(ws.store)});
  RefreshAll(ws);
  return {};
}

StoreResult WriteStartupCheck(Workspace& ws) {
  if (StoreResult added = AddStartupCheck(ws); !added)
    return added;
  // Only this value is approved: other run entries stay for the check to show.
  const std::string saveKey = SnapshotKeyPath(ws.catalogue.RunList(2).key);
  return WriteAutostartValue(ws.store, Root::LocalMachine, saveKey, StartupCheckCommand(ws.store));
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
  StoreResult unread;
  const auto folder = ShellFolder(ws.store, FolderValue(place), &unread);
  if (!folder)
    return unread;
  return write(ProgramShortcut(ws.store, *folder + kShortcutName));
}

void FirstLaunchActions(Workspace& ws, const FirstLaunchChoices& choices,
                        const WriteShortcutFn& write) {
  RecordReportProgram(ws.store);
  NotDone unmade;
  // Without it the events are written all the same, only shown without their texts.
  Note(unmade, RegisterEventLogSource(ws.store, ws.store.ProgramPath()));
  StoreResult unread;
  if (const auto programs = ShellFolder(ws.store, "Programs", &unread))
    MakeProgramGroup(ws.store, *programs, write, unmade);
  Note(unmade, unread);
  // The snapshot that follows the first launch approves the value with all the rest.
  if (choices.autostart)
    ws.toolkit.Dispatch([&ws, &unmade] { Note(unmade, AddStartupCheck(ws)); });
  if (choices.programs)
    Note(unmade, CreateProgramShortcut(ws, ShortcutPlace::Programs, write));
  if (choices.desktop)
    Note(unmade, CreateProgramShortcut(ws, ShortcutPlace::Desktop, write));
  Tell(ws, unmade.Told("Tarnix2 could not finish setting up:"));
}

}  // namespace tarnix
