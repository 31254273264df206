// The check of a system that has not changed, from the store alone. It reads each place as the
// full check sees it once the main window has loaded it, and compares as that check does.
#include "sources/loading.h"
#include "watchdog/check.h"
#include "watchdog/check_sections.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

bool SameLines(const std::vector<std::string>& current,
               const std::optional<std::vector<std::string>>& snapshot) {
  return !BuildReportList(current, snapshot.value_or(std::vector<std::string>{}));
}

bool SameRunList(Store& store, const StartupSection& section, const std::string& keyPath) {
  const int index = RunListIndex(section.id);
  const RunListPlace current = ReadRunListPlace(store, index);
  // An unreadable run key is an error the full check shows.
  if (!current.Readable())
    return false;
  const auto snapshot = ReadKeyValues(store, Root::LocalMachine, keyPath);
  // A logon list the snapshot does not hold yet is taken in by the full check.
  if (!snapshot && IsLogonList(index))
    return false;
  const ComparedRunList compared = CompareRunList(RunListKey(index), current.entries,
                                                  snapshot.value_or(std::vector<NamedValue>{}));
  return !BuildReportList(compared.currentLines, compared.snapshotLines);
}

bool SameWinini(Store& store, const std::string& keyPath) {
  const StoredWinini saved = ReadSnapshotWinini(store, keyPath);
  return store.ReadProfileString("win.ini", "windows", "load", "") == saved.load.value_or("") &&
         store.ReadProfileString("win.ini", "windows", "run", "") == saved.run.value_or("");
}

bool SectionUnchanged(Store& store, const StartupSection& section) {
  const std::string keyPath = SnapshotKeyPath(section.key);
  switch (section.kind) {
    case kindTextFile: {
      // An unreadable file is an error the full check shows.
      const TextFile file = ReadTextFile(store, section.place);
      return file.state != TextFile::State::Unreadable &&
             SameLines(file.lines, ReadSnapshotLines(store, keyPath));
    }
    case kindFolder:
      // An unknown folder is told by the full check.
      return section.placeKnown &&
             SameLines(ReadFolder(store, section).entries, ReadSnapshotLines(store, keyPath));
    case kindRunList:
      return SameRunList(store, section, keyPath);
    case kindWinIni:
      return SameWinini(store, keyPath);
  }
  return false;
}

}  // namespace

bool NothingChangedSinceSnapshot(Store& store, const Catalogue& catalogue) {
  if (!SnapshotExists(store))
    return false;
  for (const StartupSection& section : catalogue.sections) {
    if (!SectionUnchanged(store, section))
      return false;
  }
  return true;
}

}  // namespace tarnix
