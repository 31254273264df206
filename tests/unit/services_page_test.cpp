// The "NT Services" page and the start-type dialog on the memory service manager.
#include <gtest/gtest.h>

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
      if (radio != nullptr) {
        Click(Get<ui::RadioButton>(f, radio));
      }
      Click(Get<ui::Button>(f, button));
    });
  }
  // The dialog's radio buttons as it was shown: which of auto, manual, disabled were checked.
  std::vector<bool> CheckedWhenShown(int line) {
    std::vector<bool> checked;
    Startup(line, [&checked](ui::Form& f) {
      for (const char* name : {"r_auto", "r_man", "r_dis"}) {
        checked.push_back(Get<ui::RadioButton>(f, name).Checked());
      }
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

TEST_F(ServicesPageTest, WithoutAManagerOrWithAFailingListTheListStaysEmptyAndSilent) {
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
}

TEST_F(ServicesPageTest, BeforeNTThereIsNoServiceList) {
  store.SetPlatform(PlatformPreset::Windows98);
  CreateWithServices();
  EXPECT_EQ(List().Count(), 0);
  EXPECT_FALSE(List().Enabled());
  EXPECT_EQ(services.EnumerationCalls(), 0);
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

TEST_F(ServicesPageTest, EachChoiceBecomesItsStartType) {
  CreateWithServices();
  StartupAndPress(1, "r_auto");
  StartupAndPress(1, "r_dis");
  StartupAndPress(1, "r_man");
  EXPECT_EQ(services.Changes(),
            (std::vector<uint32_t>{svc::AutoStart, svc::Disabled, svc::DemandStart}));
  EXPECT_EQ(services.Find("RpcSs")->config.startType, svc::DemandStart);
  Startup(1, [](ui::Form& f) {
    Click(Get<ui::RadioButton>(f, "r_dis"));
    PressKey(f, ui::vk::Return);
  });
  EXPECT_EQ(services.Changes().back(), svc::Disabled) << "Enter presses OK";
}

TEST_F(ServicesPageTest, OkWithoutAChangeWritesTheSameStartTypeAndKeepsEverythingElse) {
  CreateWithServices();
  const ServiceConfig before = services.Find("PlugPlay")->config;
  StartupAndPress(0, nullptr);
  EXPECT_EQ(services.Changes(), std::vector<uint32_t>{svc::AutoStart});
  EXPECT_EQ(services.Find("PlugPlay")->config.binaryPath, before.binaryPath);
  EXPECT_EQ(services.OpenHandles(), 0);
}

TEST_F(ServicesPageTest, AServiceOrManagerThatCannotBeOpenedSaysWhyWithoutADialog) {
  CreateWithServices();
  List().SetItemIndex(0);
  services.faults().open["PlugPlay"] = ServiceFailure::AccessDenied;
  Main().Button1Click();
  const auto& denied = OnlyMessage();
  EXPECT_EQ(denied.caption, "Sorry!");
  EXPECT_NE(denied.text.find("administrator"), std::string::npos);
  EXPECT_EQ(denied.style, ui::mb::Ok | ui::mb::IconStop);
  EXPECT_EQ(denied.owner, "mform");
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[&] { services.faults().open["PlugPlay"] = ServiceFailure::Other; },
       "The service could not be opened."},
      {[&] { services.faults().openManager = ServiceFailure::Other; },
       "The service manager could not be opened."},
      {[&] {
         services.faults().openManager = ServiceFailure::None;
         List().Add("Vanished Service", kServiceRunningImage);
         List().SetItemIndex(2);
       },
       "The service no longer exists."},
  };
  for (const auto& [fault, text] : cases) {
    toolkit.TakeMessages();
    fault();
    Main().Button1Click();
    EXPECT_TRUE(Showed(text, "Error!", kErrorBox)) << text;
  }
  toolkit.TakeMessages();
  services.faults().openManager = ServiceFailure::AccessDenied;
  Main().Button1Click();
  EXPECT_EQ(OnlyMessage().caption, "Sorry!");
  EXPECT_TRUE(services.Changes().empty());
  EXPECT_EQ(services.OpenHandles(), 0);
}

TEST_F(ServicesPageTest, AFailingChangeIsReported) {
  CreateWithServices();
  services.faults().change["RpcSs"] = ServiceFailure::Other;
  StartupAndPress(1, "r_auto");
  EXPECT_TRUE(Showed("The start type of the service could not be changed.", "Error!", kErrorBox));
  toolkit.TakeMessages();
  services.faults().change["RpcSs"] = ServiceFailure::AccessDenied;
  StartupAndPress(1, "r_auto");
  EXPECT_EQ(OnlyMessage().caption, "Sorry!");
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
