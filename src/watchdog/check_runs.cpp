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

void Decide(CheckRun& run, const RunReport& r, ReportResult result, const ReportList& shown) {
  Store& store = run.ws.store;
  if (result == ReportResult::Confirm) {
    // The snapshot takes what the report showed; a run key that is gone leaves it empty.
    if (run.WriteSnapshot(
            [&] { return WriteKeyValues(store, Root::LocalMachine, r.keyPath, r.current); }))
      run.Logged(LogChangeList(run.ws, shown, LogKind::Confirmed, r.section.place));
  } else if (result == ReportResult::ChangeBack && r.snapshot) {
    if (const StoreResult written = WriteKeyValues(store, r.live.root, r.live.path, *r.snapshot);
        !written) {
      Tell(run.ws, written);
      return;
    }
    run.Logged(LogChangeList(run.ws, r.snapshotLines, LogKind::Cancelled, r.section.place));
  }
}

}  // namespace

bool CheckRunSection(CheckRun& run, const StartupSection& section) {
  Store& store = run.ws.store;
  RunReport r{section, SplitRunPlace(section.place), SnapshotKeyPath(section.key)};
  const int index = RunListIndex(section.id);
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
  r.snapshotLines = AllValueTexts(r.snapshot.value_or(std::vector<NamedValue>{}));
  const std::vector<std::string> commands = CheckedCommands(r.current);
  const auto list = BuildReportList(commands, r.snapshotLines);
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
