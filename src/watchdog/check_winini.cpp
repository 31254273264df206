#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "watchdog/check_events.h"
#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

// One of the two win.ini values: its snapshot value name, its win.ini key and where the places
// hold it.
struct WininiValue {
  const char* snapshotName;
  const char* iniKey;
  std::string WinIniPlace::*held;
};

bool WriteIniValue(CheckRun& run, const WininiValue& value, const std::string& text) {
  const StoreResult written =
      run.ws.store.WriteProfileString("win.ini", "windows", value.iniKey, text);
  Tell(run.ws, written);
  if (!written)
    return false;
  run.ws.places.winIni.*value.held = text;
  ShowWinIni(run.ws);
  return true;
}

void ShowValueReport(TForm1& report, const std::string& heading, const std::string& old,
                     const std::string& now, bool canChangeBack) {
  report.SetList({{old, ChangeMark::Deleted}, {now, ChangeMark::Added}});
  report.SetHeading(heading);
  // Both lines must stay: Save current list takes the second one.
  report.Button1->SetEnabled(false);
  report.btnEdit->SetEnabled(true);
  report.btnSave->SetEnabled(true);
  report.btnCancel->SetEnabled(canChangeBack);
}

// Carries out the decision on one value. Each decision reads and writes only this value,
// never the other one of the pair.
class ValueDecision {
 public:
  ValueDecision(CheckRun& run, const StartupSection& section, const WininiValue& value,
                const std::string& heading, const std::vector<ChangeLine>& shown)
      : run_(run),
        value_(value),
        keyPath_(SnapshotKeyPath(section.key)),
        heading_(heading),
        changes_(MarkedChanges(shown)) {}

  void Confirm(const std::string& now) {
    if (WriteSnapshot(now)) {
      run_.Logged(AppendLogText(run_.ws, WininiConfirmed(heading_)));
      WriteCheckEvent(run_.ws, CheckEvent::Confirmed, {{heading_, changes_}});
    }
  }
  void ChangeBack(const std::string& saved) {
    if (WriteIniValue(run_, value_, saved)) {
      LogCancelled();
      WriteCheckEvent(run_.ws, CheckEvent::ChangedBack, {{heading_, changes_}});
    }
  }
  // The second line of the list is the new value as the user may have edited it.
  void SaveList(const std::string& now) {
    const std::vector<ChangeLine> list = run_.report.List();
    const std::string chosen = list.size() > 1 ? list[1].text : now;
    if (WriteIniValue(run_, value_, chosen) && WriteSnapshot(chosen)) {
      LogCancelled();
      WriteCheckEvent(run_.ws, CheckEvent::ListSaved, {{heading_, {chosen}}});
    }
  }

 private:
  bool WriteSnapshot(const std::string& text) {
    return run_.WriteSnapshot(
        [&] { return WriteSnapshotValue(run_.ws.store, keyPath_, value_.snapshotName, text); });
  }
  void LogCancelled() {
    run_.Logged(
        AppendLogText(run_.ws, WininiCancelled(heading_, run_.ws.places.winIni.*value_.held)));
  }

  CheckRun& run_;
  const WininiValue& value_;
  const std::string keyPath_;
  const std::string heading_;
  const std::vector<std::string> changes_;
};

// `stored` is nothing when the snapshot does not hold the value.
bool CheckValue(CheckRun& run, const StartupSection& section, const WininiValue& value,
                const std::optional<std::string>& stored) {
  const std::string saved = stored.value_or(std::string());
  const std::string now = run.ws.places.winIni.*value.held;
  if (now == saved)
    return false;
  const std::string heading = WininiHeading(section, value.iniKey);
  // Changing back to a value the snapshot does not hold would empty the live one.
  ShowValueReport(run.report, heading, saved, now, stored.has_value());
  const std::vector<ChangeLine> shown = run.report.List();
  run.Logged(LogChangeList(run.ws, shown, LogKind::Found, heading));
  const ReportResult result = run.report.ShowReport();
  run.report.Button1->SetEnabled(true);

  ValueDecision decision(run, section, value, heading, shown);
  if (result == ReportResult::Confirm) {
    decision.Confirm(now);
  } else if (result == ReportResult::ChangeBack) {
    decision.ChangeBack(saved);
  } else if (result == ReportResult::SaveList) {
    decision.SaveList(now);
  }
  return true;
}

bool ReportWinini(CheckRun& run, const StartupSection& section, const StoredWinini& saved) {
  const bool load =
      CheckValue(run, section, {kSnapshotLoad, "load", &WinIniPlace::load}, saved.load);
  const bool runValue =
      CheckValue(run, section, {kSnapshotRun, "run", &WinIniPlace::run}, saved.run);
  return load || runValue;
}

}  // namespace

ComparedSection CompareWininiSection(CheckRun& run, const StartupSection& section) {
  // Both are read before either is decided on.
  const StoredWinini saved = ReadSnapshotWinini(run.ws.store, SnapshotKeyPath(section.key));
  if (!saved.unread)
    return NotCompared(run, section, saved.unread.Saying(SnapshotNotReadText(section)));
  PlaceComparison found = CompareWininiValues(section, run.ws.places.winIni, saved, false);
  if (!found.Changed())
    return NoReport(std::move(found));
  return {std::move(found), [&run, &section, saved] { return ReportWinini(run, section, saved); }};
}

}  // namespace tarnix
