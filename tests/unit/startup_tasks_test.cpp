// The scheduled tasks that start at boot or logon, read through the memory scheduler.
#include <gtest/gtest.h>

#include <functional>

#include "fakes/headless/headless_toolkit.h"
#include "fakes/scheduler_memory.h"
#include "fakes/store_memory.h"
#include "sources/startup_tasks.h"
#include "sources/task_commands.h"

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
    scheduler.Add(Task(path, path[1] != 'z'));
  const TaskPlace place = ReadTaskPlace(scheduler);
  EXPECT_TRUE(place.Readable());
  EXPECT_EQ(Paths(place),
            (std::vector<std::string>{"\\ALPHA", "\\vendor\\A", "\\Vendor\\b", "\\zeta"}));
}

TEST(TaskPlace, ACommandQuotesAProgramWithASpaceAndJoinsTheActions) {
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
}

struct CommandCase {
  const char* what;
  std::function<void(Workspace&)> command;
  int answer;  // to the question, where one is asked
  // The scheduler refuses every change of \A; \A afterwards; an error box told.
  bool refused, there, enabled, told;
};

TEST(TaskCommands, DeleteDisableAndEnableGoThroughTheSchedulerAndTellItsRefusal) {
  const auto del = [](Workspace& ws) { DeleteStartupTask(ws, "\\a"); };
  const auto enable = [](bool on) {
    return [on](Workspace& ws) { SetStartupTaskEnabled(ws, "\\A", on); };
  };
  const CommandCase cases[] = {
      {"delete", del, ui::mb::IdOk, false, false, true, false},
      {"delete, cancelled", del, ui::mb::IdCancel, false, true, true, false},
      {"delete, refused", del, ui::mb::IdOk, true, true, true, true},
      {"disable", enable(false), 0, false, true, false, false},
      {"enable, already", enable(true), 0, true, true, true, false},
      {"disable, refused", enable(false), 0, true, true, true, true},
      {"delete, gone", [](Workspace& ws) { DeleteStartupTask(ws, "\\Gone"); }, ui::mb::IdOk, false,
       true, true, false},
      {"enable, gone", [](Workspace& ws) { SetStartupTaskEnabled(ws, "\\Gone", true); }, 0, false,
       true, true, false}};
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryStore store;
    ui::headless::HeadlessToolkit toolkit;
    toolkit.SetAutoAcknowledge(true);
    toolkit.SetElevated(true);
    MemoryScheduler scheduler;
    scheduler.Add(Task("\\A"));
    if (c.refused)
      scheduler.RefuseChange("\\A");
    Workspace ws(store, toolkit);
    ws.scheduler = &scheduler;
    if (c.answer != 0)
      toolkit.AnswerNextMessageBox(c.answer);
    c.command(ws);
    const TaskRead read = scheduler.ReadTask("\\A");
    EXPECT_EQ(static_cast<bool>(read), c.there);
    EXPECT_EQ(read.task.enabled || !c.there, c.enabled);
    bool told = false;
    for (const auto& box : toolkit.Messages())
      told =
          told || (box.caption == "Error!" && box.text.find("scheduled task") != std::string::npos);
    EXPECT_EQ(told, c.told);
  }
}

}  // namespace
}  // namespace tarnix
