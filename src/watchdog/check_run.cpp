#include "watchdog/check_run.h"

#include "sources/restart_offer.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

void CheckRun::Logged(const StoreResult& written) {
  if (written || logRefused_)
    return;
  logRefused_ = true;
  Tell(ws, written.Saying("Cannot write to history log " + ws.logPath));
}

bool CheckRun::WriteSnapshot(const std::function<StoreResult()>& write) {
  const StoreResult written = write();
  Tell(ws, written.Saying(kSnapshotWriteError));
  return static_cast<bool>(written);
}

}  // namespace tarnix
