#include "watchdog/check_run.h"

#include "sources/restart_offer.h"
#include "watchdog/check_sections.h"
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

ComparedSection NotCompared(CheckRun& run, const StartupSection& section, const StoreResult& why) {
  PlaceComparison found{&section};
  found.unread = why;
  return {std::move(found), [&run, why] {
            Tell(run.ws, why);
            return false;
          }};
}

ComparedSection NoReport(PlaceComparison found) {
  return {std::move(found), [] { return false; }};
}

}  // namespace tarnix
