// The scheduled tasks that start a program at boot or at logon, as one startup place: read
// through the scheduler, shown and guarded like the run lists.
#pragma once

#include <string>
#include <vector>

#include "platform/scheduler.h"

namespace tarnix {

struct TaskPlace {
  // Why the listing failed, saying so. A scheduler that cannot list its tasks (Wine's) leaves
  // the place not read, never empty: a task missing from `tasks` may still be there.
  StoreResult unread;
  std::vector<ScheduledTask> tasks;  // by path, without regard to case

  bool Readable() const { return static_cast<bool>(unread); }
};

TaskPlace ReadTaskPlace(Scheduler& scheduler);
// A listing leaves out the tasks this account may not read: a standard user's logon check does
// not see an administrator's task. A task of the snapshot that the listing lacks is therefore
// taken as seen unless the scheduler says it is not there.
void KeepUnreadableTasks(Scheduler& scheduler, TaskPlace& now,
                         const std::vector<ScheduledTask>& saved);

// What the task starts, as a command line: each exec action's program (quoted when it holds a
// space) and its arguments, the actions joined by " & ".
std::string TaskCommand(const ScheduledTask& task);
// "At boot", "At logon" or "At boot and logon".
std::string TaskTriggerText(const ScheduledTask& task);

}  // namespace tarnix
