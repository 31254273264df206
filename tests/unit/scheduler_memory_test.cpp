// The memory scheduler: the shared conformance suite and its faults.
#include <gtest/gtest.h>

#include "conformance/scheduler_conformance.h"
#include "fakes/scheduler_memory.h"

namespace tarnix {
namespace {

class MemoryTarget : public SchedulerTarget {
 public:
  Scheduler& scheduler() override { return scheduler_; }
  std::string folder() const override { return "\\TarnixConformance"; }
  std::string Plant(const ScheduledTask& task, bool) override {
    ScheduledTask planted = task;
    planted.xml = "<Task>" + task.path + "</Task>";
    scheduler_.Add(planted);
    return planted.xml;
  }

 private:
  MemoryScheduler scheduler_;
};

std::unique_ptr<SchedulerTarget> MakeMemoryTarget() {
  return std::make_unique<MemoryTarget>();
}

INSTANTIATE_TEST_SUITE_P(Memory, SchedulerConformance,
                         testing::Values(SchedulerParam{"MemoryScheduler", &MakeMemoryTarget}),
                         SchedulerParamName);

TEST(MemorySchedulerTest, RefusalsFailWithTheirKindAndChangeNothing) {
  MemoryScheduler scheduler;
  scheduler.Add({"\\A\\Run", true, true, false, {}, "<Task/>"});
  scheduler.Add({"\\B\\Deep\\Hidden", true, false, true, {}, "<Task/>"});
  scheduler.RefuseFolder("\\b");
  scheduler.RefuseChange("\\a\\RUN", StoreFailure::Other);
  const TaskListing listing = scheduler.ListStartupTasks();
  EXPECT_EQ(listing.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(listing.text, "Cannot list the scheduled tasks in \\B\\Deep");
  ASSERT_EQ(listing.tasks.size(), 1u);
  EXPECT_EQ(listing.tasks[0].path, "\\A\\Run");
  ScheduledTask changed = listing.tasks[0];
  changed.atLogon = true;
  for (const StoreResult& refused :
       {scheduler.SetEnabled("\\A\\Run", false), scheduler.DeleteTask("\\A\\Run"),
        scheduler.RestoreTask(changed)}) {
    EXPECT_EQ(refused.failure, StoreFailure::Other) << refused.text;
  }
  EXPECT_TRUE(SameStart(scheduler.ReadTask("\\A\\Run").task, listing.tasks[0]));
}

}  // namespace
}  // namespace tarnix
