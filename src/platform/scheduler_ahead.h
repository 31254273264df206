// A listing of the startup tasks begun before it is asked for: on a thread of its own, so that
// connecting to the scheduler (a call to its service) runs while the caller does other work.
#pragma once

#include <future>
#include <string>

#include "platform/scheduler.h"

namespace tarnix {

class ListingAhead : public Scheduler {
 public:
  // Starts listing through `scheduler` at once; `scheduler` must outlive this.
  explicit ListingAhead(Scheduler& scheduler);
  ListingAhead(const ListingAhead&) = delete;
  ListingAhead& operator=(const ListingAhead&) = delete;

  // The listing begun ahead, once; a later call lists anew.
  TaskListing ListStartupTasks() override;
  TaskRead ReadTask(const std::string& path) override;
  StoreResult SetEnabled(const std::string& path, bool enabled) override;
  StoreResult DeleteTask(const std::string& path) override;
  StoreResult RestoreTask(const ScheduledTask& task) override;

 private:
  Scheduler& scheduler_;
  // Its end waits for the thread, so that a listing never asked for does not outlive this.
  std::future<TaskListing> ahead_;
};

}  // namespace tarnix
