// The Win32 service manager under Wine: the shared conformance suite, and the services page
// with its dialog on real windows, against private services registered for each test.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "app/app_resources.h"
#include "base/unicode_win32.h"
#include "conformance/services_conformance.h"
#include "platform/services_win32.h"
#include "platform/store_win32.h"
#include "services/services_page.h"
#include "win32/service_support.h"
#include "win32/ui_win32_support.h"

namespace tarnix {
namespace {

using service_test::PrivateService;
using service_test::ServiceKeyValue;
using service_test::TestServiceProgram;
using ui::testing::Kit;
using ui::testing::PumpUntil;
using ui::testing::Rescue;
using ui::testing::User;
using ui::testing::WaitForWindow;

// Names of this process's own, so that two test programs never share a service.
std::wstring Unique(const std::wstring& name) {
  return name + std::to_wstring(GetCurrentProcessId());
}

class Win32Target : public ServicesTarget {
 public:
  Win32Target()
      : running_(Unique(L"TarnixConfRun"), Unique(L"Tarnix Conformance Running "),
                 TestServiceProgram()),
        stopped_(Unique(L"TarnixConfStop"), Unique(L"Tarnix Conformance Stopped ")),
        paged_(256) {
    EXPECT_TRUE(running_.Created());
    EXPECT_TRUE(stopped_.Created());
    EXPECT_TRUE(running_.Start());
  }
  ServiceControl& services() override { return whole_; }
  ServiceControl& pagedServices() override { return paged_; }
  std::string runningKey() const override { return Narrow(running_.name()); }
  std::string runningDisplayName() const override { return Narrow(running_.displayName()); }
  std::string stoppedKey() const override { return Narrow(stopped_.name()); }
  std::string stoppedDisplayName() const override { return Narrow(stopped_.displayName()); }

 private:
  PrivateService running_, stopped_;
  Win32Services whole_, paged_;
};

std::unique_ptr<ServicesTarget> MakeWin32Target() {
  return std::make_unique<Win32Target>();
}

INSTANTIATE_TEST_SUITE_P(Win32, ServicesConformance,
                         testing::Values(ServicesParam{"Win32Services", &MakeWin32Target}),
                         ServicesParamName);

// The page's list and dialog on real windows, with the main window's state pictures.
class ServicesPageWin32 : public ::testing::Test {
 protected:
  ServicesPageWin32()
      : service(Unique(L"TarnixPage"), Unique(L"Tarnix Page Service "), TestServiceProgram()),
        ws(store, Kit()),
        dialog(Kit()) {
    ui::FormSpec spec{"mform", "TServicesHost", "Services host", 480, 360};
    form = Kit().CreateForm(spec);
    ui::ImageList* sem = form->AddImageList({"sem", 12, 12, {IDB_SEM_RUNNING, IDB_SEM_OTHER}});
    ui::ListBoxSpec list{"lsbNTServ", {8, 8, 457, 300}, sem};
    list.variableHeight = true;
    ws.views.lsbNTServ = form->AddListBox(list);
    ws.mainForm = form.get();
    form->Show();
  }
  ~ServicesPageWin32() override { form->Hide(); }

  ui::ListBox& List() { return *ws.views.lsbNTServ; }
  int Line(const std::wstring& displayName) {
    const std::vector<std::string> items = List().Items();
    auto found = std::find(items.begin(), items.end(), Narrow(displayName));
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
  }
  void Relist() {
    List().Clear();
    ListServices(ws, &services);
  }
  // "&Startup" on the service's line; `user` acts on the dialog's window from a second thread.
  void Startup(const std::function<void(HWND)>& user) {
    ASSERT_GE(Line(service.displayName()), 0);
    std::atomic<bool> done{false};
    User thread([&] {
      HWND window = WaitForWindow(L"TfrmServ", L"Service Startup");
      if (window != nullptr) {
        user(window);
      }
      done = true;
    });
    StartupButton(ws, &services, dialog, Narrow(service.displayName()));
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 10000));
  }
  static void Press(HWND window, const wchar_t* name) {
    SendMessageW(ui::win32::FindControl(window, name), BM_CLICK, 0, 0);
  }
  static bool Checked(HWND window, const wchar_t* name) {
    return SendMessageW(ui::win32::FindControl(window, name), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  PrivateService service;
  Win32Store store;
  Win32Services services;
  Workspace ws;
  TfrmServ dialog;
  std::unique_ptr<ui::Form> form;
};

TEST_F(ServicesPageWin32, ARunningServiceIsListedWithTheRunningPictureAndGoneOnceStopped) {
  ASSERT_TRUE(service.Created());
  ASSERT_TRUE(service.Start());
  Relist();
  const int line = Line(service.displayName());
  ASSERT_GE(line, 0);
  EXPECT_EQ(List().ItemImage(line), kServiceRunningImage);
  EXPECT_GE(Line(L"Plug and Play Service"), 0);
  ASSERT_TRUE(service.Stop());
  Relist();
  EXPECT_EQ(Line(service.displayName()), -1);
  EXPECT_GE(Line(L"Plug and Play Service"), 0);
}

TEST_F(ServicesPageWin32, AStartTypeChosenInTheDialogIsInTheServicesKey) {
  Rescue rescue({L"TfrmServ"}, 30000);
  ASSERT_TRUE(service.Start());
  Relist();
  bool manualShown = false;
  Startup([&](HWND window) {
    manualShown = Checked(window, L"r_man") && !Checked(window, L"r_auto");
    Press(window, L"r_dis");
    Press(window, L"BitBtn1");
  });
  EXPECT_TRUE(manualShown);
  EXPECT_EQ(ServiceKeyValue(service.name(), L"Start"), std::optional<std::string>("0x4"));
  Startup([&](HWND window) {
    Press(window, L"r_auto");
    Press(window, L"BitBtn1");
  });
  EXPECT_EQ(ServiceKeyValue(service.name(), L"Start"), std::optional<std::string>("0x2"));
  Startup([&](HWND window) {
    Press(window, L"r_dis");
    Press(window, L"BitBtn2");
  });
  EXPECT_EQ(ServiceKeyValue(service.name(), L"Start"), std::optional<std::string>("0x2"));
}

TEST_F(ServicesPageWin32, OkWithoutAChangeKeepsEverySettingOfTheService) {
  Rescue rescue({L"TfrmServ"}, 30000);
  ASSERT_TRUE(service.Start());
  Relist();
  const wchar_t* const kept[] = {L"ImagePath", L"ErrorControl", L"ObjectName", L"DisplayName"};
  std::vector<std::optional<std::string>> before;
  for (const wchar_t* value : kept) before.push_back(ServiceKeyValue(service.name(), value));
  ASSERT_TRUE(before[0].has_value());
  Startup([&](HWND window) {
    Sleep(500);  // the dialog paints its controls after it shows
    ui::testing::SaveScreenshot(window, "service_startup_dialog.bmp");
    Press(window, L"BitBtn1");
  });
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(ServiceKeyValue(service.name(), kept[i]), before[i]) << Narrow(kept[i]);
  }
  EXPECT_EQ(ServiceKeyValue(service.name(), L"Start"), std::optional<std::string>("0x3"));
}

}  // namespace
}  // namespace tarnix
