#include "watchdog/check_run.h"

#include "sources/error_box.h"
#include "sources/restart_offer.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

ReportResult CheckRun::ShowReport() {
  ++reports_;
  return report.ShowReport();
}

void CheckRun::Logged(bool written) {
  if (written || logRefused_)
    return;
  logRefused_ = true;
  ShowError("Cannot write to history log " + ws.logPath);
}

bool CheckRun::WriteSnapshot(const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const StoreError& error) {
    ShowError(kSnapshotWriteError, error.kind());
    return false;
  }
}

void CheckRun::ShowError(const std::string& text, StoreFailure failure) {
  ShowRefusal(ws, text, failure);
}

}  // namespace tarnix
