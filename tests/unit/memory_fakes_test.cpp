// The memory fakes: the conformance suites, a listing in several calls, the scheduler's refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/scheduler_conformance.h"
#include "conformance/services_conformance.h"
#include "conformance/shortcut_conformance.h"
#include "conformance/store_conformance.h"
#include "fakes/scheduler_memory.h"
#include "fakes/services_memory.h"
#include "fakes/shortcuts_memory.h"
#include "fakes/store_memory.h"

namespace tarnix {
namespace {

class MemoryStoreTarget : public ConformanceTarget {
 public:
  MemoryStoreTarget() {
    store_.SetValueOrder(ValueOrder::Sorted);
    EXPECT_TRUE(store_.OpenKey(Root::CurrentUser, scratchKey(), true));
    store_.AddFolder(scratchFolder());
  }
  Store& store() override { return store_; }
  Root scratchRoot() const override { return Root::CurrentUser; }
  std::string scratchKey() const override { return "\\Software\\TarnixConformance\\Scratch"; }
  std::string scratchFolder() const override { return "C:\\Temp\\Scratch"; }
  std::string LongPath(const std::string& path) override { return path; }
  void DenyWrites(const std::string& below) override {
    const std::string key = scratchKey() + "\\" + below;
    store_.SetString(scratchRoot(), key, "kept", "yes");
    store_.RefuseWrite(scratchRoot(), key);
  }

 private:
  MemoryStore store_;
};

INSTANTIATE_TEST_SUITE_P(Memory, StoreConformance,
                         testing::Values(ConformanceParam::Of<MemoryStoreTarget>("MemoryStore")),
                         ConformanceParamName);

class MemoryShortcutTarget : public ShortcutTarget {
 public:
  MemoryShortcutTarget() { store_.AddFolder(scratchFolder()); }
  Shortcuts& shortcuts() override { return shortcuts_; }
  Store& store() override { return store_; }
  std::string scratchFolder() const override { return "C:\\Temp\\Links"; }

 private:
  MemoryStore store_;
  MemoryShortcuts shortcuts_{store_};
};

INSTANTIATE_TEST_SUITE_P(
    Memory, ShortcutConformance,
    testing::Values(ShortcutParam::Of<MemoryShortcutTarget>("MemoryShortcuts")), ShortcutParamName);

MemoryServices::Service Service(const std::string& key, const std::string& display,
                                uint32_t state = svc::Running, uint32_t startType = svc::AutoStart,
                                uint32_t type = svc::OwnProcess) {
  MemoryServices::Service service{key, display, state, {}};
  service.config.serviceType = type;
  service.config.startType = startType;
  service.config.binaryPath = "C:\\windows\\system32\\" + key + ".exe";
  service.config.account = "LocalSystem";
  return service;
}

void FillWithWineLikeServices(MemoryServices& services) {
  for (const MemoryServices::Service& service :
       {Service("PlugPlay", "Plug and Play Service"),
        Service("TarnixTestRunning", "Tarnix Test Running", svc::Running, svc::DemandStart),
        Service("TarnixTestStopped", "Tarnix Test Stopped", svc::Stopped, svc::DemandStart),
        Service("Spooler", "Print Spooler", svc::Paused),
        Service("Disk", "Disk Driver", svc::Running, svc::SystemStart, svc::KernelDriver)})
    services.Add(service);
}

class MemoryServicesTarget : public ServicesTarget {
 public:
  MemoryServicesTarget() {
    FillWithWineLikeServices(whole_);
    FillWithWineLikeServices(paged_);
    paged_.SetPageSize(1);
  }
  ServiceControl& services() override { return whole_; }
  ServiceControl& pagedServices() override { return paged_; }
  std::string runningKey() const override { return "TarnixTestRunning"; }
  std::string runningDisplayName() const override { return "Tarnix Test Running"; }
  std::string stoppedKey() const override { return "TarnixTestStopped"; }
  std::string stoppedDisplayName() const override { return "Tarnix Test Stopped"; }

 private:
  MemoryServices whole_, paged_;
};

INSTANTIATE_TEST_SUITE_P(Memory, ServicesConformance,
                         testing::Values(ServicesParam::Of<MemoryServicesTarget>("MemoryServices")),
                         ServicesParamName);

TEST(MemoryServicesTest, ListingSpansAsManyCallsAsTheManagerNeedsAndAFailureListsNothing) {
  MemoryServices services;
  for (int i = 0; i < 15; ++i) services.Add(Service("S" + std::to_string(i), "D"));
  services.SetPageSize(7);
  auto manager = services.OpenManager();
  ASSERT_NE(manager.handle, nullptr);
  std::vector<ServiceEntry> listed{{"left", "over", svc::Running}};
  EXPECT_EQ(ListActiveServices(*manager.handle, listed), ServiceFailure::None);
  EXPECT_EQ(listed.size(), 15u);
  EXPECT_EQ(listed.back().keyName, "S14");
  EXPECT_EQ(services.EnumerationCalls(), 3);
  services.faults().enumerate = ServiceFailure::AccessDenied;
  EXPECT_EQ(ListActiveServices(*manager.handle, listed), ServiceFailure::AccessDenied);
  EXPECT_TRUE(listed.empty());
}

// A manager that keeps saying "more" without giving anything or moving on.
class StuckManager : public ServiceManagerHandle {
 public:
  ServiceFailure EnumerateActive(uint32_t&, ServicePage& page) override {
    ++calls;
    page.services.clear();
    page.more = true;
    return ServiceFailure::None;
  }
  ServiceFailure KeyName(const std::string&, std::string&) override {
    return ServiceFailure::Other;
  }
  Opened<ServiceHandle> OpenForChange(const std::string&) override {
    return {nullptr, ServiceFailure::Other};
  }
  int calls = 0;
};

TEST(MemoryServicesTest, AManagerThatPromisesMoreAndGivesNothingEndsTheListing) {
  StuckManager manager;
  std::vector<ServiceEntry> listed;
  EXPECT_EQ(ListActiveServices(manager, listed), ServiceFailure::Other);
  EXPECT_TRUE(listed.empty());
  EXPECT_EQ(manager.calls, 1);
}

class MemorySchedulerTarget : public SchedulerTarget {
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

INSTANTIATE_TEST_SUITE_P(
    Memory, SchedulerConformance,
    testing::Values(SchedulerParam::Of<MemorySchedulerTarget>("MemoryScheduler")),
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
