// The snapshot of the scheduled tasks: their section's subkey, whose values hold each task
// as read ("Task001 Path", "Task001 Enabled", ..., "Task001 Action01 Path", ...), so that a
// task that is gone or changed can be registered again from its stored definition.
#pragma once

#include <vector>

#include "platform/scheduler.h"
#include "platform/store.h"

namespace tarnix {

// The values that hold the tasks, in their order.
std::vector<NamedValue> TaskSnapshotValues(const std::vector<ScheduledTask>& tasks);
// The tasks back from those values, names compared without regard to case; a task stops at
// the first number without a path, an action list at the first action without one.
std::vector<ScheduledTask> TasksOfSnapshot(const std::vector<NamedValue>& values);

}  // namespace tarnix
