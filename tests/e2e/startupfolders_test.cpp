// The "Startup Group" page driven as a user would: add a shortcut, edit its arguments, delete
// it, and check the list and the file on disk after each step.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/unicode_win32.h"
#include "e2e/support/desktop.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"
#include "platform/shortcuts_win32.h"

namespace e2e {
namespace {

const wchar_t kShellFolders[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The user's startup folder, with a trailing backslash.
std::wstring UserStartupFolder() {
  wchar_t folder[MAX_PATH * 2] = {};
  DWORD size = sizeof(folder);
  if (RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Startup", RRF_RT_REG_SZ, nullptr, folder,
                   &size) != ERROR_SUCCESS) {
    return L"";
  }
  return std::wstring(folder) + L"\\";
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class StartupGroupTest : public ::testing::Test {
 protected:
  StartupGroupTest() : folder(UserStartupFolder()) {}
  ~StartupGroupTest() override { DeleteFileW(link.c_str()); }

  HWND Start() {
    run = std::make_unique<MainWindow>();
    if (run->main != nullptr)
      list = WaitForControl(run->main, L"lsbStart", kShortTime);
    return run->main;
  }
  void Command(HWND main, const wchar_t* name) {
    ASSERT_TRUE(e2e::Command(main, name)) << tarnix::Narrow(name);
  }
  // Waits for the line, selects it and edits it as the tool button does.
  void EditLine(HWND main, const wchar_t* line) {
    ASSERT_TRUE(WaitUntil([&] { return ListContains(list, line); }, kShortTime));
    ASSERT_TRUE(SelectLine(list, line));
    Command(main, L"ToolButton7");
  }
  tarnix::ShortcutFields Read() {
    return shortcuts.ReadShortcut(tarnix::Narrow(link)).value_or(tarnix::ShortcutFields{});
  }

  const std::wstring folder;
  std::wstring link;
  tarnix::Win32Shortcuts shortcuts;
  std::unique_ptr<MainWindow> run;
  HWND list = nullptr;
};

TEST_F(StartupGroupTest, AddShowsTheNewShortcutInTheListAndOnDisk) {
  ASSERT_FALSE(folder.empty());
  link = folder + L"E2E Added.lnk";
  DeleteFileW(link.c_str());
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  Command(main, L"ToolButton12");
  HWND dialog = run->Window(L"Taddform");
  ASSERT_NE(dialog, nullptr);
  SetText(dialog, L"Name", L"E2E Added");
  SetText(dialog, L"program", L"C:\\windows\\notepad.exe");
  Click(dialog, L"Button2");
  EXPECT_TRUE(WaitUntil([&] { return ListContains(list, L"E2E Added.lnk"); }, kShortTime));
  EXPECT_TRUE(Exists(link));
  EXPECT_EQ(Read().target, "C:\\windows\\notepad.exe");
  run->EndWithEsc(L"lsbStart");
}

// A shortcut cut short is told as unreadable when opened, and keeps its bytes.
TEST_F(StartupGroupTest, EditingADamagedShortcutIsToldAndWritesNothing) {
  ASSERT_FALSE(folder.empty());
  link = folder + L"E2E Damaged.lnk";
  tarnix::ShortcutProperties made;
  made.target = "C:\\windows\\notepad.exe";
  ASSERT_TRUE(shortcuts.WriteShortcut(tarnix::Narrow(link), made));
  std::filesystem::resize_file(link, std::filesystem::file_size(link) / 2);
  const auto before = std::filesystem::file_size(link);
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  EditLine(main, L"E2E Damaged.lnk");
  HWND box = run->Window(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Cannot read the shortcut " + link);
  PressDialogButton(box, IDOK);
  EXPECT_EQ(FindProcessWindow(run->process.Id(), L"TfrmLink"), nullptr);
  run->EndWithEsc(L"lsbStart");
  EXPECT_EQ(std::filesystem::file_size(link), before);
}

TEST_F(StartupGroupTest, EditChangesTheArgumentsAndDeleteRemovesTheShortcut) {
  ASSERT_FALSE(folder.empty());
  link = folder + L"E2E Notes.lnk";
  tarnix::ShortcutProperties made;
  made.target = "C:\\windows\\notepad.exe";
  made.arguments = "-old";
  ASSERT_TRUE(shortcuts.WriteShortcut(tarnix::Narrow(link), made));
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  EditLine(main, L"E2E Notes.lnk");
  HWND dialog = run->Window(L"TfrmLink");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), L"Shortcut properties");
  EXPECT_EQ(WindowText(FindNamedControl(dialog, L"lblName")), link);
  EXPECT_EQ(WindowText(FindNamedControl(dialog, L"edtProg")), L"C:\\windows\\notepad.exe");
  EXPECT_EQ(WindowText(FindNamedControl(dialog, L"edtArg")), L"-old");
  EXPECT_TRUE(SaveScreenshot(dialog, L"startupfolders_link_form.bmp"));
  SetText(dialog, L"edtArg", L"-new --e2e");
  Click(dialog, L"bbtSave");
  EXPECT_TRUE(WaitUntil([&] { return Read().arguments == "-new --e2e"; }, kShortTime));
  EXPECT_EQ(Read().target, "C:\\windows\\notepad.exe");
  EXPECT_TRUE(ListContains(list, L"E2E Notes.lnk"));

  ASSERT_TRUE(SelectLine(list, L"E2E Notes.lnk"));
  Command(main, L"ToolButton6");
  HWND box = run->Window(L"#32770", L"Attention!");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Are you sure delete E2E Notes.lnk ?");
  PressDialogButton(box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Exists(link); }, kShortTime));
  EXPECT_TRUE(WaitUntil([&] { return !ListContains(list, L"E2E Notes.lnk"); }, kShortTime));
  run->EndWithEsc(L"lsbStart");
}

}  // namespace
}  // namespace e2e
