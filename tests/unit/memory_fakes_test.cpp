// The memory fakes: the store, shortcut and service conformance suites on them, and a listing
// that takes several calls. Each injected fault, and the sorted order
// that stands for Wine's, is checked by the tests that use it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/services_conformance.h"
#include "conformance/shortcut_conformance.h"
#include "conformance/store_conformance.h"
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

std::unique_ptr<ConformanceTarget> MakeMemoryStoreTarget() {
  return std::make_unique<MemoryStoreTarget>();
}

INSTANTIATE_TEST_SUITE_P(Memory, StoreConformance,
                         testing::Values(ConformanceParam{"MemoryStore", &MakeMemoryStoreTarget}),
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

std::unique_ptr<ShortcutTarget> MakeMemoryShortcutTarget() {
  return std::make_unique<MemoryShortcutTarget>();
}

INSTANTIATE_TEST_SUITE_P(Memory, ShortcutConformance,
                         testing::Values(ShortcutParam{"MemoryShortcuts",
                                                       &MakeMemoryShortcutTarget}),
                         ShortcutParamName);

MemoryServices::Service Running(const std::string& key, const std::string& display,
                                uint32_t startType = svc::AutoStart) {
  MemoryServices::Service service{key, display, svc::Running, {}};
  service.config.startType = startType;
  service.config.binaryPath = "C:\\windows\\system32\\" + key + ".exe";
  service.config.account = "LocalSystem";
  return service;
}

void FillWithWineLikeServices(MemoryServices& services) {
  services.Add(Running("PlugPlay", "Plug and Play Service"));
  services.Add(Running("TarnixTestRunning", "Tarnix Test Running", svc::DemandStart));
  MemoryServices::Service stopped =
      Running("TarnixTestStopped", "Tarnix Test Stopped", svc::DemandStart);
  stopped.state = svc::Stopped;
  services.Add(stopped);
  MemoryServices::Service paused = Running("Spooler", "Print Spooler");
  paused.state = svc::Paused;
  services.Add(paused);
  MemoryServices::Service driver = Running("Disk", "Disk Driver", svc::SystemStart);
  driver.config.serviceType = svc::KernelDriver;
  services.Add(driver);
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

std::unique_ptr<ServicesTarget> MakeMemoryServicesTarget() {
  return std::make_unique<MemoryServicesTarget>();
}

INSTANTIATE_TEST_SUITE_P(Memory, ServicesConformance,
                         testing::Values(ServicesParam{"MemoryServices",
                                                       &MakeMemoryServicesTarget}),
                         ServicesParamName);

TEST(MemoryServicesTest, ListingSpansAsManyCallsAsTheManagerNeedsAndAFailureListsNothing) {
  MemoryServices services;
  for (int i = 0; i < 15; ++i) services.Add(Running("S" + std::to_string(i), "D"));
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

}  // namespace
}  // namespace tarnix
