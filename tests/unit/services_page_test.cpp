// The "NT Services" page and the start-type dialog on the memory service manager.
#include <gtest/gtest.h>

#include <tuple>

#include "app_fixture.h"
#include "fakes/services_memory.h"
#include "services/services_page.h"

namespace tarnix {
namespace {

using namespace ui::headless;

MemoryServices::Service Service(const std::string& key, const std::string& display, uint32_t state,
                                uint32_t startType) {
  MemoryServices::Service service{key, display, state, {}};
  service.config.startType = startType;
  service.config.errorControl = 1;
  service.config.binaryPath = "C:\\windows\\system32\\" + key + ".exe";
  service.config.account = "LocalSystem";
  return service;
}

class ServicesPageTest : public AppTest {
 protected:
  ServicesPageTest() {
    services.Add(Service("PlugPlay", "Plug and Play Service", svc::Running, svc::AutoStart));
    services.Add(Service("RpcSs", "Remote Procedure Call", svc::Running, svc::DemandStart));
  }
  // Creates the windows with the memory manager; the main window lists the services.
  Program& CreateWithServices() {
    program = std::make_unique<Program>(store, toolkit, &services);
    return *program;
  }
  ui::ListBox& List() { return *Main().lsbNTServ; }
  TfrmServ& Dialog() { return program->frmServ; }
  std::vector<int> Images() {
    std::vector<int> images;
    for (int i = 0; i < List().Count(); ++i) images.push_back(List().ItemImage(i));
    return images;
  }
  // "&Startup" on the line; `user` acts in the dialog.
  void Startup(int line, std::function<void(ui::Form&)> user) {
    List().SetItemIndex(line);
    toolkit.OnModal("TfrmServ", std::move(user));
    Main().Button1Click();
  }
  void StartupAndPress(int line, const char* radio, const char* button = "BitBtn1") {
    Startup(line, [radio, button](ui::Form& f) {
      if (radio != nullptr)
        Click(Get<ui::RadioButton>(f, radio));
      Click(Get<ui::Button>(f, button));
    });
  }
  // The dialog's radio buttons as it was shown: which of auto, manual, disabled were checked.
  std::vector<bool> CheckedWhenShown(int line) {
    std::vector<bool> checked;
    Startup(line, [&checked](ui::Form& f) {
      for (const char* name : {"r_auto", "r_man", "r_dis"})
        checked.push_back(Get<ui::RadioButton>(f, name).Checked());
      Click(Get<ui::Button>(f, "BitBtn2"));
    });
    return checked;
  }
  const ui::headless::MessageRecord& OnlyMessage() {
    EXPECT_EQ(toolkit.Messages().size(), 1u);
    return toolkit.Messages().back();
  }

  MemoryServices services;
};

TEST_F(ServicesPageTest, ListsTheActiveServicesInTheManagersOrderWithTheirStatePictures) {
  services.Add(Service("Zeta", "Zeta Service", svc::Paused, svc::AutoStart));
  services.Add(Service("Alpha", "Alpha Service", svc::StartPending, svc::AutoStart));
  services.Add(Service("Gone", "Stopped Service", svc::Stopped, svc::DemandStart));
  services.Add(Service("NoName", "", svc::Running, svc::DemandStart));
  services.Add(Service("Busy", "Stopping Service", svc::StopPending, svc::DemandStart));
  MemoryServices::Service driver = Service("Disk", "Disk Driver", svc::Running, svc::BootStart);
  driver.config.serviceType = svc::KernelDriver;
  services.Add(driver);
  CreateWithServices();
  EXPECT_EQ(List().Items(),
            (std::vector<std::string>{"Plug and Play Service", "Remote Procedure Call",
                                      "Zeta Service", "Alpha Service", "Stopping Service"}));
  EXPECT_EQ(Images(), (std::vector<int>{0, 0, 1, 1, 1}));
  EXPECT_EQ(services.OpenHandles(), 0);
  EXPECT_TRUE(List().Enabled());
}

TEST_F(ServicesPageTest, WithoutAManagerAFailingListOrNTTheListStaysEmptyAndSilent) {
  services.faults().openManager = ServiceFailure::AccessDenied;
  CreateWithServices();
  EXPECT_EQ(List().Count(), 0);
  services.faults().openManager = ServiceFailure::None;
  services.faults().enumerate = ServiceFailure::Other;
  CreateWithServices();
  EXPECT_EQ(List().Count(), 0);
  Create();  // no service manager at all
  EXPECT_EQ(List().Count(), 0);
  Main().Button1Click();  // no line: an unscripted dialog would throw
  EXPECT_TRUE(toolkit.Messages().empty());
  EXPECT_TRUE(services.Changes().empty());
  store.SetPlatform(PlatformPreset::Windows98);
  services.faults().enumerate = ServiceFailure::None;
  const int calls = services.EnumerationCalls();
  CreateWithServices();
  EXPECT_EQ(List().Count(), 0);
  EXPECT_FALSE(List().Enabled());
  EXPECT_EQ(services.EnumerationCalls(), calls) << "before NT there is no service list";
}

TEST_F(ServicesPageTest, TheDialogShowsTheStartTypeOfEachServiceAnew) {
  services.Add(Service("Off", "Switched Off", svc::Paused, svc::Disabled));
  services.Add(Service("Boot", "Boot Service", svc::Running, svc::SystemStart));
  CreateWithServices();
  EXPECT_EQ(CheckedWhenShown(0), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(CheckedWhenShown(1), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(CheckedWhenShown(2), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(CheckedWhenShown(3), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(services.OpenHandles(), 0);

  // An unreadable configuration checks nothing, and OK then changes nothing.
  CheckedWhenShown(0);
  services.faults().query["RpcSs"] = ServiceFailure::Other;
  EXPECT_EQ(CheckedWhenShown(1), (std::vector<bool>{false, false, false}));
  StartupAndPress(1, nullptr);
  EXPECT_TRUE(services.Changes().empty());
  EXPECT_TRUE(toolkit.Messages().empty());
  StartupAndPress(1, "r_dis");  // a choice the user made is still carried out
  EXPECT_EQ(services.Changes(), std::vector<uint32_t>{svc::Disabled});
}

// OK without a change writes the start type shown, and only that.
TEST_F(ServicesPageTest, EachChoiceBecomesItsStartType) {
  CreateWithServices();
  const ServiceConfig before = services.Find("PlugPlay")->config;
  StartupAndPress(0, nullptr);
  EXPECT_EQ(services.Find("PlugPlay")->config.binaryPath, before.binaryPath);
  StartupAndPress(1, "r_auto");
  StartupAndPress(1, "r_dis");
  StartupAndPress(1, "r_man");
  EXPECT_EQ(services.Changes(), (std::vector<uint32_t>{svc::AutoStart, svc::AutoStart,
                                                       svc::Disabled, svc::DemandStart}));
  EXPECT_EQ(services.Find("RpcSs")->config.startType, svc::DemandStart);
  EXPECT_EQ(services.OpenHandles(), 0);
  Startup(1, [](ui::Form& f) {
    Click(Get<ui::RadioButton>(f, "r_dis"));
    PressKey(f, ui::vk::Return);
  });
  EXPECT_EQ(services.Changes().back(), svc::Disabled) << "Enter presses OK";
}

// What cannot be opened or changed says why; nothing changes and no handle stays open.
TEST_F(ServicesPageTest, WhatCannotBeOpenedOrChangedSaysWhy) {
  CreateWithServices();
  using F = MemoryServices::Faults;
  const ServiceFailure denied = ServiceFailure::AccessDenied, other = ServiceFailure::Other;
  List().Add("Vanished Service", kServiceRunningImage);
  // The fault, the line, whether a change is asked for, and the error told (none: no rights).
  const std::tuple<std::function<void(F&)>, int, bool, const char*> cases[] = {
      {[=](F& f) { f.open["PlugPlay"] = denied; }, 0, false, nullptr},
      {[=](F& f) { f.open["PlugPlay"] = other; }, 0, false, "The service could not be opened."},
      {[=](F& f) { f.openManager = other; }, 0, false, "The service manager could not be opened."},
      {[=](F& f) { f.openManager = denied; }, 0, false, nullptr},
      {[](F&) {}, 2, false, "The service no longer exists."},
      {[=](F& f) { f.change["RpcSs"] = other; }, 1, true,
       "The start type of the service could not be changed."},
      {[=](F& f) { f.change["RpcSs"] = denied; }, 1, true, nullptr}};
  for (const auto& [fault, line, change, text] : cases) {
    toolkit.TakeMessages();
    services.faults() = {};
    fault(services.faults());
    if (change) {
      StartupAndPress(line, "r_auto");
    } else {
      EXPECT_TRUE(services.Changes().empty());
      List().SetItemIndex(line);
      Main().Button1Click();
    }
    const auto& said = OnlyMessage();
    EXPECT_EQ(said.caption, text ? "Error!" : "Sorry!") << said.text;
    EXPECT_EQ(said.text.find("administrator") != std::string::npos, text == nullptr) << said.text;
    EXPECT_TRUE(text == nullptr || said.text == text) << said.text;
    EXPECT_EQ(said.style, kErrorBox);
    EXPECT_EQ(said.owner, "mform");
  }
  EXPECT_EQ(services.Find("RpcSs")->config.startType, svc::DemandStart);
  EXPECT_EQ(services.OpenHandles(), 0);
}

TEST_F(ServicesPageTest, TheEventViewerIsStartedMaximised) {
  CreateWithServices();
  Main().Button2Click();
  ASSERT_EQ(toolkit.Programs().size(), 1u);
  EXPECT_EQ(toolkit.Programs().front().commandLine, "EVENTVWR.EXE");
  EXPECT_EQ(toolkit.Programs().front().showCommand, ui::sw::Maximized);
}

}  // namespace
}  // namespace tarnix
