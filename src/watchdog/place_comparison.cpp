#include "watchdog/place_comparison.h"

#include <algorithm>
#include <functional>

#include "base/text_case.h"
#include "platform/value_text.h"
#include "sources/startup_marks.h"
#include "watchdog/check.h"
#include "watchdog/report_list.h"
#include "watchdog/snapshot_digest.h"
#include "watchdog/snapshot_store.h"
#include "watchdog/task_snapshot.h"

namespace tarnix {

namespace {

bool IsChecked(const RegValue& value) {
  return !(value.IsString() && value.data.empty());
}

RegValue Text(const std::string& text) {
  return {regtype::String, text};
}

EntryState StateOf(ChangeMark mark) {
  if (mark == ChangeMark::Added)
    return EntryState::Added;
  return mark == ChangeMark::Deleted ? EntryState::Deleted : EntryState::Unchanged;
}

// The entry that line `index` of one side of the comparison stands for.
using Describe = std::function<ComparedEntry(size_t index)>;

// The report list of the lines, each entry described by the side it comes from.
std::vector<ComparedEntry> Merge(const std::vector<std::string>& current,
                                 const std::vector<std::string>& snapshot, const Describe& now,
                                 const Describe& before, bool withUnchanged) {
  std::optional<ReportList> list =
      withUnchanged ? CompareLines(current, snapshot) : BuildReportList(current, snapshot);
  std::vector<ComparedEntry> entries;
  for (size_t i = 0; list && i < list->Size(); ++i) {
    const ChangeMark mark = list->Mark(i);
    if (mark == ChangeMark::Unchanged && !withUnchanged)
      continue;
    ComparedEntry entry = (mark == ChangeMark::Deleted ? before : now)(list->Origin(i));
    entry.state = StateOf(mark);
    entries.push_back(std::move(entry));
  }
  return entries;
}

// An added run value whose name a deleted one had is that value, changed.
void PairChanged(std::vector<ComparedEntry>& entries) {
  std::vector<bool> taken(entries.size(), false);
  for (ComparedEntry& added : entries) {
    if (added.state != EntryState::Added)
      continue;
    for (size_t d = 0; d < entries.size(); ++d) {
      const ComparedEntry& deleted = entries[d];
      if (deleted.state == EntryState::Deleted && !taken[d] &&
          FoldCase(*deleted.name) == FoldCase(*added.name)) {
        added.state = EntryState::Changed;
        added.previous = deleted.value;
        taken[d] = true;
        break;
      }
    }
  }
  std::vector<ComparedEntry> kept;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!taken[i])
      kept.push_back(std::move(entries[i]));
  }
  entries = std::move(kept);
}

ComparedEntry Value(const NamedValue& value) {
  return {value.name, value.value};
}

std::string CheckedLine(const NamedValue& entry, bool named) {
  return named ? entry.name + "=" + ValueText(entry.value) : ValueText(entry.value);
}

std::vector<std::string> CheckedCommands(const std::vector<NamedValue>& values, bool named) {
  std::vector<std::string> lines;
  for (const NamedValue& entry : values) {
    if (IsChecked(entry.value))
      lines.push_back(CheckedLine(entry, named));
  }
  return lines;
}

std::vector<std::string> AllValueTexts(const std::vector<NamedValue>& values, bool named) {
  std::vector<std::string> lines;
  for (const NamedValue& entry : values) lines.push_back(CheckedLine(entry, named));
  return lines;
}

// The snapshot of a key section; false, with the reason in `compared`, when it cannot be read.
bool ReadSavedValues(Store& store, PlaceComparison& compared,
                     std::optional<std::vector<NamedValue>>& saved) {
  StoreResult unread;
  saved = ReadKeyValues(store, Root::LocalMachine, SnapshotKeyPath(compared.section->key), &unread);
  if (!unread)
    compared.unread = unread.Saying(SnapshotNotReadText(*compared.section));
  return static_cast<bool>(unread);
}

PlaceComparison CompareRunEntries(const StartupSection& section,
                                  const std::vector<NamedValue>& current,
                                  const std::optional<std::vector<NamedValue>>& saved,
                                  bool withUnchanged) {
  PlaceComparison compared{&section};
  const int index = RunListIndex(section.id);
  compared.notInSnapshot = !saved && IsLogonList(index);
  const ComparedRunList lists =
      CompareRunList(RunListKey(index), current, saved.value_or(std::vector<NamedValue>{}));
  std::vector<size_t> checked;  // the entry of each compared command
  for (size_t i = 0; i < current.size(); ++i) {
    if (IsChecked(current[i].value))
      checked.push_back(i);
  }
  compared.entries = Merge(
      lists.currentLines, lists.snapshotLines, [&](size_t i) { return Value(current[checked[i]]); },
      [&](size_t i) { return Value(lists.snapshot[i]); }, withUnchanged);
  PairChanged(compared.entries);
  return compared;
}

// A mark as the report gives it: its bytes (none when missing) and the state they say.
ComparedEntry Mark(const std::vector<NamedValue>& marks, const std::string& name) {
  ComparedEntry entry{name, RegValue{regtype::Binary, ""}};
  for (const NamedValue& mark : marks) {
    if (FoldCase(mark.name) == FoldCase(name))
      entry.value = mark.value;
  }
  entry.enabled = !PlaceMarks{StoreFailure::None, marks}.Of(name).disabled;
  return entry;
}

PlaceComparison CompareMarkEntries(const StartupSection& section,
                                   const std::vector<NamedValue>& current,
                                   const std::optional<std::vector<NamedValue>>& saved,
                                   bool withUnchanged) {
  PlaceComparison compared{&section};
  compared.notInSnapshot = !saved;
  const std::vector<NamedValue> before = saved.value_or(std::vector<NamedValue>{});
  const ComparedMarks marks = CompareMarks(current, before);
  compared.entries = Merge(
      marks.currentLines, marks.snapshotLines,
      [&](size_t i) { return Mark(current, marks.names[i]); },
      [&](size_t i) { return Mark(before, marks.names[i]); }, withUnchanged);
  PairChanged(compared.entries);
  return compared;
}

// The values of a run list or key of marks as they are now; nothing, with the reason in
// `compared`, when they cannot be read.
std::optional<std::vector<NamedValue>> ReadValuesNow(Store& store, PlaceComparison& compared) {
  const StartupSection& section = *compared.section;
  StoreFailure failure = StoreFailure::None;
  std::vector<NamedValue> values;
  if (section.kind == kindMarks) {
    PlaceMarks marks = ReadMarkKey(store, MarkKeyLocation(section.id));
    failure = marks.readFailure;
    values = std::move(marks.values);
  } else {
    RunListPlace list = ReadRunListPlace(store, RunListIndex(section.id));
    failure = list.readFailure;
    values = std::move(list.entries);
  }
  if (failure == StoreFailure::None)
    return values;
  compared.unread = {failure, NotCheckedText(section)};
  return std::nullopt;
}

PlaceComparison CompareKeyPlace(Store& store, const StartupSection& section, bool withUnchanged) {
  PlaceComparison compared{&section};
  const auto current = ReadValuesNow(store, compared);
  std::optional<std::vector<NamedValue>> saved;
  if (!current || !ReadSavedValues(store, compared, saved))
    return compared;
  return CompareKeyValues(section, *current, saved, withUnchanged);
}

// The lines a text or folder place holds now; nothing when they cannot be read.
std::optional<std::vector<std::string>> CurrentLines(Store& store, const StartupSection& section) {
  if (section.kind == kindFolder) {
    if (!section.placeKnown)
      return std::nullopt;
    return ReadFolder(store, section).entries;
  }
  TextFile file = ReadTextFile(store, section.place);
  if (file.state == TextFile::State::Unreadable)
    return std::nullopt;
  return std::move(file.lines);
}

PlaceComparison CompareReadLines(Store& store, const StartupSection& section,
                                 const std::optional<std::vector<std::string>>& current,
                                 bool withUnchanged) {
  if (!current) {
    PlaceComparison compared{&section};
    compared.unread = {StoreFailure::Other, NotCheckedText(section)};
    return compared;
  }
  const std::vector<std::string> snapshot =
      ReadSnapshotLines(store, SnapshotKeyPath(section.key)).value_or(std::vector<std::string>{});
  return CompareLineValues(section, *current, snapshot, withUnchanged);
}

PlaceComparison CompareTaskPlace(Store& store, Scheduler& scheduler, const StartupSection& section,
                                 bool withUnchanged) {
  PlaceComparison compared{&section};
  std::optional<std::vector<NamedValue>> saved;
  if (!ReadSavedValues(store, compared, saved))
    return compared;
  std::optional<std::vector<ScheduledTask>> tasks;
  TaskPlace now = ReadTaskPlace(scheduler);
  if (saved) {
    tasks = TasksOfSnapshot(*saved);
    KeepUnreadableTasks(scheduler, now, *tasks);
  }
  return CompareTaskValues(section, now, tasks, withUnchanged);
}

PlaceComparison CompareLinePlace(Store& store, const StartupSection& section, bool withUnchanged) {
  return CompareReadLines(store, section, CurrentLines(store, section), withUnchanged);
}

// Whether the place can be read and holds what its snapshot holds. A text or folder whose
// snapshot's digest vouches for its lines is not compared with the snapshot's lines.
bool UnchangedSinceSnapshot(Store& store, Scheduler* scheduler, const StartupSection& section) {
  PlaceComparison compared{&section};
  if (section.kind == kindTextFile || section.kind == kindFolder) {
    const auto current = CurrentLines(store, section);
    if (current && DigestVouches(store, SnapshotKeyPath(section.key), *current))
      return true;
    compared = CompareReadLines(store, section, current, false);
  } else {
    compared = ComparePlace(store, scheduler, section, false);
  }
  // A place that cannot be read is an error the full check shows.
  return compared.unread && !compared.Changed();
}

PlaceComparison CompareWininiPlace(Store& store, const StartupSection& section,
                                   bool withUnchanged) {
  const StoredWinini saved = ReadSnapshotWinini(store, SnapshotKeyPath(section.key));
  return CompareWininiValues(section, ReadWinIni(store), saved, withUnchanged);
}

}  // namespace

ComparedRunList CompareRunList(const RunKeyLocation& where, const std::vector<NamedValue>& current,
                               const std::vector<NamedValue>& snapshot) {
  ComparedRunList compared;
  for (const NamedValue& entry : snapshot) {
    const auto stays = [&entry](const NamedValue& now) {
      return FoldCase(now.name) == FoldCase(entry.name);
    };
    if (!where.startsOnce || std::any_of(current.begin(), current.end(), stays))
      compared.snapshot.push_back(entry);
  }
  const bool named = !where.settings.empty();
  compared.currentLines = CheckedCommands(current, named);
  compared.snapshotLines = AllValueTexts(compared.snapshot, named);
  return compared;
}

ComparedMarks CompareMarks(const std::vector<NamedValue>& current,
                           const std::vector<NamedValue>& snapshot) {
  ComparedMarks compared;
  const PlaceMarks now{StoreFailure::None, current}, before{StoreFailure::None, snapshot};
  for (const std::vector<NamedValue>* side : {&snapshot, &current}) {
    for (const NamedValue& mark : *side) {
      const auto same = [&mark](const std::string& name) {
        return FoldCase(name) == FoldCase(mark.name);
      };
      if (DecodeMark(mark.value).disabled &&
          std::none_of(compared.names.begin(), compared.names.end(), same))
        compared.names.push_back(mark.name);
    }
  }
  const auto line = [](const std::string& name, const PlaceMarks& marks) {
    return name + (marks.Of(name).disabled ? "=disabled" : "=enabled");
  };
  for (const std::string& name : compared.names) {
    compared.currentLines.push_back(line(name, now));
    compared.snapshotLines.push_back(line(name, before));
  }
  return compared;
}

std::string NotCheckedText(const StartupSection& section) {
  if (section.kind == kindFolder && !section.placeKnown)
    return "The folder of the group \"" + section.key + "\" is not known (" + section.source +
           " names no folder), so it was not checked.";
  return "Cannot read " + section.place + ", so it was not checked.";
}

std::string SnapshotNotReadText(const StartupSection& section) {
  return "Cannot read the snapshot of " + section.place + ", so it was not checked.";
}

PlaceComparison CompareKeyValues(const StartupSection& section,
                                 const std::vector<NamedValue>& current,
                                 const std::optional<std::vector<NamedValue>>& saved,
                                 bool withUnchanged) {
  if (section.kind == kindMarks)
    return CompareMarkEntries(section, current, saved, withUnchanged);
  return CompareRunEntries(section, current, saved, withUnchanged);
}

PlaceComparison CompareLineValues(const StartupSection& section,
                                  const std::vector<std::string>& current,
                                  const std::vector<std::string>& snapshot, bool withUnchanged) {
  const auto describe = [&section](const std::string& line) -> ComparedEntry {
    if (section.kind == kindFolder)
      return {line, Text(section.place + line)};
    return {std::nullopt, Text(line)};
  };
  PlaceComparison compared{&section};
  compared.entries = Merge(
      current, snapshot, [&](size_t i) { return describe(current[i]); },
      [&](size_t i) { return describe(snapshot[i]); }, withUnchanged);
  return compared;
}

PlaceComparison CompareWininiValues(const StartupSection& section, const WinIniPlace& now,
                                    const StoredWinini& saved, bool withUnchanged) {
  PlaceComparison compared{&section};
  struct Value {
    const char* name;
    const std::string& now;
    const std::optional<std::string>& saved;
  };
  for (const Value& value :
       {Value{"load", now.load, saved.load}, Value{"run", now.run, saved.run}}) {
    ComparedEntry entry{value.name, Text(value.now)};
    // Compared exactly, as the check does; a value the snapshot lacks compares as empty.
    if (value.now != value.saved.value_or("")) {
      entry.state = value.saved ? EntryState::Changed : EntryState::Added;
      if (value.saved)
        entry.previous = Text(*value.saved);
    } else if (!withUnchanged) {
      continue;
    }
    compared.entries.push_back(std::move(entry));
  }
  return compared;
}

PlaceComparison CompareTaskValues(const StartupSection& section, const TaskPlace& now,
                                  const std::optional<std::vector<ScheduledTask>>& saved,
                                  bool withUnchanged) {
  PlaceComparison compared{&section};
  if (!now.Readable()) {
    compared.unread = now.unread.Saying(now.unread.text + ", so the tasks were not checked.");
    return compared;
  }
  compared.notInSnapshot = !saved;
  const std::vector<ScheduledTask> before = saved.value_or(std::vector<ScheduledTask>{});
  const auto lines = [](const std::vector<ScheduledTask>& tasks) {
    std::vector<std::string> texts;
    for (const ScheduledTask& task : tasks) texts.push_back(TaskLine(task));
    return texts;
  };
  const auto describe = [](const std::vector<ScheduledTask>& tasks) {
    return [list = &tasks](size_t i) {
      const ScheduledTask& task = (*list)[i];
      ComparedEntry entry{task.path, Text(TaskCommand(task))};
      entry.enabled = task.enabled;
      return entry;
    };
  };
  compared.entries =
      Merge(lines(now.tasks), lines(before), describe(now.tasks), describe(before), withUnchanged);
  PairChanged(compared.entries);
  return compared;
}

std::string TaskLine(const ScheduledTask& task) {
  return task.path + "=" + (task.enabled ? "" : "(disabled) ") + TaskTriggerText(task) + ": " +
         TaskCommand(task);
}

bool Watched(const StartupSection& section, const Scheduler* scheduler) {
  return section.kind != kindTasks || scheduler != nullptr;
}

PlaceComparison ComparePlace(Store& store, Scheduler* scheduler, const StartupSection& section,
                             bool withUnchanged) {
  switch (section.kind) {
    case kindTasks:
      if (scheduler == nullptr)
        return PlaceComparison{&section};
      return CompareTaskPlace(store, *scheduler, section, withUnchanged);
    case kindRunList:
    case kindMarks:
      return CompareKeyPlace(store, section, withUnchanged);
    case kindWinIni:
      return CompareWininiPlace(store, section, withUnchanged);
    case kindTextFile:
    case kindFolder:
      break;
  }
  return CompareLinePlace(store, section, withUnchanged);
}

bool NothingChangedSinceSnapshot(Store& store, const Catalogue& catalogue, Scheduler* scheduler) {
  if (!SnapshotExists(store))
    return false;
  for (const StartupSection& section : catalogue.sections) {
    if (!UnchangedSinceSnapshot(store, scheduler, section))
      return false;
  }
  return true;
}

bool PlaceComparison::Changed() const {
  if (notInSnapshot)
    return true;
  for (const ComparedEntry& entry : entries) {
    if (entry.state != EntryState::Unchanged)
      return true;
  }
  return false;
}

}  // namespace tarnix
