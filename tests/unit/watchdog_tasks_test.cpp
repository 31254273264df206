// The scheduled tasks in the snapshot, and compared with it.
#include <gtest/gtest.h>

#include "console/report.h"
#include "fakes/scheduler_memory.h"
#include "platform/scheduler_ahead.h"
#include "watchdog/place_comparison.h"
#include "watchdog/task_snapshot.h"
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

ScheduledTask Task(const std::string& path, const std::string& program, bool enabled = true) {
  return {path, enabled, false, true, {{program, "", ""}}, "<Task>" + path + "</Task>"};
}

TEST(TaskSnapshot, HoldsEveryPartOfEachTask) {
  ScheduledTask full{"\\Vendor\\Up date",
                     false,
                     true,
                     true,
                     {{"C:\\a b\\u.exe", "/q \"x\"", "C:\\w"}, {"v.exe", "", ""}},
                     "<?xml?>\r\n<Task>\t</Task>"};
  ScheduledTask bare{"\\Bare", true, false, false, {}, ""};
  const std::vector<ScheduledTask> tasks{full, bare, Task("\\T", "t.exe")};
  const std::vector<ScheduledTask> back = TasksOfSnapshot(TaskSnapshotValues(tasks));
  ASSERT_EQ(back.size(), tasks.size());
  for (size_t i = 0; i < tasks.size(); ++i) {
    EXPECT_EQ(back[i].path, tasks[i].path);
    EXPECT_TRUE(SameStart(back[i], tasks[i])) << tasks[i].path;
    EXPECT_EQ(back[i].xml, tasks[i].xml);
  }
}

struct TaskCase {
  const char* what;
  std::vector<ScheduledTask> saved, now;
  std::vector<std::pair<std::string, EntryState>> found;
};

TEST(TaskComparison, ATaskThatStartsOtherwiseIsChangedItsDefinitionAloneIsNot) {
  const ScheduledTask a = Task("\\A", "a.exe"), b = Task("\\V\\B", "b.exe");
  const TaskCase cases[] = {
      {"same", {a, b}, {a, b}, {}},
      {"command", {a}, {Task("\\A", "evil.exe")}, {{"\\A", EntryState::Changed}}},
      {"disabled", {a}, {Task("\\A", "a.exe", false)}, {{"\\A", EntryState::Changed}}},
      {"trigger",
       {a},
       {{"\\A", true, true, false, a.actions, a.xml}},
       {{"\\A", EntryState::Changed}}},
      {"definition only", {a}, {{"\\A", true, false, true, a.actions, "<other/>"}}, {}}};
  const StartupSection section;
  for (const TaskCase& c : cases) {
    const PlaceComparison compared =
        CompareTaskValues(section, TaskPlace{{}, c.now}, c.saved, false);
    std::vector<std::pair<std::string, EntryState>> found;
    for (const ComparedEntry& entry : compared.entries)
      found.emplace_back(*entry.name, entry.state);
    EXPECT_EQ(found, c.found) << c.what;
    EXPECT_EQ(compared.Changed(), !c.found.empty()) << c.what;
  }
}

TEST(TaskComparison, AChangedTaskKeepsItsOldCommand) {
  const StartupSection section;
  const PlaceComparison changed = CompareTaskValues(
      section, TaskPlace{{}, {Task("\\A", "evil.exe", false)}}, {{Task("\\A", "a.exe")}}, true);
  ASSERT_EQ(changed.entries.size(), 1u);
  EXPECT_EQ(changed.entries[0].value.data, "evil.exe");
  EXPECT_EQ(changed.entries[0].previous->data, "a.exe");
  EXPECT_EQ(changed.entries[0].enabled, false);
}

class TaskCheckTest : public WatchdogTest {
 protected:
  void SetUp() override {
    for (const ScheduledTask& task : before) scheduler.Add(task);
    ws.scheduler = &scheduler;
    TakeSnapshot();
  }
  bool Unchanged() { return NothingChangedSinceSnapshot(store, ws.catalogue, &scheduler); }
  void ExpectAsBefore() {
    const TaskPlace now = ReadTaskPlace(scheduler);
    ASSERT_EQ(now.tasks.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i)
      EXPECT_TRUE(SameStart(now.tasks[i], before[i])) << before[i].path;
    EXPECT_TRUE(Unchanged());
  }

  const std::vector<ScheduledTask> before{Task("\\A", "a.exe"), Task("\\V\\Off", "o.exe", false)};
  MemoryScheduler scheduler;
};

TEST_F(TaskCheckTest, ChangeBackUndoesEachKindOfChange) {
  const std::pair<const char*, std::function<void(MemoryScheduler&)>> changes[] = {
      {"new", [](MemoryScheduler& s) { s.Add(Task("\\Evil", "evil.exe")); }},
      {"gone", [](MemoryScheduler& s) { ASSERT_TRUE(s.DeleteTask("\\A")); }},
      {"command", [](MemoryScheduler& s) { s.Add(Task("\\A", "evil.exe")); }},
      {"enabled", [](MemoryScheduler& s) { ASSERT_TRUE(s.SetEnabled("\\V\\Off", true)); }}};
  const std::string place = ws.catalogue.Section(SectionId::ScheduledTasks).place;
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    seen.clear();
    change(scheduler);
    EXPECT_FALSE(Unchanged());
    OnReportClick(&TForm1::btnCancel);
    EXPECT_TRUE(Check());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].heading, place);
    EXPECT_TRUE(seen[0].changeBack);
    ExpectAsBefore();
    EXPECT_TRUE(ErrorTexts().empty());
  }
  EXPECT_NE(Log().find("The changes in:" + place + " are cancelled"), std::string::npos);
}

TEST_F(TaskCheckTest, OkTakesTheTasksAsTheyAreAndTheReportProgramSeesThem) {
  scheduler.Add(Task("\\New", "n.exe"));
  EXPECT_EQ(RunReport(store, "PC", {"/report"}, &scheduler).exitCode, kSomethingChanged);
  EXPECT_EQ(RunReport(store, "PC", {"/report"}).exitCode, kNothingChanged) << "no scheduler";
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(ReadTaskPlace(scheduler).tasks.size(), 3u);
  const ReportOutput all = RunReport(store, "PC", {"/report", "/all"}, &scheduler);
  EXPECT_EQ(all.exitCode, kNothingChanged);
  EXPECT_NE(all.out.find("\\New"), std::string::npos);
}

TEST_F(TaskCheckTest, AnEarlierSnapshotTakesTheTasksInQuietly) {
  ASSERT_TRUE(store.DeleteKey(Root::LocalMachine, SnapshotKeyPath("StartupTasks")));
  EXPECT_FALSE(Unchanged());
  EXPECT_FALSE(Check());
  EXPECT_TRUE(seen.empty());
  EXPECT_NE(Log().find("without a report, as it held nothing of them yet: Scheduled tasks"),
            std::string::npos);
  EXPECT_TRUE(Unchanged());
}

// A standard user's logon check does not list an administrator's task: not seen is not gone.
TEST_F(TaskCheckTest, ATaskThisAccountMayNotReadIsNotTakenForGone) {
  scheduler.Hide("\\A");
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(RunReport(store, "PC", {"/report"}, &scheduler).exitCode, kNothingChanged);
  Check();
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(ErrorTexts().empty());
}

// A scheduler that cannot list (Wine's) leaves the tasks unchecked and their snapshot as it was.
TEST_F(TaskCheckTest, AListingThatFailsIsToldAndNeverTakenForNoTasks) {
  scheduler.RefuseFolder("\\V", StoreFailure::Other);
  EXPECT_FALSE(Unchanged());
  EXPECT_FALSE(Check());
  EXPECT_TRUE(seen.empty());
  ASSERT_EQ(ErrorTexts().size(), 1u);
  EXPECT_NE(ErrorTexts()[0].find("Cannot list the scheduled tasks in \\V"), std::string::npos);
  EXPECT_EQ(RunReport(store, "PC", {"/report"}, &scheduler).exitCode, kNoAnswer);
  EXPECT_TRUE(SaveSnapshot(ws));
  EXPECT_EQ(
      TasksOfSnapshot(*ReadKeyValues(store, Root::LocalMachine, SnapshotKeyPath("StartupTasks")))
          .size(),
      2u);
}

// The quiet logon check lists the tasks on a thread of its own while it compares the rest.
TEST_F(TaskCheckTest, AListingBegunAheadGivesTheCheckTheSameAnswer) {
  const struct {
    const char* what;
    std::function<void(MemoryScheduler&)> change;
    bool unchanged;
  } cases[] = {
      {"as before", [](MemoryScheduler&) {}, true},
      {"new", [](MemoryScheduler& s) { s.Add(Task("\\Evil", "evil.exe")); }, false},
      {"enabled", [](MemoryScheduler& s) { ASSERT_TRUE(s.SetEnabled("\\V\\Off", true)); }, false},
      {"not readable here", [](MemoryScheduler& s) { s.Hide("\\A"); }, true},
      {"unlisted", [](MemoryScheduler& s) { s.RefuseFolder("\\V", StoreFailure::Other); }, false}};
  for (const auto& c : cases) {
    MemoryScheduler now;
    for (const ScheduledTask& task : before) now.Add(task);
    c.change(now);
    ListingAhead ahead(now);
    EXPECT_EQ(NothingChangedSinceSnapshot(store, ws.catalogue, &ahead), c.unchanged) << c.what;
    EXPECT_EQ(NothingChangedSinceSnapshot(store, ws.catalogue, &now), c.unchanged) << c.what;
  }
}

TEST(ListingAhead, ListsAnewAfterTheFirstListingAndPassesTheRestOn) {
  MemoryScheduler scheduler;
  scheduler.Add(Task("\\A", "a.exe"));
  ListingAhead ahead(scheduler);
  EXPECT_EQ(ahead.ListStartupTasks().tasks.size(), 1u);
  scheduler.Add(Task("\\B", "b.exe"));
  EXPECT_EQ(ahead.ListStartupTasks().tasks.size(), 2u);
  EXPECT_TRUE(ahead.SetEnabled("\\A", false));
  EXPECT_FALSE(ahead.ReadTask("\\A").task.enabled);
  EXPECT_TRUE(ahead.DeleteTask("\\A"));
  EXPECT_EQ(ahead.ReadTask("\\A").failure, StoreFailure::NotFound);
  EXPECT_TRUE(ahead.RestoreTask(Task("\\A", "a.exe")));
  EXPECT_EQ(scheduler.ListStartupTasks().tasks.size(), 2u);
}

}  // namespace
}  // namespace tarnix
