#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "sources/startup_tasks.h"
#include "watchdog/check_events.h"
#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot_store.h"
#include "watchdog/task_snapshot.h"

namespace tarnix {

ReportResult ShowValueReport(CheckRun& run, const ReportList& list, const std::string& place,
                             bool canChangeBack) {
  TForm1& report = run.report;
  report.SetList(list);
  report.SetHeading(place);
  run.Logged(LogChangeList(run.ws, list, LogKind::Found, place));
  for (ui::Button* editing : {report.btnEdit, report.btnSave, report.Button1})
    editing->SetEnabled(false);
  report.btnCancel->SetEnabled(canChangeBack);
  const ReportResult result = report.ShowReport();
  for (ui::Button* editing : {report.btnEdit, report.btnSave, report.Button1})
    editing->SetEnabled(true);
  return result;
}

namespace {

struct RunReport {
  const StartupSection& section;
  RunKeyLocation live;
  std::string keyPath;
  std::vector<NamedValue> current;                  // none when the run key is gone
  std::optional<std::vector<NamedValue>> snapshot;  // nothing when its subkey is missing
  std::vector<std::string> snapshotLines;
};

// The values of a run list or key of marks as they are now; nothing when they cannot be read.
std::optional<std::vector<NamedValue>> ReadValuesNow(Workspace& ws, const StartupSection& section,
                                                     StoreFailure& failure) {
  if (section.kind == kindMarks) {
    PlaceMarks marks = ReadMarkKey(ws.store, MarkKeyLocation(section.id));
    failure = marks.readFailure;
    return failure == StoreFailure::None ? std::optional(std::move(marks.values)) : std::nullopt;
  }
  const int index = RunListIndex(section.id);
  LoadRunList(ws, index);
  const RunListPlace& list = ws.places.runLists[static_cast<size_t>(index)];
  failure = list.readFailure;
  return list.Readable() ? std::optional(list.entries) : std::nullopt;
}

// The places a snapshot of an earlier version holds no subkey for (the logon lists, the keys of
// marks and the scheduled tasks), with what they hold; none that cannot be read, which the check
// tells.
std::vector<std::pair<const StartupSection*, std::vector<NamedValue>>> NotInSnapshot(
    Workspace& ws) {
  std::vector<std::pair<const StartupSection*, std::vector<NamedValue>>> places;
  for (const StartupSection& section : ws.catalogue.sections) {
    const bool added = section.kind == kindMarks ||
                       (section.kind == kindRunList && IsLogonList(RunListIndex(section.id))) ||
                       (section.kind == kindTasks && ws.scheduler != nullptr);
    if (!added || ws.store.KeyExists(Root::LocalMachine, SnapshotKeyPath(section.key)))
      continue;
    if (section.kind == kindTasks) {
      const TaskPlace tasks = ReadTaskPlace(*ws.scheduler);
      if (tasks.Readable())
        places.emplace_back(&section, TaskSnapshotValues(tasks.tasks));
      continue;
    }
    StoreFailure failure = StoreFailure::None;
    if (auto values = ReadValuesNow(ws, section, failure))
      places.emplace_back(&section, std::move(*values));
  }
  return places;
}

// The lines the report compares: commands of a run list, states of a key of marks.
ComparedRunList CompareValues(const RunReport& r) {
  const std::vector<NamedValue> snapshot = r.snapshot.value_or(std::vector<NamedValue>{});
  if (r.section.kind != kindMarks)
    return CompareRunList(r.live, r.current, snapshot);
  ComparedMarks marks = CompareMarks(r.current, snapshot);
  return {snapshot, std::move(marks.currentLines), std::move(marks.snapshotLines)};
}

void Decide(CheckRun& run, const RunReport& r, ReportResult result, const ReportList& shown) {
  Store& store = run.ws.store;
  if (result == ReportResult::Confirm) {
    // The snapshot takes what the report showed; a run key that is gone leaves it empty.
    if (run.WriteSnapshot(
            [&] { return WriteKeyValues(store, Root::LocalMachine, r.keyPath, r.current); })) {
      run.Logged(LogChangeList(run.ws, shown, LogKind::Confirmed, r.section.place));
      WriteCheckEvent(run.ws, CheckEvent::Confirmed, {{r.section.place, MarkedChanges(shown)}});
    }
  } else if (result == ReportResult::ChangeBack && r.snapshot) {
    if (const StoreResult written = WriteKeyValues(store, r.live, *r.snapshot); !written) {
      Tell(run.ws, written);
      return;
    }
    run.Logged(LogChangeList(run.ws, r.snapshotLines, LogKind::Cancelled, r.section.place));
    WriteCheckEvent(run.ws, CheckEvent::ChangedBack, {{r.section.place, MarkedChanges(shown)}});
  }
}

bool ReportRun(CheckRun& run, RunReport& r) {
  const ComparedRunList compared = CompareValues(r);
  if (r.snapshot)
    r.snapshot = compared.snapshot;
  r.snapshotLines = compared.snapshotLines;
  const auto list = BuildReportList(compared.currentLines, r.snapshotLines);
  if (!list)
    return false;
  // Changing back to a snapshot that does not exist would empty the run key.
  const ReportResult result = ShowValueReport(run, *list, r.section.place, r.snapshot.has_value());
  Decide(run, r, result, *list);
  return true;
}

}  // namespace

void TakeNewListsIntoSnapshot(CheckRun& run) {
  Workspace& ws = run.ws;
  std::string taken;
  for (const auto& [section, values] : NotInSnapshot(ws)) {
    // One refusal is told; the places left out are taken in by a later check or Save.
    if (!run.WriteSnapshot([&, &values = values, &section = section] {
          return WriteKeyValues(ws.store, Root::LocalMachine, SnapshotKeyPath(section->key),
                                values);
        }))
      break;
    taken += (taken.empty() ? "" : ", ") + section->place;
  }
  if (!taken.empty())
    run.Logged(AppendLogText(
        ws, "Taken into the snapshot without a report, as it held nothing of them yet: " + taken));
}

ComparedSection CompareRunSection(CheckRun& run, const StartupSection& section) {
  const bool marks = section.kind == kindMarks;
  RunReport r{section, marks ? MarkKeyLocation(section.id) : RunListKey(RunListIndex(section.id)),
              SnapshotKeyPath(section.key)};
  StoreFailure failure = StoreFailure::None;
  std::optional<std::vector<NamedValue>> current = ReadValuesNow(run.ws, section, failure);
  // Taken for an empty list, a key nobody may read would report every approved entry as
  // deleted, and OK would approve whatever it holds once it can be read again.
  if (!current)
    return NotCompared(run, section, {failure, NotCheckedText(section)});
  r.current = std::move(*current);
  StoreResult unread;
  r.snapshot = ReadKeyValues(run.ws.store, Root::LocalMachine, r.keyPath, &unread);
  if (!unread)
    return NotCompared(run, section, unread.Saying(SnapshotNotReadText(section)));
  PlaceComparison found = CompareKeyValues(section, r.current, r.snapshot, false);
  // A place the snapshot could not take in yet has nothing to be compared with.
  if (found.notInSnapshot || !found.Changed())
    return NoReport(std::move(found));
  return {std::move(found), [&run, r = std::move(r)]() mutable { return ReportRun(run, r); }};
}

}  // namespace tarnix
