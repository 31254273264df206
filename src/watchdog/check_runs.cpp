#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot_store.h"
#include "watchdog/value_text.h"

namespace tarnix {

namespace {

// The commands as the check compares them: every value, except an empty string.
std::vector<std::string> Commands(const std::vector<NamedValue>& values) {
  std::vector<std::string> lines;
  for (const NamedValue& entry : values) {
    if (!(entry.value.IsString() && entry.value.data.empty())) {
      lines.push_back(ValueText(entry.value));
    }
  }
  return lines;
}

std::vector<std::string> AllData(const std::vector<NamedValue>& values) {
  std::vector<std::string> lines;
  for (const NamedValue& entry : values) lines.push_back(ValueText(entry.value));
  return lines;
}

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

}  // namespace

bool CheckRunSection(CheckRun& run, const StartupSection& section) {
  Store& store = run.ws.store;
  const RunKeyLocation live = SplitRunPlace(section.place);
  const std::string keyPath = SnapshotKeyPath(section.key);
  const auto current = ReadKeyValues(store, live.root, live.path);
  const auto snapshot = ReadKeyValues(store, Root::LocalMachine, keyPath);
  const std::vector<NamedValue> none;
  const std::vector<std::string> snapshotLines = AllData(snapshot.value_or(none));
  const auto list = BuildReportList(Commands(current.value_or(none)), snapshotLines);
  if (!list)
    return false;

  TForm1& report = run.report;
  report.SetList(*list);
  report.SetHeading(section.place);
  run.Logged(LogChangeList(run.ws, *list, LogKind::Found, section.place));
  // Changing back to a snapshot that does not exist would empty the run key.
  SetButtonsForRunList(report, snapshot.has_value());
  const ReportResult result = run.ShowReport();
  EnableEditing(report);

  if (result == ReportResult::Confirm) {
    // The snapshot takes what the report showed; a run key that is gone leaves it empty.
    if (run.WriteSnapshot(
            [&] { WriteKeyValues(store, Root::LocalMachine, keyPath, current.value_or(none)); })) {
      run.Logged(LogChangeList(run.ws, *list, LogKind::Confirmed, section.place));
    }
  } else if (result == ReportResult::ChangeBack && snapshot) {
    WriteKeyValues(store, live.root, live.path, *snapshot);
    run.Logged(LogChangeList(run.ws, snapshotLines, LogKind::Cancelled, section.place));
  }
  return true;
}

}  // namespace tarnix
