#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

void SetButtonsForRunList(TForm1& report, bool canChangeBack) {
  report.btnEdit->SetEnabled(false);
  report.btnSave->SetEnabled(false);
  report.Button1->SetEnabled(false);
  report.btnCancel->SetEnabled(canChangeBack);
}

void EnableEditing(TForm1& report) {
  report.btnEdit->SetEnabled(true);
  report.btnSave->SetEnabled(true);
  report.Button1->SetEnabled(true);
}

struct RunReport {
  const StartupSection& section;
  RunKeyLocation live;
  std::string keyPath;
  std::vector<NamedValue> current;                  // none when the run key is gone
  std::optional<std::vector<NamedValue>> snapshot;  // nothing when its subkey is missing
  std::vector<std::string> snapshotLines;
};

// The logon lists the snapshot holds no subkey for, read; none that cannot be read, which the
// check tells.
std::vector<const StartupSection*> ListsNotInSnapshot(Workspace& ws) {
  std::vector<const StartupSection*> lists;
  for (int index = kRunListCount; index < kRegistryListCount; ++index) {
    const StartupSection& section = ws.catalogue.RunList(index);
    LoadRunList(ws, index);
    if (ws.places.runLists[static_cast<size_t>(index)].Readable() &&
        !ws.store.KeyExists(Root::LocalMachine, SnapshotKeyPath(section.key)))
      lists.push_back(&section);
  }
  return lists;
}

void Decide(CheckRun& run, const RunReport& r, ReportResult result, const ReportList& shown) {
  Store& store = run.ws.store;
  if (result == ReportResult::Confirm) {
    // The snapshot takes what the report showed; a run key that is gone leaves it empty.
    if (run.WriteSnapshot(
            [&] { return WriteKeyValues(store, Root::LocalMachine, r.keyPath, r.current); }))
      run.Logged(LogChangeList(run.ws, shown, LogKind::Confirmed, r.section.place));
  } else if (result == ReportResult::ChangeBack && r.snapshot) {
    if (const StoreResult written = WriteKeyValues(store, r.live, *r.snapshot); !written) {
      Tell(run.ws, written);
      return;
    }
    run.Logged(LogChangeList(run.ws, r.snapshotLines, LogKind::Cancelled, r.section.place));
  }
}

}  // namespace

void TakeNewListsIntoSnapshot(CheckRun& run) {
  Workspace& ws = run.ws;
  std::string taken;
  for (const StartupSection* section : ListsNotInSnapshot(ws)) {
    const RunListPlace& list = ws.places.runLists[static_cast<size_t>(RunListIndex(section->id))];
    // One refusal is told; the lists left out are taken in by a later check or Save.
    if (!run.WriteSnapshot(
            [&] { return *SnapshotRunList(ws.store, SnapshotKeyPath(section->key), list); }))
      break;
    taken += (taken.empty() ? "" : ", ") + section->place;
  }
  if (!taken.empty())
    run.Logged(AppendLogText(
        ws, "Taken into the snapshot without a report, as it held nothing of them yet: " + taken));
}

bool CheckRunSection(CheckRun& run, const StartupSection& section) {
  Store& store = run.ws.store;
  const int index = RunListIndex(section.id);
  RunReport r{section, RunListKey(index), SnapshotKeyPath(section.key)};
  LoadRunList(run.ws, index);
  const RunListPlace& current = run.ws.places.runLists[static_cast<size_t>(index)];
  // Taken for an empty list, a key nobody may read would report every approved entry as
  // deleted, and OK would approve whatever it holds once it can be read again.
  if (!current.Readable()) {
    Tell(run.ws, {current.readFailure, NotCheckedText(section)});
    return false;
  }
  r.current = current.entries;
  StoreResult unread;
  r.snapshot = ReadKeyValues(store, Root::LocalMachine, r.keyPath, &unread);
  if (!unread) {
    Tell(run.ws, unread.Saying(SnapshotNotReadText(section)));
    return false;
  }
  // A logon list the snapshot could not take in yet has nothing to be compared with.
  if (!r.snapshot && IsLogonList(index))
    return false;
  const ComparedRunList compared =
      CompareRunList(r.live, r.current, r.snapshot.value_or(std::vector<NamedValue>{}));
  if (r.snapshot)
    r.snapshot = compared.snapshot;
  r.snapshotLines = compared.snapshotLines;
  const auto list = BuildReportList(compared.currentLines, r.snapshotLines);
  if (!list)
    return false;

  TForm1& report = run.report;
  report.SetList(*list);
  report.SetHeading(section.place);
  run.Logged(LogChangeList(run.ws, *list, LogKind::Found, section.place));
  // Changing back to a snapshot that does not exist would empty the run key.
  SetButtonsForRunList(report, r.snapshot.has_value());
  const ReportResult result = run.report.ShowReport();
  EnableEditing(report);
  Decide(run, r, result, *list);
  return true;
}

}  // namespace tarnix
