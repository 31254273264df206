#include "watchdog/save_command.h"

#include "base/time_spans.h"
#include "sources/error_box.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

// The texts as held. A file that could not be read keeps the snapshot it had (or
// gets none): an empty one would later offer to empty the file. Gives the places left out.
std::vector<std::string> SnapshotTexts(Workspace& ws) {
  std::vector<std::string> leftOut;
  for (const StartupSection* section : ws.catalogue.OfKind(kindTextFile)) {
    const TextFile& file = ws.places.Text(section->id);
    if (file.state == TextFile::State::Unreadable) {
      leftOut.push_back(section->place);
    } else {
      WriteSnapshotLines(ws.store, SnapshotKeyPath(section->key), file.Held());
    }
  }
  return leftOut;
}

// The run lists as they are now; one that cannot be read keeps the snapshot it had.
void SnapshotRunLists(Workspace& ws, std::vector<std::string>& leftOut) {
  for (int index = 0; index < kRunListCount; ++index) {
    const StartupSection& section = ws.catalogue.RunList(index);
    LoadRunList(ws, index);
    if (!SnapshotRunList(ws.store, SnapshotKeyPath(section.key),
                         ws.places.runLists[static_cast<size_t>(index)]))
      leftOut.push_back(section.place);
  }
}

// A folder that is not known keeps the snapshot it had: its empty list says nothing of it.
void SnapshotFolders(Workspace& ws, std::vector<std::string>& leftOut) {
  for (const StartupSection* section : ws.catalogue.OfKind(kindFolder)) {
    if (!section->placeKnown)
      leftOut.push_back("the group \"" + section->key + "\" (" + section->source +
                        " names no folder)");
    else
      WriteSnapshotLines(ws.store, SnapshotKeyPath(section->key),
                         ws.places.Folder(section->id).entries);
  }
}

std::vector<std::string> SnapshotSections(Workspace& ws) {
  std::vector<std::string> leftOut = SnapshotTexts(ws);
  SnapshotRunLists(ws, leftOut);
  WriteSnapshotWinini(ws.store, SnapshotKeyPath(ws.catalogue.Section(SectionId::Winini).key),
                      {ws.places.winIni.load, ws.places.winIni.run});
  SnapshotFolders(ws, leftOut);
  return leftOut;
}

void TellLeftOut(Workspace& ws, const std::vector<std::string>& leftOut) {
  if (leftOut.empty())
    return;
  std::string places;
  for (const std::string& place : leftOut) places += place + "\r\n";
  ws.toolkit.MessageBox(ws.mainForm,
                        "These places could not be read, so they were left out of the snapshot "
                        "and keep the one they had:\r\n" +
                            places,
                        "Attention!", ui::mb::Ok | ui::mb::IconWarning);
}

// A line the code page cannot store is no permission problem: the message names the line.
std::string TextWriteError(const std::string& path, const std::vector<std::string>& lines,
                           const TextWrite& failure) {
  if (failure.outcome != TextWrite::Unencodable || failure.line >= lines.size())
    return "Cannot create file " + path;
  return "Line " + std::to_string(failure.line + 1) + " of " + path +
         " holds a character that the file's code page cannot store, so nothing was written:\n" +
         lines[failure.line];
}

}  // namespace

bool WriteTextFile(Workspace& ws, const std::string& path, const std::vector<std::string>& lines) {
  const TextWrite written = ws.store.SaveLines(path, lines);
  if (written)
    return true;
  ShowRefusal(ws, TextWriteError(path, lines, written),
              written.outcome == TextWrite::Failed ? ws.store.LastFailure() : StoreFailure::None);
  return false;
}

bool WriteWinIni(Workspace& ws) {
  WinIniPlace& winIni = ws.places.winIni;
  const bool load = ws.store.WriteProfileString("win.ini", "windows", "load", winIni.load);
  const bool run = load && ws.store.WriteProfileString("win.ini", "windows", "run", winIni.run);
  if (!run) {
    ShowError(ws, "Cannot write the load and run values to win.ini");
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
  std::vector<std::string> leftOut;
  try {
    TimeSpan span("snapshot written");
    leftOut = SnapshotSections(ws);
  } catch (const StoreError& error) {
    ShowRefusal(ws, kSnapshotWriteError, error.kind());
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
