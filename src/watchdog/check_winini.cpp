#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

// One of the two win.ini values: its snapshot value name, its win.ini key and its edit box.
struct WininiValue {
  const char* snapshotName;
  const char* iniKey;
  const char* headingEnd;
  ui::EditBox* box;
};

bool WriteIniValue(CheckRun& run, const WininiValue& value, const std::string& text) {
  if (run.ws.store.WriteProfileString("win.ini", "windows", value.iniKey, text)) {
    value.box->SetText(text);
    return true;
  }
  run.ShowError("Cannot write the " + std::string(value.iniKey) + " value to win.ini");
  return false;
}

void ShowValueReport(TForm1& report, const std::string& heading, const std::string& old,
                     const std::string& now) {
  report.SetList({{old, ChangeMark::Deleted}, {now, ChangeMark::Added}});
  report.SetHeading(heading);
  // Both lines must stay: Save current list takes the second one.
  report.Button1->SetEnabled(false);
  report.btnEdit->SetEnabled(true);
  report.btnSave->SetEnabled(true);
  report.btnCancel->SetEnabled(true);
}

// Each decision reads and writes only this value, never the other one of the pair.
bool CheckValue(CheckRun& run, const StartupSection& section, const WininiValue& value,
                const std::string& saved) {
  const std::string now = value.box->Text();
  if (now == saved)
    return false;
  const std::string heading = section.place + value.headingEnd;
  ShowValueReport(run.report, heading, saved, now);
  run.Logged(LogChangeList(run.ws, run.report.List(), LogKind::Found, heading));
  const ReportResult result = run.ShowReport();
  run.report.Button1->SetEnabled(true);

  const std::string keyPath = SnapshotKeyPath(section.key);
  auto writeSnapshot = [&](const std::string& text) {
    return run.WriteSnapshot(
        [&] { WriteSnapshotValue(run.ws.store, keyPath, value.snapshotName, text); });
  };
  auto logCancelled = [&] {
    run.Logged(AppendLogText(run.ws, WininiCancelled(heading, value.box->Text())));
  };
  if (result == ReportResult::Confirm) {
    if (writeSnapshot(now))
      run.Logged(AppendLogText(run.ws, WininiConfirmed(heading)));
  } else if (result == ReportResult::ChangeBack) {
    if (WriteIniValue(run, value, saved))
      logCancelled();
  } else if (result == ReportResult::SaveList) {
    const std::vector<ChangeLine> list = run.report.List();
    const std::string chosen = list.size() > 1 ? list[1].text : now;
    if (WriteIniValue(run, value, chosen) && writeSnapshot(chosen))
      logCancelled();
  }
  return true;
}

}  // namespace

bool CheckWininiSection(CheckRun& run, const StartupSection& section) {
  PlaceViews& views = run.ws.views;
  if (views.load == nullptr || views.run == nullptr)
    return false;
  // Both are read before either is decided on.
  const WininiTexts saved = ReadSnapshotWinini(run.ws.store, SnapshotKeyPath(section.key));
  const bool load =
      CheckValue(run, section, {kSnapshotLoad, "load", " Parameter Load=", views.load}, saved.load);
  const bool runValue =
      CheckValue(run, section, {kSnapshotRun, "run", " Parameter Run=", views.run}, saved.run);
  return load || runValue;
}

}  // namespace tarnix
