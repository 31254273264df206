// The scheduled tasks in the snapshot, and compared with it.
#include <gtest/gtest.h>

#include "watchdog/place_comparison.h"
#include "watchdog/task_snapshot.h"

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
  EXPECT_TRUE(TasksOfSnapshot({}).empty());
}

struct TaskCase {
  const char* what;
  std::vector<ScheduledTask> saved, now;
  std::vector<std::pair<std::string, EntryState>> found;
};

TEST(TaskComparison, NewGoneAndOtherwiseStartingTasksAreChanges) {
  const ScheduledTask a = Task("\\A", "a.exe"), b = Task("\\V\\B", "b.exe");
  const TaskCase cases[] = {
      {"same", {a, b}, {a, b}, {}},
      {"new", {a}, {a, b}, {{"\\V\\B", EntryState::Added}}},
      {"gone", {a, b}, {b}, {{"\\A", EntryState::Deleted}}},
      {"command", {a}, {Task("\\A", "evil.exe")}, {{"\\A", EntryState::Changed}}},
      {"enabled", {Task("\\A", "a.exe", false)}, {a}, {{"\\A", EntryState::Changed}}},
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

TEST(TaskComparison, AChangedTaskKeepsItsOldCommandAndAFailedListingIsNotCompared) {
  const StartupSection section;
  const PlaceComparison changed = CompareTaskValues(
      section, TaskPlace{{}, {Task("\\A", "evil.exe", false)}}, {{Task("\\A", "a.exe")}}, true);
  ASSERT_EQ(changed.entries.size(), 1u);
  EXPECT_EQ(changed.entries[0].value.data, "evil.exe");
  EXPECT_EQ(changed.entries[0].previous->data, "a.exe");
  EXPECT_EQ(changed.entries[0].enabled, false);

  const TaskPlace wine{{StoreFailure::Other, "Cannot list the scheduled tasks in \\ (0x80004001)"},
                       {}};
  const PlaceComparison unread = CompareTaskValues(section, wine, {{Task("\\A", "a.exe")}}, false);
  EXPECT_FALSE(unread.unread);
  EXPECT_NE(unread.unread.text.find("(0x80004001)"), std::string::npos);
  EXPECT_FALSE(unread.Changed()) << "a listing that failed is never 'no tasks'";

  const PlaceComparison earlier = CompareTaskValues(section, TaskPlace{}, std::nullopt, false);
  EXPECT_TRUE(earlier.notInSnapshot);
}

}  // namespace
}  // namespace tarnix
