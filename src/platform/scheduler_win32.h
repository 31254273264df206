// Scheduled tasks on the Task Scheduler 2.0 interface (ITaskService), connected anew for each
// operation on the local machine as the program's user.
#pragma once

#include "platform/scheduler.h"

namespace tarnix {

class Win32Scheduler : public Scheduler {
 public:
  TaskListing ListStartupTasks() override;
  TaskRead ReadTask(const std::string& path) override;
  StoreResult SetEnabled(const std::string& path, bool enabled) override;
  StoreResult DeleteTask(const std::string& path) override;
  StoreResult RestoreTask(const ScheduledTask& task) override;
};

}  // namespace tarnix
