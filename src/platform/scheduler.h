// Scheduled tasks that start a program at boot or at logon: how the program lists, reads,
// enables, disables, deletes and registers again the tasks of the task scheduler. The Windows
// build implements it on the Task Scheduler 2.0 interface (scheduler_win32.cpp), tests in
// memory (fakes/scheduler_memory.h). Every failure comes back through the store's result.
#pragma once

#include <string>
#include <vector>

#include "platform/store_result.h"

namespace tarnix {

// What an exec action starts.
struct TaskAction {
  std::string path;
  std::string arguments;
  std::string workingDirectory;
  bool operator==(const TaskAction& o) const {
    return path == o.path && arguments == o.arguments && workingDirectory == o.workingDirectory;
  }
};

// A task as read from the scheduler. Its path names it: the folder's path and the task's name
// ("\Vendor\Updater"; "\Updater" in the root folder), compared without regard to case.
struct ScheduledTask {
  std::string path;
  bool enabled = true;
  // Only a trigger that is itself enabled counts: one that is off starts nothing.
  bool atBoot = false;
  bool atLogon = false;
  std::vector<TaskAction> actions;  // the exec actions in the task's order; no other kind
  // The whole definition as the scheduler gave it: what RestoreTask registers again, so that
  // what this record leaves out (account, conditions, other triggers) comes back too.
  std::string xml;
};

// Whether two reads of a task start the same programs the same way: enabled state, triggers
// and actions (not the path, not the definition's text).
bool SameStart(const ScheduledTask& a, const ScheduledTask& b);

// Every task with a boot or logon trigger, in no promised order. A failure says that some
// folder or task could not be read: `tasks` holds all the others, and a task missing from it
// may still be there.
struct [[nodiscard]] TaskListing : StoreResult {
  std::vector<ScheduledTask> tasks;
};

struct [[nodiscard]] TaskRead : StoreResult {
  ScheduledTask task;
};

// A failure of a task operation says "Cannot <verb> the scheduled task <path>" (for a listing,
// "Cannot list the scheduled tasks in <folder>"); a task or folder that is not there is NotFound.
class Scheduler {
 public:
  virtual ~Scheduler() = default;
  // Walks every folder from the root down, hidden tasks included.
  virtual TaskListing ListStartupTasks() = 0;
  // Any task, whatever its triggers.
  virtual TaskRead ReadTask(const std::string& path) = 0;
  // A change the scheduler accepts but does not keep is a failure.
  virtual StoreResult SetEnabled(const std::string& path, bool enabled) = 0;
  virtual StoreResult DeleteTask(const std::string& path) = 0;
  // Registers the task's definition again at its path, for the account the definition names,
  // replacing a task of that path or making it and its folders anew; then sets the enabled
  // state read. It fails, whatever the scheduler answered, when the task read back does not
  // start alike (SameStart).
  virtual StoreResult RestoreTask(const ScheduledTask& task) = 0;
};

enum class TaskOperation { List, Read, Enable, Disable, Delete, Restore };
// The text of a failure, the same for every implementation.
std::string TaskFailureText(TaskOperation operation, const std::string& path);
// "\Vendor" for "\Vendor\Updater", "\" for "\Updater"; and the name, "Updater".
std::string TaskFolderOf(const std::string& path);
std::string TaskNameOf(const std::string& path);

}  // namespace tarnix
