#include "platform/scheduler.h"

namespace tarnix {

bool SameStart(const ScheduledTask& a, const ScheduledTask& b) {
  return a.enabled == b.enabled && a.atBoot == b.atBoot && a.atLogon == b.atLogon &&
         a.actions == b.actions;
}

std::string TaskFailureText(TaskOperation operation, const std::string& path) {
  switch (operation) {
    case TaskOperation::List:
      return "Cannot list the scheduled tasks in " + path;
    case TaskOperation::Read:
      return "Cannot read the scheduled task " + path;
    case TaskOperation::Enable:
      return "Cannot enable the scheduled task " + path;
    case TaskOperation::Disable:
      return "Cannot disable the scheduled task " + path;
    case TaskOperation::Delete:
      return "Cannot delete the scheduled task " + path;
    case TaskOperation::Restore:
      break;
  }
  return "Cannot restore the scheduled task " + path;
}

std::string TaskFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos || slash == 0 ? "\\" : path.substr(0, slash);
}

std::string TaskNameOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace tarnix
