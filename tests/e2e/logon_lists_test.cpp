// The logon lists as a user meets them: what another program puts in the 32-bit Run, in RunOnce
// and behind explorer.exe in Winlogon's Shell after the first launch is reported by the logon
// check and changed back; what was there at the first launch is shown on the Logon page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

constexpr DWORD kStartTime = 30000;
const wchar_t kName[] = L"E2E Logon";
// Where 32-bit installers' entries land on 64-bit Windows, and Wine's prefix alike.
const wchar_t kRun32[] = L"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunOnce[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const wchar_t kWinlogon[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

std::wstring Value(HKEY root, const wchar_t* path, const wchar_t* name) {
  wchar_t data[512] = L"<none>";
  DWORD size = sizeof data;
  RegGetValueW(root, path, name, RRF_RT_REG_SZ, nullptr, data, &size);
  return data;
}

class LogonListsE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Value(HKEY_LOCAL_MACHINE, kWinlogon, L"Shell"), L"explorer.exe");
  }
  void TearDown() override {
    DeleteValue(HKEY_LOCAL_MACHINE, kRun32, kName);
    DeleteValue(HKEY_CURRENT_USER, kRunOnce, kName);
    SetStringValue(HKEY_LOCAL_MACHINE, kWinlogon, L"Shell", L"explorer.exe");
  }
  void Seed() {
    ASSERT_TRUE(SetStringValue(HKEY_LOCAL_MACHINE, kRun32, kName, L"C:\\e2e\\app32.exe"));
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunOnce, kName, L"C:\\e2e\\once.exe"));
  }
};

TEST_F(LogonListsE2E, NewEntriesAreReportedAtLogonAndChangedBack) {
  ASSERT_TRUE(SnapshotCurrentState());
  Seed();
  ASSERT_TRUE(SetStringValue(HKEY_LOCAL_MACHINE, kWinlogon, L"Shell", L"explorer.exe evil.exe"));
  TarnixProcess check(L"/c");
  // One report after the other, in the catalogue's order, each changed back.
  for (const wchar_t* line :
       {L"C:\\e2e\\app32.exe", L"C:\\e2e\\once.exe", L"Shell=explorer.exe evil.exe"}) {
    HWND report = nullptr, list = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
          report = FindProcessWindow(check.Id(), L"TForm1");
          list = report ? FindNamedControl(report, L"ListBox1") : nullptr;
          return list != nullptr && ListContains(list, line);
        },
        kStartTime))
        << line;
    PostMessageW(FindNamedControl(report, L"btnCancel"), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(report) || !ListContains(list, line); }, kStartTime);
  }
  EXPECT_EQ(check.WaitForExit(kStartTime), std::optional<DWORD>(0));
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kRun32, kName) + Value(HKEY_CURRENT_USER, kRunOnce, kName),
            L"<none><none>");
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kWinlogon, L"Shell"), L"explorer.exe");
  std::ifstream in(std::filesystem::path(ProgramPath()).parent_path() / L"tx2log.txt");
  const std::string log{std::istreambuf_iterator<char>(in), {}};
  EXPECT_NE(log.find("\\CurrentVersion\\Run (32-bit) are cancelled"), std::string::npos);
  EXPECT_NE(log.find("\\CurrentVersion\\RunOnce are cancelled"), std::string::npos);
  EXPECT_NE(log.find("\\CurrentVersion\\Winlogon are cancelled"), std::string::npos);
}

TEST_F(LogonListsE2E, EntriesThereAtTheFirstLaunchAreShownOnTheLogonPage) {
  Seed();
  ASSERT_TRUE(SnapshotCurrentState());
  TarnixProcess program;
  HWND main = WaitForMainWindow(program, kStartTime);
  ASSERT_NE(main, nullptr);
  HWND list = WaitForControl(main, L"lsbLogon", kStartTime);
  for (const wchar_t* line :
       {L"HKLM Run (32-bit)\tE2E Logon\tC:\\e2e\\app32.exe",
        L"HKCU RunOnce\tE2E Logon\tC:\\e2e\\once.exe", L"HKLM Winlogon\tShell\texplorer.exe"})
    EXPECT_TRUE(ListContains(list, line)) << line;
  for (int page = 0; page < 8; ++page) PostKey(FindNamedControl(main, L"PageControl1"), VK_RIGHT);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, kStartTime));
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  Sleep(500);
  EXPECT_TRUE(SaveScreenshot(main, L"logon_page.bmp"));
  PostKey(list, VK_ESCAPE);
  EXPECT_EQ(program.WaitForExit(kStartTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
