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

}  // namespace

TaskPlace ReadTaskPlace(Scheduler& scheduler) {
  TaskListing listing = scheduler.ListStartupTasks();
  TaskPlace place{listing, std::move(listing.tasks)};
  std::sort(place.tasks.begin(), place.tasks.end(),
            [](const ScheduledTask& a, const ScheduledTask& b) {
              return FoldCase(a.path) < FoldCase(b.path);
            });
  return place;
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
