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

// What the window shows once it has painted.
void Screenshot(HWND window, const wchar_t* file) {
  Sleep(300);
  EXPECT_TRUE(SaveScreenshot(window, file));
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
    Click(welcome, L"Button1");
    return ConfirmUntilExit(process, kLongTime, &boxes).has_value();
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
  EXPECT_EQ(ConfirmUntilExit(uninstall, kLongTime, &boxes), std::optional<DWORD>(0));
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
  void TearDown() override { SnapshotCurrentState(); }
};

TEST_F(SetupWindowsTest, CtrlFFindsAWordAndFindNextMovesToItsSecondPlace) {
  SeededValue machine(HKEY_LOCAL_MACHINE, kRunPath, L"E2E Find Zebrafish", L"a.exe");
  SeededValue user(HKEY_CURRENT_USER, kRunPath, L"E2E Find zebrafish too", L"b.exe");
  MainWindow run;
  HWND main = run.main;
  ASSERT_NE(main, nullptr);
  HWND machineList = WaitForControl(main, L"ListBox1", kShortTime);
  HWND userList = WaitForControl(main, L"ListBox3", kShortTime);
  ASSERT_TRUE(
      WaitUntil([&] { return ListContains(userList, L"E2E Find zebrafish too"); }, kShortTime));

  PressCtrl(main, 'F');
  HWND find = run.Window(L"TfrmFind", L"Find");
  ASSERT_NE(find, nullptr);
  Screenshot(find, L"setup_find.bmp");
  SetText(find, L"edtStr", L"ZEBRAFISH");
  Click(find, L"bbtFind");
  const auto selected = [](HWND list) {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? std::wstring() : ListItems(list)[static_cast<size_t>(index)];
  };
  EXPECT_TRUE(
      WaitUntil([&] { return selected(machineList) == L"E2E Find Zebrafish"; }, kShortTime));
  Click(find, L"bbtNext");
  EXPECT_TRUE(
      WaitUntil([&] { return selected(userList) == L"E2E Find zebrafish too"; }, kShortTime));

  Click(find, L"BitBtn3");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(find); }, kShortTime));
  run.EndWithEsc();
}

TEST_F(SetupWindowsTest, TheAboutBoxOpensFromTheHelpMenuAndClosesWithOk) {
  MainWindow run;
  ASSERT_NE(run.main, nullptr);
  ASSERT_TRUE(Command(run.main, L"N9"));
  HWND box = run.Window(L"TAboutBox", L"About Tarnix");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(FindNamedControl(box, L"Version")), L"Version 2.02");
  Screenshot(box, L"setup_about.bmp");
  Click(box, L"OKButton");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(box); }, kShortTime));
  run.EndWithEsc();
}

}  // namespace
}  // namespace e2e
