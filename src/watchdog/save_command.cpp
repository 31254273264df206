#include "watchdog/save_command.h"

#include "base/time_spans.h"
#include "platform/not_done.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "sources/startup_tasks.h"
#include "watchdog/snapshot_store.h"
#include "watchdog/task_snapshot.h"

namespace tarnix {

namespace {

// The texts as held. A file that could not be read keeps the snapshot it had (or
// gets none): an empty one would later offer to empty the file.
StoreResult SnapshotTexts(Workspace& ws, NotDone& leftOut) {
  for (const StartupSection* section : ws.catalogue.OfKind(kindTextFile)) {
    const TextFile& file = ws.places.Text(section->id);
    if (file.state == TextFile::State::Unreadable) {
      leftOut.Add(section->place, StoreFailure::Other);
    } else if (StoreResult written =
                   WriteSnapshotLines(ws.store, SnapshotKeyPath(section->key), file.Held());
               !written) {
      return written;
    }
  }
  return {};
}

// The run lists as they are now; one that cannot be read keeps the snapshot it had.
StoreResult SnapshotRunLists(Workspace& ws, NotDone& leftOut) {
  for (int index = 0; index < kRegistryListCount; ++index) {
    const StartupSection& section = ws.catalogue.RunList(index);
    LoadRunList(ws, index);
    const RunListPlace& place = ws.places.runLists[static_cast<size_t>(index)];
    const std::optional<StoreResult> written =
        SnapshotRunList(ws.store, SnapshotKeyPath(section.key), place);
    if (!written)
      leftOut.Add(section.place, place.readFailure);
    else if (!*written)
      return *written;
  }
  return {};
}

// Task Manager's marks as they are now; a key that cannot be read keeps the snapshot it had.
StoreResult SnapshotMarks(Workspace& ws, NotDone& leftOut) {
  for (const StartupSection* section : ws.catalogue.OfKind(kindMarks)) {
    const PlaceMarks marks = ReadMarkKey(ws.store, MarkKeyLocation(section->id));
    if (marks.readFailure != StoreFailure::None)
      leftOut.Add(section->place, marks.readFailure);
    else if (StoreResult written = WriteKeyValues(ws.store, Root::LocalMachine,
                                                  SnapshotKeyPath(section->key), marks.values);
             !written)
      return written;
  }
  return {};
}

// A folder that is not known keeps the snapshot it had: its empty list says nothing of it.
StoreResult SnapshotFolders(Workspace& ws, NotDone& leftOut) {
  for (const StartupSection* section : ws.catalogue.OfKind(kindFolder)) {
    if (!section->placeKnown) {
      leftOut.Add("the group \"" + section->key + "\" (" + section->source + " names no folder)",
                  StoreFailure::Other);
    } else if (StoreResult written = WriteSnapshotLines(ws.store, SnapshotKeyPath(section->key),
                                                        ws.places.Folder(section->id).entries);
               !written) {
      return written;
    }
  }
  return {};
}

// The scheduled tasks, where a scheduler reads them; a listing that failed keeps the snapshot
// they had.
StoreResult SnapshotTasks(Workspace& ws, NotDone& leftOut) {
  if (ws.scheduler == nullptr)
    return {};
  const StartupSection& section = ws.catalogue.Section(SectionId::ScheduledTasks);
  const TaskPlace tasks = ReadTaskPlace(*ws.scheduler);
  if (!tasks.Readable()) {
    leftOut.Add(section.place, tasks.unread.failure);
    return {};
  }
  return WriteKeyValues(ws.store, Root::LocalMachine, SnapshotKeyPath(section.key),
                        TaskSnapshotValues(tasks.tasks));
}

// Stops at the first write that fails; the places left out are added to `leftOut`.
StoreResult SnapshotSections(Workspace& ws, NotDone& leftOut) {
  StoreResult written = SnapshotTexts(ws, leftOut);
  if (written)
    written = SnapshotRunLists(ws, leftOut);
  if (written)
    written =
        WriteSnapshotWinini(ws.store, SnapshotKeyPath(ws.catalogue.Section(SectionId::Winini).key),
                            {ws.places.winIni.load, ws.places.winIni.run});
  if (written)
    written = SnapshotFolders(ws, leftOut);
  if (written)
    written = SnapshotMarks(ws, leftOut);
  if (written)
    written = SnapshotTasks(ws, leftOut);
  return written;
}

void TellLeftOut(Workspace& ws, const NotDone& leftOut) {
  if (leftOut.lines.empty())
    return;
  std::string places;
  for (const std::string& place : leftOut.lines) places += place + "\r\n";
  ws.toolkit.MessageBox(ws.mainForm,
                        "These places could not be read, so they were left out of the snapshot "
                        "and keep the one they had:\r\n" +
                            places,
                        "Attention!", ui::mb::Ok | ui::mb::IconWarning);
  OfferRestart(ws, leftOut.failure);
}

}  // namespace

bool WriteTextFile(Workspace& ws, const std::string& path, const std::vector<std::string>& lines) {
  const TextWrite written = ws.store.SaveLines(path, lines);
  Tell(ws, written);
  return static_cast<bool>(written);
}

bool WriteWinIni(Workspace& ws) {
  WinIniPlace& winIni = ws.places.winIni;
  StoreResult written = ws.store.WriteProfileString("win.ini", "windows", "load", winIni.load);
  if (written)
    written = ws.store.WriteProfileString("win.ini", "windows", "run", winIni.run);
  if (!written) {
    Tell(ws, written.Saying("Cannot write the load and run values to win.ini"));
    return false;
  }
  TakeWinIniAsSaved(ws);
  return true;
}

bool SaveEditedTexts(Workspace& ws) {
  bool saved = true;
  for (const StartupSection* section : ws.catalogue.OfKind(kindTextFile)) {
    // Only a page that shows its file whole hands an edit over.
    const TextFile& file = ws.places.Text(section->id);
    if (!file.edited)
      continue;
    if (WriteTextFile(ws, section->place, *file.edited))
      TakeEditAsFile(ws, section->id);
    else
      saved = false;
  }
  return WriteWinIni(ws) && saved;
}

bool SaveSnapshot(Workspace& ws) {
  NotDone leftOut;
  StoreResult written;
  {
    TimeSpan span("snapshot written");
    written = SnapshotSections(ws, leftOut);
  }
  if (!written) {
    Tell(ws, written.Saying(kSnapshotWriteError));
    return false;
  }
  TellLeftOut(ws, leftOut);
  ws.toolkit.MessageBox(ws.mainForm, "Information saved succesfully!", "Attention!",
                        ui::mb::Ok | ui::mb::IconInfo);
  return true;
}

void SaveAll(Workspace& ws) {
  // Each failure has shown its error box; the snapshot is taken only after every text was saved.
  static_cast<void>(SaveEditedTexts(ws) && SaveSnapshot(ws));
  ws.dataChanged = AnyTextModified(ws);
}

}  // namespace tarnix
