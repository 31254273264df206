#include "sources/startup_tasks.h"

#include <algorithm>

#include "base/text_case.h"

namespace tarnix {

namespace {

std::string ActionCommand(const TaskAction& action) {
  const bool quote = action.path.find(' ') != std::string::npos && action.path.front() != '"';
  std::string command = quote ? '"' + action.path + '"' : action.path;
  if (!action.arguments.empty())
    command += ' ' + action.arguments;
  return command;
}

void ByPath(std::vector<ScheduledTask>& tasks) {
  std::sort(tasks.begin(), tasks.end(), [](const ScheduledTask& a, const ScheduledTask& b) {
    return FoldCase(a.path) < FoldCase(b.path);
  });
}

}  // namespace

TaskPlace ReadTaskPlace(Scheduler& scheduler) {
  TaskListing listing = scheduler.ListStartupTasks();
  TaskPlace place{listing, std::move(listing.tasks)};
  ByPath(place.tasks);
  return place;
}

void KeepUnreadableTasks(Scheduler& scheduler, TaskPlace& now,
                         const std::vector<ScheduledTask>& saved) {
  const auto listed = [&now](const ScheduledTask& task) {
    return std::any_of(now.tasks.begin(), now.tasks.end(), [&](const ScheduledTask& seen) {
      return FoldCase(seen.path) == FoldCase(task.path);
    });
  };
  std::vector<ScheduledTask> unseen;
  for (const ScheduledTask& task : saved) {
    if (!listed(task) && scheduler.ReadTask(task.path).failure == StoreFailure::AccessDenied)
      unseen.push_back(task);
  }
  if (unseen.empty())
    return;
  now.tasks.insert(now.tasks.end(), unseen.begin(), unseen.end());
  ByPath(now.tasks);
}

std::string TaskCommand(const ScheduledTask& task) {
  std::string command;
  for (const TaskAction& action : task.actions)
    command += (command.empty() ? "" : " & ") + ActionCommand(action);
  return command;
}

std::string TaskTriggerText(const ScheduledTask& task) {
  if (task.atBoot && task.atLogon)
    return "At boot and logon";
  return task.atBoot ? "At boot" : "At logon";
}

}  // namespace tarnix
