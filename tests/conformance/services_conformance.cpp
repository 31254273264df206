#include "conformance/services_conformance.h"

#include <algorithm>
#include <set>
#include <vector>

#include "base/text_case.h"

namespace tarnix {

// Test programs that do not test a service manager link this file too.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ServicesConformance);

std::unique_ptr<ServiceManagerHandle> ServicesConformance::Manager() {
  Opened<ServiceManagerHandle> manager = target_->services().OpenManager();
  EXPECT_NE(manager.handle, nullptr);
  EXPECT_EQ(manager.failure, ServiceFailure::None);
  return std::move(manager.handle);
}

std::unique_ptr<ServiceHandle> ServicesConformance::OpenForChange(const std::string& keyName) {
  auto manager = Manager();
  if (!manager)
    return nullptr;
  Opened<ServiceHandle> service = manager->OpenForChange(keyName);
  EXPECT_NE(service.handle, nullptr) << keyName;
  EXPECT_EQ(service.failure, ServiceFailure::None);
  return std::move(service.handle);
}

ServiceConfig ServicesConformance::Config(const std::string& keyName) {
  ServiceConfig config;
  if (auto service = OpenForChange(keyName)) {
    EXPECT_EQ(service->QueryConfig(config), ServiceFailure::None);
  }
  return config;
}

namespace {

std::vector<ServiceEntry> Listed(ServiceControl& control) {
  std::vector<ServiceEntry> services;
  Opened<ServiceManagerHandle> manager = control.OpenManager();
  EXPECT_NE(manager.handle, nullptr);
  if (manager.handle) {
    EXPECT_EQ(ListActiveServices(*manager.handle, services), ServiceFailure::None);
  }
  return services;
}

const ServiceEntry* FindListed(const std::vector<ServiceEntry>& services,
                               const std::string& keyName) {
  auto found = std::find_if(services.begin(), services.end(), [&](const ServiceEntry& entry) {
    return FoldCase(entry.keyName) == FoldCase(keyName);
  });
  return found == services.end() ? nullptr : &*found;
}

std::multiset<std::string> KeyNames(const std::vector<ServiceEntry>& services) {
  std::multiset<std::string> names;
  for (const auto& entry : services) names.insert(FoldCase(entry.keyName));
  return names;
}

}  // namespace

TEST_P(ServicesConformance, ListsEachActiveServiceOnceWithItsNamesInOneCallOrSeveral) {
  const std::vector<ServiceEntry> services = Listed(target_->services());
  const ServiceEntry* running = FindListed(services, target_->runningKey());
  ASSERT_NE(running, nullptr);
  EXPECT_EQ(running->displayName, target_->runningDisplayName());
  EXPECT_EQ(running->currentState, svc::Running);
  EXPECT_EQ(FindListed(services, target_->stoppedKey()), nullptr);
  for (const auto& entry : services) {
    EXPECT_GE(entry.currentState, svc::StartPending) << entry.keyName;
    EXPECT_LE(entry.currentState, svc::Paused) << entry.keyName;
  }
  const auto names = KeyNames(services);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  EXPECT_EQ(KeyNames(Listed(target_->pagedServices())), names);
}

TEST_P(ServicesConformance, LooksUpKeyNamesAndSaysWhenAServiceDoesNotExist) {
  auto manager = Manager();
  ASSERT_NE(manager, nullptr);
  std::string keyName;
  EXPECT_EQ(manager->KeyName(target_->runningDisplayName(), keyName), ServiceFailure::None);
  EXPECT_EQ(FoldCase(keyName), FoldCase(target_->runningKey()));
  EXPECT_EQ(manager->KeyName(target_->stoppedDisplayName(), keyName), ServiceFailure::None);
  EXPECT_EQ(FoldCase(keyName), FoldCase(target_->stoppedKey()));
  EXPECT_EQ(manager->KeyName("Tarnix no such service display", keyName),
            ServiceFailure::NoSuchService);
  Opened<ServiceHandle> missing = manager->OpenForChange("TarnixNoSuchService");
  EXPECT_EQ(missing.handle, nullptr);
  EXPECT_EQ(missing.failure, ServiceFailure::NoSuchService);
  // A service handle outlives its manager handle.
  Opened<ServiceHandle> service = manager->OpenForChange(target_->runningKey());
  ASSERT_NE(service.handle, nullptr);
  manager.reset();
  ServiceConfig config;
  EXPECT_EQ(service.handle->QueryConfig(config), ServiceFailure::None);
  EXPECT_EQ(config.displayName, target_->runningDisplayName());
}

TEST_P(ServicesConformance, QueriesTheConfigurationAndChangesTheStartTypeAlone) {
  const ServiceConfig before = Config(target_->stoppedKey());
  EXPECT_EQ(before.startType, svc::DemandStart);
  EXPECT_EQ(before.serviceType & svc::OwnProcess, svc::OwnProcess);
  EXPECT_EQ(before.displayName, target_->stoppedDisplayName());
  EXPECT_FALSE(before.binaryPath.empty());
  for (uint32_t startType : {svc::Disabled, svc::AutoStart, svc::DemandStart}) {
    auto service = OpenForChange(target_->stoppedKey());
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(service->ChangeStartType(startType), ServiceFailure::None);
    service.reset();
    const ServiceConfig after = Config(target_->stoppedKey());
    EXPECT_EQ(after.startType, startType);
    EXPECT_EQ(after.serviceType, before.serviceType);
    EXPECT_EQ(after.errorControl, before.errorControl);
    EXPECT_EQ(after.binaryPath, before.binaryPath);
    EXPECT_EQ(after.loadOrderGroup, before.loadOrderGroup);
    EXPECT_EQ(after.account, before.account);
    EXPECT_EQ(after.displayName, before.displayName);
  }
}

}  // namespace tarnix
