#include "platform/scheduler_ahead.h"

namespace tarnix {

ListingAhead::ListingAhead(Scheduler& scheduler)
    : scheduler_(scheduler),
      ahead_(
          std::async(std::launch::async, [&scheduler] { return scheduler.ListStartupTasks(); })) {}

TaskListing ListingAhead::ListStartupTasks() {
  return ahead_.valid() ? ahead_.get() : scheduler_.ListStartupTasks();
}

TaskRead ListingAhead::ReadTask(const std::string& path) {
  return scheduler_.ReadTask(path);
}

StoreResult ListingAhead::SetEnabled(const std::string& path, bool enabled) {
  return scheduler_.SetEnabled(path, enabled);
}

StoreResult ListingAhead::DeleteTask(const std::string& path) {
  return scheduler_.DeleteTask(path);
}

StoreResult ListingAhead::RestoreTask(const ScheduledTask& task) {
  return scheduler_.RestoreTask(task);
}

}  // namespace tarnix
