// The rights the services page asks of the service manager under Wine, seen where each handle is
// opened: the list asks only to connect and enumerate, a start-type change only to query and
// change a service's configuration, and each works with what it asked for. Wine checks a
// handle's access on every call, as the last test shows, so too little would fail here.
#include <gtest/gtest.h>

#include <algorithm>
#include <ios>
#include <string>
#include <vector>

#include "base/unicode_win32.h"
#include "fakes/headless/driver.h"
#include "fakes/store_memory.h"
#include "platform/services_win32.h"
#include "services/services_page.h"
#include "win32/service_support.h"

namespace tarnix {
namespace {

using service_test::PrivateService;
using service_test::ServiceKeyValue;

// What each open asked for. A service is opened with `withheld` taken away from that.
struct Asked {
  std::vector<DWORD> manager, service;
};

ServiceOpeners Recording(Asked& asked, DWORD withheld = 0) {
  const ServiceOpeners platform = PlatformServiceOpeners();
  return {[&asked, platform](DWORD access) {
            asked.manager.push_back(access);
            return platform.manager(access);
          },
          [&asked, platform, withheld](SC_HANDLE manager, const std::wstring& name, DWORD access) {
            asked.service.push_back(access);
            return platform.service(manager, name, access & ~withheld);
          }};
}

// Whether each mask holds no right outside `needed`.
::testing::AssertionResult Within(const std::vector<DWORD>& masks, DWORD needed) {
  for (DWORD mask : masks) {
    if ((mask & ~needed) != 0)
      return ::testing::AssertionFailure()
             << std::hex << "asked 0x" << mask << ", needed 0x" << needed;
  }
  return ::testing::AssertionSuccess();
}

constexpr DWORD kListing = SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE;
constexpr DWORD kConfiguring = SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG;

// The services page on a headless window, with a private service of this process's own.
class ServiceRightsTest : public ::testing::Test {
 protected:
  ServiceRightsTest()
      : service_(L"TarnixRights" + std::to_wstring(GetCurrentProcessId()),
                 L"Tarnix Rights " + std::to_wstring(GetCurrentProcessId()),
                 service_test::TestServiceProgram()),
        main_(toolkit_.CreateForm({"mform", "Tmform", "Tarnix2", 400, 300})),
        dialog_(toolkit_) {
    toolkit_.SetAutoAcknowledge(true);
    ws_.mainForm = main_.get();
    ws_.views.lsbNTServ = main_->AddListBox({"lsbNTServ", {}});
  }
  // "&Startup" on the private service, Disabled chosen in the dialog.
  void DisableTheService(ServiceControl& services) {
    toolkit_.OnModal("TfrmServ", [this](ui::Form&) {
      ui::headless::Click(*dialog_.r_dis);
      ui::headless::Click(*dialog_.BitBtn1);
    });
    StartupButton(ws_, &services, dialog_, Narrow(service_.displayName()));
  }
  std::optional<std::string> StartType() { return ServiceKeyValue(service_.name(), L"Start"); }

  PrivateService service_;
  ui::headless::HeadlessToolkit toolkit_;
  MemoryStore store_;
  Workspace ws_{store_, toolkit_};
  std::unique_ptr<ui::Form> main_;
  TfrmServ dialog_;
  Asked asked_;
};

TEST_F(ServiceRightsTest, TheListAsksOnlyToConnectAndEnumerate) {
  ASSERT_TRUE(service_.Created() && service_.Start());
  Win32Services services(64 * 1024, Recording(asked_));
  ListServices(ws_, &services);
  const std::vector<std::string> listed = ws_.views.lsbNTServ->Items();
  EXPECT_NE(std::find(listed.begin(), listed.end(), Narrow(service_.displayName())), listed.end());
  ASSERT_FALSE(asked_.manager.empty());
  EXPECT_TRUE(Within(asked_.manager, kListing));
  EXPECT_TRUE(asked_.service.empty());
}

TEST_F(ServiceRightsTest, AStartTypeChangeAsksOnlyToQueryAndChangeTheConfiguration) {
  ASSERT_TRUE(service_.Created());
  ASSERT_EQ(StartType(), "0x3");
  Win32Services services(64 * 1024, Recording(asked_));
  DisableTheService(services);
  EXPECT_TRUE(toolkit_.Messages().empty());
  EXPECT_EQ(StartType(), "0x4");
  ASSERT_EQ(asked_.service.size(), 1u);
  EXPECT_TRUE(Within(asked_.service, kConfiguring));
  EXPECT_TRUE(Within(asked_.manager, kListing));
}

TEST_F(ServiceRightsTest, WithoutTheRightToChangeTheConfigurationTheChangeIsRefused) {
  ASSERT_TRUE(service_.Created());
  Win32Services services(64 * 1024, Recording(asked_, SERVICE_CHANGE_CONFIG));
  DisableTheService(services);
  EXPECT_EQ(StartType(), "0x3");
  ASSERT_FALSE(toolkit_.Messages().empty());
  EXPECT_NE(toolkit_.Messages()[0].text.find("administrator"), std::string::npos);
}

}  // namespace
}  // namespace tarnix
