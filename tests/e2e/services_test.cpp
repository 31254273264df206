// The "NT Services" page of tarnix2.exe as a user sees it: the services that run under Wine,
// a private one of the test's among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "e2e/support/desktop.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"
#include "win32/service_support.h"

namespace e2e {
namespace {

constexpr int kServicesPage = 5;  // the tab of "NT Services"

// The display names of the running Win32 services, as the test itself asks the manager.
std::set<std::wstring> RunningServices() {
  std::set<std::wstring> names;
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE);
  if (manager == nullptr) {
    return names;
  }
  DWORD needed = 0, returned = 0, resume = 0;
  EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_ACTIVE, nullptr, 0, &needed, &returned,
                      &resume);
  std::vector<ENUM_SERVICE_STATUSW> buffer(needed / sizeof(ENUM_SERVICE_STATUSW) + 64);
  resume = 0;
  if (EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_ACTIVE, buffer.data(),
                          static_cast<DWORD>(buffer.size() * sizeof(buffer[0])), &needed, &returned,
                          &resume)) {
    for (DWORD i = 0; i < returned; ++i) {
      if (buffer[i].ServiceStatus.dwCurrentState == SERVICE_RUNNING &&
          buffer[i].lpDisplayName[0] != L'\0') {
        names.insert(buffer[i].lpDisplayName);
      }
    }
  }
  CloseServiceHandle(manager);
  return names;
}

TEST(ServicesPageE2E, TheServicesPageListsTheServicesRunningUnderWine) {
  const std::wstring name = L"TarnixE2E" + std::to_wstring(GetCurrentProcessId());
  tarnix::service_test::PrivateService service(name, L"Tarnix End To End " + name,
                                               tarnix::service_test::TestServiceProgram());
  ASSERT_TRUE(service.Created());
  ASSERT_TRUE(service.Start());
  ASSERT_TRUE(SnapshotCurrentState());
  const std::set<std::wstring> before = RunningServices();
  TarnixProcess process;
  ASSERT_TRUE(process.Started());
  HWND main = WaitForMainWindow(process, kStartTime);
  ASSERT_NE(main, nullptr);
  HWND list = WaitForControl(main, L"lsbNTServ", kShortTime);
  ASSERT_NE(list, nullptr);
  const std::vector<std::wstring> items = ListItems(list);
  const std::set<std::wstring> after = RunningServices();

  EXPECT_TRUE(IsWindowEnabled(list));
  EXPECT_EQ(std::set<std::wstring>(items.begin(), items.end()).size(), items.size());
  EXPECT_NE(std::find(items.begin(), items.end(), service.displayName()), items.end());
  EXPECT_NE(std::find(items.begin(), items.end(), L"Plug and Play Service"), items.end());
  for (const std::wstring& running : before) {
    if (after.count(running)) {
      EXPECT_NE(std::find(items.begin(), items.end(), running), items.end())
          << "running throughout but not listed";
    }
  }
  EXPECT_EQ(WindowText(FindNamedControl(main, L"Button1")), L"&Startup");
  EXPECT_EQ(WindowText(FindNamedControl(main, L"Button2")), L"Event Viewer");

  // The user turns to the page, selects the service and makes it disabled.
  HWND pages = FindNamedControl(main, L"PageControl1");
  for (int page = 0; page < kServicesPage; ++page) {
    PostKey(pages, VK_RIGHT);
  }
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, kShortTime));
  const auto line = std::find(items.begin(), items.end(), service.displayName()) - items.begin();
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  Sleep(500);
  EXPECT_TRUE(SaveScreenshot(main, L"services_page.bmp"));
  Click(main, L"Button1");
  HWND dialog = WaitForWindow(process.Id(), L"TfrmServ", kShortTime, L"Service Startup");
  ASSERT_NE(dialog, nullptr);
  HWND manual = WaitForControl(dialog, L"r_man", kShortTime);
  EXPECT_EQ(SendMessageW(manual, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(FindNamedControl(dialog, L"r_dis"), BM_CLICK, 0, 0);
  Click(dialog, L"BitBtn1");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, kShortTime));
  EXPECT_TRUE(WaitUntil(
      [&] {
        return tarnix::service_test::ServiceKeyValue(name, L"Start") ==
               std::optional<std::string>("0x4");
      },
      kShortTime));
  // Esc on a list ends the program by its save prompt, which asks nothing here.
  PostKey(FindNamedControl(main, L"ListBox3"), VK_ESCAPE);
  EXPECT_EQ(process.WaitForExit(kShortTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
