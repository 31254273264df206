// The scheduled tasks that start at boot or logon, read through the memory scheduler.
#include <gtest/gtest.h>

#include "fakes/scheduler_memory.h"
#include "sources/startup_tasks.h"

namespace tarnix {
namespace {

ScheduledTask Task(const std::string& path, bool enabled = true) {
  return {path, enabled, false, true, {{"C:\\u.exe", "", ""}}, "<Task/>"};
}

std::vector<std::string> Paths(const TaskPlace& place) {
  std::vector<std::string> paths;
  for (const ScheduledTask& task : place.tasks) paths.push_back(task.path);
  return paths;
}

TEST(TaskPlace, ListsByPathWithoutRegardToCaseAndKeepsDisabledTasks) {
  MemoryScheduler scheduler;
  for (const char* path : {"\\zeta", "\\Vendor\\b", "\\ALPHA", "\\vendor\\A"})
    scheduler.Add(Task(path, path[1] != 'Z'));
  const TaskPlace place = ReadTaskPlace(scheduler);
  EXPECT_TRUE(place.Readable());
  EXPECT_EQ(Paths(place),
            (std::vector<std::string>{"\\ALPHA", "\\vendor\\A", "\\Vendor\\b", "\\zeta"}));
}

// A listing that fails is a place not read, whatever it still found.
TEST(TaskPlace, AFailedListingIsNotReadAndSaysWhy) {
  MemoryScheduler scheduler;
  scheduler.Add(Task("\\Open"));
  scheduler.Add(Task("\\Locked\\Hidden"));
  scheduler.RefuseFolder("\\Locked");
  const TaskPlace place = ReadTaskPlace(scheduler);
  EXPECT_FALSE(place.Readable());
  EXPECT_EQ(place.unread.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(place.unread.text, "Cannot list the scheduled tasks in \\Locked");
  EXPECT_EQ(Paths(place), std::vector<std::string>{"\\Open"});
}

TEST(TaskPlace, CommandsAndTriggersAsShown) {
  const TaskAction spaced{"C:\\Program Files\\U\\u.exe", "/quiet", "C:\\"},
      quoted{"\"C:\\A B\\a.exe\"", "", ""}, bare{"b.exe", "-x 1", ""};
  const std::pair<std::vector<TaskAction>, std::string> commands[] = {
      {{}, ""},
      {{bare}, "b.exe -x 1"},
      {{spaced}, "\"C:\\Program Files\\U\\u.exe\" /quiet"},
      {{quoted, bare}, "\"C:\\A B\\a.exe\" & b.exe -x 1"}};
  for (const auto& [actions, command] : commands) {
    ScheduledTask task;
    task.actions = actions;
    EXPECT_EQ(TaskCommand(task), command);
  }
  const std::tuple<bool, bool, std::string> triggers[] = {
      {true, false, "At boot"}, {false, true, "At logon"}, {true, true, "At boot and logon"}};
  for (const auto& [boot, logon, text] : triggers) {
    ScheduledTask task;
    task.atBoot = boot;
    task.atLogon = logon;
    EXPECT_EQ(TaskTriggerText(task), text);
  }
}

}  // namespace
}  // namespace tarnix
