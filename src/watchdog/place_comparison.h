// How a startup place compares with its snapshot, read from the store alone, without a window:
// what the quiet logon check asks (has anything changed?) and what the report program prints.
// The rules are the change check's own: its report list, the run values it counts, win.ini
// compared exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/store.h"
#include "sources/catalogue.h"
#include "sources/places.h"
#include "sources/startup_tasks.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

// A run list and its snapshot as the check compares them: every current value except an empty
// string against every value of the snapshot, each as "name=command" in a key of settings. A
// list whose entries Windows deletes once started compares only the snapshot's entries that are
// still there: the others ran.
struct ComparedRunList {
  std::vector<NamedValue> snapshot;  // what Change Back writes
  std::vector<std::string> currentLines, snapshotLines;
};
ComparedRunList CompareRunList(const RunKeyLocation& where, const std::vector<NamedValue>& current,
                               const std::vector<NamedValue>& snapshot);

// Task Manager's marks and their snapshot as the check compares them: a line on each side for
// every entry disabled on either, "name=disabled" or "name=enabled", in the same order. A mark
// that is missing leaves its entry enabled; when a mark was set is no change.
struct ComparedMarks {
  std::vector<std::string> names;  // the entry of each line
  std::vector<std::string> currentLines, snapshotLines;
};
ComparedMarks CompareMarks(const std::vector<NamedValue>& current,
                           const std::vector<NamedValue>& snapshot);

// Why a place was left out of the check: a file or run key that cannot be read, a folder that
// is not known.
std::string NotCheckedText(const StartupSection& section);
// Why a place whose snapshot could not be read was left out of the check.
std::string SnapshotNotReadText(const StartupSection& section);

enum class EntryState { Added, Deleted, Changed, Unchanged };

// One entry of a place: a run-list value, a win.ini value, a text file's line or a startup
// folder's file (its name, and its path as the value).
struct ComparedEntry {
  std::optional<std::string> name;  // none for a text line
  RegValue value;                   // a deleted entry's as the snapshot held it
  EntryState state = EntryState::Unchanged;
  std::optional<RegValue> previous;  // a changed entry's value in the snapshot
  std::optional<bool> enabled;       // only where the place keeps an enabled mark
};

struct PlaceComparison {
  const StartupSection* section = nullptr;
  // A failure when the place could not be read, saying so; it has no entries then.
  StoreResult unread;
  // In the order of the change report's list. A run value whose command changed is one
  // entry, changed, where the report shows its old command deleted and its new one added.
  std::vector<ComparedEntry> entries;
  // A logon list or key of marks that a snapshot of an earlier version does not hold:
  // unapproved, so its entries count as added, and the next full check takes it in.
  bool notInSnapshot = false;

  bool Changed() const;
};

// Whether the place is watched: the scheduled tasks only with a scheduler to read them.
bool Watched(const StartupSection& section, const Scheduler* scheduler);

// The place against its snapshot; the unchanged entries only when asked for. A place that is
// not watched compares as unchanged.
PlaceComparison ComparePlace(Store& store, Scheduler* scheduler, const StartupSection& section,
                             bool withUnchanged);

// The same from what was already read of the place and its snapshot. A run list's or key of
// marks' snapshot is nothing when its subkey is missing.
PlaceComparison CompareKeyValues(const StartupSection& section,
                                 const std::vector<NamedValue>& current,
                                 const std::optional<std::vector<NamedValue>>& saved,
                                 bool withUnchanged);
PlaceComparison CompareLineValues(const StartupSection& section,
                                  const std::vector<std::string>& current,
                                  const std::vector<std::string>& snapshot, bool withUnchanged);
// The scheduled tasks against their snapshot: each task one entry named by its path, whose value
// is its command. A task that is new, gone, or starts otherwise (its command, trigger or enabled
// state) is a change; a listing that failed is not compared. Nothing saved is a snapshot of an
// earlier version.
PlaceComparison CompareTaskValues(const StartupSection& section, const TaskPlace& now,
                                  const std::optional<std::vector<ScheduledTask>>& saved,
                                  bool withUnchanged);
// A task as the change report lists it: "path=trigger: command", its state when disabled.
std::string TaskLine(const ScheduledTask& task);

PlaceComparison CompareWininiValues(const StartupSection& section, const WinIniPlace& now,
                                    const StoredWinini& saved, bool withUnchanged);

}  // namespace tarnix
