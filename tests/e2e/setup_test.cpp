// The real tarnix2.exe installing itself on a first start, removing itself with /u, and
// finding a word in two places.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/unicode_win32.h"
#include "e2e/support/desktop.h"
#include "e2e/support/lnkinfo.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

constexpr DWORD kShortTime = 10000;
constexpr DWORD kLongTime = 60000;
const wchar_t kAutostart[] = L"Tarnix2";
const wchar_t kProductPath[] = L"Software\\Movenda\\Tarnix2";

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* path, const wchar_t* name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof(data);
  if (RegGetValueW(root, path, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(data);
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The current user's shell folder, as a UTF-8 path with "\" appended.
std::string ShellFolder(const wchar_t* name) {
  const auto folder =
      ReadString(HKEY_CURRENT_USER,
                 L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name);
  return folder ? tarnix::Narrow(*folder) + "\\" : std::string();
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(tarnix::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Screenshot(HWND window, const wchar_t* file) {
  RECT area{};
  GetWindowRect(window, &area);
  Sleep(300);
  EXPECT_TRUE(SaveScreenshot(area, file));
}

class SetupTest : public ::testing::Test {
 protected:
  void TearDown() override {
    DeleteValue(HKEY_CURRENT_USER, kRunPath, kAutostart);
    SnapshotCurrentState();
  }

  // Starts "tarnix2.exe /c" on a system without snapshot and answers the welcome window with
  // OK; whether the window came and the program ended.
  bool FirstStart(const wchar_t* screenshot = nullptr) {
    TarnixProcess process(L"/c");
    HWND welcome = WaitForWindow(process.Id(), L"TfrmFirst", kLongTime);
    if (welcome == nullptr)
      return false;
    if (screenshot != nullptr)
      Screenshot(welcome, screenshot);
    PostMessageW(FindNamedControl(welcome, L"Button1"), BM_CLICK, 0, 0);
    return AnswerUntilEnd(process).has_value();
  }
  // Confirms every message box with OK, keeping the last text; the exit code.
  std::optional<DWORD> AnswerUntilEnd(TarnixProcess& process) {
    std::optional<DWORD> code;
    WaitUntil(
        [&] {
          if (HWND box = FindProcessWindow(process.Id(), L"#32770")) {
            boxes.push_back(MessageBoxText(box));
            PressDialogButton(box, IDOK);
            Sleep(200);
          }
          code = process.WaitForExit(0);
          return code.has_value();
        },
        kLongTime);
    return code;
  }

  std::vector<std::wstring> boxes;
};

TEST_F(SetupTest, AFirstStartInstallsTheUninstallRemovesAndTheNextStartWelcomesAgain) {
  DeleteValue(HKEY_CURRENT_USER, kRunPath, kAutostart);
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kSnapshotPath);
  ASSERT_TRUE(FirstStart(L"setup_first_launch.bmp"));
  const auto run = ReadString(HKEY_CURRENT_USER, kRunPath, kAutostart);
  ASSERT_TRUE(run.has_value());
  EXPECT_TRUE(EndsWith(*run, L" /c")) << *run;
  EXPECT_NE(run->find(L"tarnix2.exe"), std::wstring::npos) << *run;
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kSnapshotPath));
  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, (std::wstring(kSnapshotPath) + L"\\HKCU_Run").c_str(),
                       kAutostart),
            run);

  // The shortcuts, as an independent reader finds them.
  const std::string group = ShellFolder(L"Programs") + "MovendaSoft\\Tarnix2\\";
  const std::string desktop = ShellFolder(L"Desktop") + "Tarnix2.lnk";
  auto program = LnkInfo(group + "Tarnix2.lnk");
  EXPECT_NE(program["Local path"].find("tarnix2.exe"), std::string::npos) << program["Local path"];
  EXPECT_EQ(LnkInfo(group + "Uninstall.lnk")["Command line arguments"], " /u");
  EXPECT_NE(LnkInfo(desktop)["Local path"], "");

  boxes.clear();
  TarnixProcess uninstall(L"/u");
  EXPECT_EQ(AnswerUntilEnd(uninstall), std::optional<DWORD>(0));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], L"Are you sure to uninstall ?");
  EXPECT_EQ(boxes[1], L"Please, delete files: Tarnix2.exe and etc. manually");
  EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, kRunPath, kAutostart).has_value());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProductPath));
  EXPECT_FALSE(FileExists(group + "Tarnix2.lnk"));
  EXPECT_FALSE(FileExists(group + "Uninstall.lnk"));
  EXPECT_FALSE(FileExists(desktop));

  EXPECT_TRUE(FirstStart());
}

class SetupWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SnapshotCurrentState()); }
  void TearDown() override { SnapshotCurrentState(); }
};

TEST_F(SetupWindowsTest, CtrlFFindsAWordAndFindNextMovesToItsSecondPlace) {
  std::optional<SeededValue> machine, user;
  machine.emplace(HKEY_LOCAL_MACHINE, kRunPath, L"E2E Find Zebrafish", L"a.exe");
  user.emplace(HKEY_CURRENT_USER, kRunPath, L"E2E Find zebrafish too", L"b.exe");
  ASSERT_TRUE(SnapshotCurrentState());
  TarnixProcess process;
  HWND main = WaitForMainWindow(process, kLongTime);
  ASSERT_NE(main, nullptr);
  HWND machineList = WaitForControl(main, L"ListBox1", kShortTime);
  HWND userList = WaitForControl(main, L"ListBox3", kShortTime);
  ASSERT_TRUE(
      WaitUntil([&] { return ListContains(userList, L"E2E Find zebrafish too"); }, kShortTime));

  PressCtrl(main, 'F');
  HWND find = WaitForWindow(process.Id(), L"TfrmFind", kShortTime, L"Find");
  ASSERT_NE(find, nullptr);
  Screenshot(find, L"setup_find.bmp");
  SendMessageW(FindNamedControl(find, L"edtStr"), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"ZEBRAFISH"));
  PostMessageW(FindNamedControl(find, L"bbtFind"), BM_CLICK, 0, 0);
  const auto selected = [](HWND list) {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? std::wstring() : ListItems(list)[static_cast<size_t>(index)];
  };
  EXPECT_TRUE(
      WaitUntil([&] { return selected(machineList) == L"E2E Find Zebrafish"; }, kShortTime));
  PostMessageW(FindNamedControl(find, L"bbtNext"), BM_CLICK, 0, 0);
  EXPECT_TRUE(
      WaitUntil([&] { return selected(userList) == L"E2E Find zebrafish too"; }, kShortTime));

  PostMessageW(FindNamedControl(find, L"BitBtn3"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(find); }, kShortTime));
  PostKey(userList, VK_ESCAPE);
  EXPECT_EQ(process.WaitForExit(kShortTime), std::optional<DWORD>(0));
  machine.reset();
  user.reset();
}

TEST_F(SetupWindowsTest, TheAboutBoxOpensFromTheHelpMenuAndClosesWithOk) {
  TarnixProcess process;
  HWND main = WaitForMainWindow(process, kLongTime);
  ASSERT_NE(main, nullptr);
  const int about = NamedCommand(main, L"N9");
  ASSERT_NE(about, 0);
  PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(about), 0);
  HWND box = WaitForWindow(process.Id(), L"TAboutBox", kShortTime, L"About Tarnix");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(FindNamedControl(box, L"Version")), L"Version 2.02");
  Screenshot(box, L"setup_about.bmp");
  PostMessageW(FindNamedControl(box, L"OKButton"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(box); }, kShortTime));
  PostKey(WaitForControl(main, L"ListBox3", kShortTime), VK_ESCAPE);
  EXPECT_EQ(process.WaitForExit(kShortTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
