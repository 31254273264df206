#include "conformance/scheduler_conformance.h"

#include <map>

#include "base/text_case.h"

namespace tarnix {

// Test programs that do not test a scheduler link this file too.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SchedulerConformance);

inline void PrintTo(const TaskAction& action, std::ostream* out) {
  *out << "{" << action.path << " | " << action.arguments << " | " << action.workingDirectory
       << "}";
}

// Where the platform lacks it, the operation must have failed with a text; then skip.
#define SKIP_WHERE_LACKING(gap, outcome)                \
  if (const char* lacking = target_->Gap(gap)) {        \
    EXPECT_FALSE(outcome) << "the gap has been filled"; \
    EXPECT_FALSE((outcome).text.empty());               \
    GTEST_SKIP() << lacking;                            \
  }

void SchedulerConformance::SetUp() {
  TargetSuite::SetUp();
  const TaskAction update{"C:\\Program Files\\Vendor\\updater.exe", "/silent \"a b\" & more",
                          "C:\\Program Files\\Vendor"};
  updater_ = {Path("Updater"), true, true, true, {update, {"C:\\Größe\\check.exe", "", ""}}, ""};
  logon_ = {Path("Sub\\Deeper\\Logon"), false, false, true, {{"C:\\x\\run.exe", "-q", ""}}, ""};
  timed_ = {Path("Timed"), true, false, false, {{"C:\\x\\timed.exe", "", ""}}, ""};
  updater_.xml = target_->Plant(updater_, false);
  logon_.xml = target_->Plant(logon_, true);
  timed_.xml = target_->Plant(timed_, false);
}

void SchedulerConformance::ExpectRead(const ScheduledTask& read, const ScheduledTask& planted) {
  EXPECT_EQ(FoldCase(read.path), FoldCase(planted.path));
  EXPECT_EQ(read.enabled, planted.enabled) << planted.path;
  EXPECT_EQ(read.atBoot, planted.atBoot) << planted.path;
  EXPECT_EQ(read.atLogon, planted.atLogon) << planted.path;
  EXPECT_EQ(read.actions, planted.actions) << planted.path;
  EXPECT_FALSE(read.xml.empty()) << planted.path;
}

TEST_P(SchedulerConformance, ListsTheTasksThatStartAtBootOrLogonInEveryFolderHiddenOnesToo) {
  const TaskListing listing = scheduler().ListStartupTasks();
  ASSERT_TRUE(listing) << listing.text;
  std::map<std::string, ScheduledTask> ours;
  for (const ScheduledTask& task : listing.tasks) {
    if (FoldCase(task.path).rfind(FoldCase(target_->folder() + "\\"), 0) == 0) {
      EXPECT_TRUE(ours.emplace(FoldCase(task.path), task).second) << "twice: " << task.path;
    }
  }
  ASSERT_EQ(ours.size(), 2u);
  ExpectRead(ours[FoldCase(updater_.path)], updater_);
  ExpectRead(ours[FoldCase(logon_.path)], logon_);
}

TEST_P(SchedulerConformance, ReadsATaskByItsPathInAnyCaseWhateverItsTriggers) {
  for (const std::string& missing : {Path("Nope"), Path("NoFolder\\Nope")}) {
    const TaskRead read = scheduler().ReadTask(missing);
    EXPECT_EQ(read.failure, StoreFailure::NotFound) << missing;
    EXPECT_NE(read.text.find(missing), std::string::npos) << read.text;
  }
  for (const ScheduledTask& planted : {updater_, logon_, timed_}) {
    const TaskRead read = scheduler().ReadTask(FoldCase(planted.path));
    ASSERT_TRUE(read) << read.text;
    ExpectRead(read.task, planted);
  }
}

TEST_P(SchedulerConformance, DisablesAndEnablesATaskAndEachChangeHolds) {
  EXPECT_EQ(scheduler().SetEnabled(Path("Nope"), false).failure, StoreFailure::NotFound);
  ScheduledTask expected = updater_;
  for (bool enabled : {false, false, true}) {
    const StoreResult set = scheduler().SetEnabled(updater_.path, enabled);
    SKIP_WHERE_LACKING(SchedulerGap::Enabling, set);
    ASSERT_TRUE(set) << set.text;
    expected.enabled = enabled;
    ExpectRead(scheduler().ReadTask(updater_.path).task, expected);
  }
  ExpectRead(scheduler().ReadTask(logon_.path).task, logon_);
}

TEST_P(SchedulerConformance, DeletesTheTaskNamedAndNothingElse) {
  EXPECT_EQ(scheduler().DeleteTask(Path("Sub")).failure, StoreFailure::NotFound);
  ASSERT_TRUE(scheduler().DeleteTask(updater_.path));
  EXPECT_EQ(scheduler().ReadTask(updater_.path).failure, StoreFailure::NotFound);
  const StoreResult again = scheduler().DeleteTask(updater_.path);
  EXPECT_EQ(again.failure, StoreFailure::NotFound);
  EXPECT_NE(again.text.find(updater_.path), std::string::npos) << again.text;
  for (const ScheduledTask& kept : {logon_, timed_})
    EXPECT_NE(scheduler().ReadTask(kept.path).failure, StoreFailure::NotFound) << kept.path;
}

// From the definition as planted, and from the one the scheduler gave back.
TEST_P(SchedulerConformance, RestoresADeletedOrChangedTaskFromItsDefinition) {
  for (const ScheduledTask& planted : {updater_, logon_}) {
    ASSERT_TRUE(scheduler().DeleteTask(planted.path));
    const StoreResult restored = scheduler().RestoreTask(planted);
    SKIP_WHERE_LACKING(SchedulerGap::Restoring, restored);
    ASSERT_TRUE(restored) << restored.text;
    const ScheduledTask read = scheduler().ReadTask(planted.path).task;
    ExpectRead(read, planted);
    ASSERT_TRUE(scheduler().SetEnabled(planted.path, !planted.enabled));
    ASSERT_TRUE(scheduler().RestoreTask(read));
    ExpectRead(scheduler().ReadTask(planted.path).task, planted);
  }
}

TEST_P(SchedulerConformance, ARecordWithoutADefinitionRegistersNothing) {
  ScheduledTask ghost = updater_;
  ghost.path = Path("Ghost");
  ghost.xml.clear();
  const StoreResult restored = scheduler().RestoreTask(ghost);
  EXPECT_FALSE(restored);
  EXPECT_NE(restored.text.find(ghost.path), std::string::npos) << restored.text;
  EXPECT_EQ(scheduler().ReadTask(ghost.path).failure, StoreFailure::NotFound);
}

}  // namespace tarnix
