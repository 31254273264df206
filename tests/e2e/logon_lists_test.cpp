// The logon lists as a user meets them: what another program puts in the 32-bit Run, in RunOnce
// and behind explorer.exe in Winlogon's Shell after the first launch is reported by the logon
// check and changed back; what was there at the first launch is shown on the Logon page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

constexpr DWORD kStartTime = 30000;
constexpr DWORD kShortTime = 10000;
const wchar_t kName[] = L"E2E Logon";
const wchar_t kRunOncePath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const wchar_t kWinlogonPath[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

// A value of HKLM in the registry as 32-bit programs see it; nothing when it is missing.
std::optional<std::wstring> Value32(const wchar_t* path, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
    return std::nullopt;
  wchar_t data[512] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  const LONG rc =
      RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS ? std::optional<std::wstring>(data) : std::nullopt;
}

bool Set32(const wchar_t* path, const wchar_t* name, const std::wstring& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG rc = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

std::optional<std::wstring> Shell() {
  wchar_t data[512] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kWinlogonPath, L"Shell", RRF_RT_REG_SZ, nullptr, data,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(data);
}

std::string Log() {
  std::ifstream in(std::filesystem::path(ProgramPath()).parent_path() / L"tx2log.txt",
                   std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class LogonListsE2E : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Shell(), std::optional<std::wstring>(L"explorer.exe")); }
  void TearDown() override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunPath, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &key) ==
        ERROR_SUCCESS) {
      RegDeleteValueW(key, kName);
      RegCloseKey(key);
    }
    DeleteValue(HKEY_CURRENT_USER, kRunOncePath, kName);
    SetStringValue(HKEY_LOCAL_MACHINE, kWinlogonPath, L"Shell", L"explorer.exe");
  }
};

TEST_F(LogonListsE2E, NewEntriesAreReportedAtLogonAndChangedBack) {
  ASSERT_TRUE(SnapshotCurrentState());
  ASSERT_TRUE(Set32(kRunPath, kName, L"C:\\e2e\\app32.exe"));
  ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunOncePath, kName, L"C:\\e2e\\once.exe"));
  ASSERT_TRUE(
      SetStringValue(HKEY_LOCAL_MACHINE, kWinlogonPath, L"Shell", L"explorer.exe evil.exe"));
  EXPECT_FALSE(Value32(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices", kName));

  TarnixProcess check(L"/c");
  // The reports come in the catalogue's order, each changed back.
  for (const wchar_t* line :
       {L"C:\\e2e\\app32.exe", L"C:\\e2e\\once.exe", L"Shell=explorer.exe evil.exe"}) {
    HWND report = nullptr, list = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
          report = FindProcessWindow(check.Id(), L"TForm1");
          list = report ? FindNamedControl(report, L"ListBox1") : nullptr;
          return list != nullptr && ListContains(list, line);
        },
        kStartTime))
        << "no report showed " << line;
    if (list == nullptr)
      break;
    PostMessageW(FindNamedControl(report, L"btnCancel"), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(report) || !ListContains(list, line); }, kShortTime);
  }
  EXPECT_EQ(check.WaitForExit(kStartTime), std::optional<DWORD>(0));
  EXPECT_EQ(Value32(kRunPath, kName), std::nullopt);
  EXPECT_NE(
      RegGetValueW(HKEY_CURRENT_USER, kRunOncePath, kName, RRF_RT_ANY, nullptr, nullptr, nullptr),
      ERROR_SUCCESS);
  EXPECT_EQ(Shell(), std::optional<std::wstring>(L"explorer.exe"));
  const std::string log = Log();
  for (const char* place :
       {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run (32-bit) ",
        "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce ",
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon "})
    EXPECT_NE(log.find(std::string("The changes in:") + place + "are cancelled"), std::string::npos)
        << place;
}

TEST_F(LogonListsE2E, EntriesThereAtTheFirstLaunchAreShownOnTheLogonPage) {
  ASSERT_TRUE(Set32(kRunPath, kName, L"C:\\e2e\\app32.exe"));
  ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunOncePath, kName, L"C:\\e2e\\once.exe"));
  ASSERT_TRUE(SnapshotCurrentState());
  TarnixProcess program;
  HWND main = WaitForMainWindow(program, kStartTime);
  ASSERT_NE(main, nullptr);
  HWND list = WaitForControl(main, L"lsbLogon", kShortTime);
  ASSERT_NE(list, nullptr);
  for (const wchar_t* line :
       {L"HKLM Run (32-bit)\tE2E Logon\tC:\\e2e\\app32.exe",
        L"HKCU RunOnce\tE2E Logon\tC:\\e2e\\once.exe", L"HKLM Winlogon\tShell\texplorer.exe"})
    EXPECT_TRUE(ListContains(list, line)) << line;
  HWND pages = FindNamedControl(main, L"PageControl1");
  for (int page = 0; page < 8; ++page) PostKey(pages, VK_RIGHT);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, kShortTime));
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  RECT area{};
  GetWindowRect(main, &area);
  Sleep(500);
  EXPECT_TRUE(SaveScreenshot(area, L"logon_page.bmp"));
  PostKey(list, VK_ESCAPE);
  EXPECT_EQ(program.WaitForExit(kShortTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
