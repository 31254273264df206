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

constexpr DWORD kStartTime = 30000;
constexpr DWORD kShortTime = 10000;
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

// An edit box of another process: GetWindowText would give its creation text only.
std::wstring EditText(HWND edit) {
  const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(edit, WM_GETTEXT, static_cast<WPARAM>(text.size()),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void SetText(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Selects the line in another process's list box; false when it is not there.
bool SelectLine(HWND list, const std::wstring& line) {
  const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(line.c_str()));
  return index != LB_ERR &&
         SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0) != LB_ERR;
}

class StartupGroupTest : public ::testing::Test {
 protected:
  StartupGroupTest() : folder(UserStartupFolder()) {}
  ~StartupGroupTest() override { DeleteFileW(link.c_str()); }

  HWND Start() {
    EXPECT_TRUE(SnapshotCurrentState());
    process = std::make_unique<TarnixProcess>();
    EXPECT_TRUE(process->Started());
    HWND main = WaitForMainWindow(*process, kStartTime);
    if (main != nullptr)
      list = WaitForControl(main, L"lsbStart", kShortTime);
    return main;
  }
  void Command(HWND main, const wchar_t* name) {
    const int id = NamedCommand(main, name);
    ASSERT_NE(id, 0) << tarnix::Narrow(name);
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0);
  }
  // Waits for the line, selects it and edits it as the tool button does.
  void EditLine(HWND main, const wchar_t* line) {
    ASSERT_TRUE(WaitUntil([&] { return ListContains(list, line); }, kShortTime));
    ASSERT_TRUE(SelectLine(list, line));
    Command(main, L"ToolButton7");
  }
  void EndWithEsc() {
    PostKey(list, VK_ESCAPE);
    EXPECT_EQ(process->WaitForExit(kShortTime), std::optional<DWORD>(0));
  }
  tarnix::ShortcutFields Read() {
    return shortcuts.ReadShortcut(tarnix::Narrow(link)).value_or(tarnix::ShortcutFields{});
  }

  const std::wstring folder;
  std::wstring link;
  tarnix::Win32Shortcuts shortcuts;
  std::unique_ptr<TarnixProcess> process;
  HWND list = nullptr;
};

TEST_F(StartupGroupTest, AddShowsTheNewShortcutInTheListAndOnDisk) {
  ASSERT_FALSE(folder.empty());
  link = folder + L"E2E Added.lnk";
  DeleteFileW(link.c_str());
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  Command(main, L"ToolButton12");
  HWND dialog = WaitForWindow(process->Id(), L"Taddform", kShortTime);
  ASSERT_NE(dialog, nullptr);
  HWND name = WaitForControl(dialog, L"Name", kShortTime);
  ASSERT_NE(name, nullptr);
  SetText(name, L"E2E Added");
  SetText(FindNamedControl(dialog, L"program"), L"C:\\windows\\notepad.exe");
  PostMessageW(FindNamedControl(dialog, L"Button2"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ListContains(list, L"E2E Added.lnk"); }, kShortTime));
  EXPECT_TRUE(Exists(link));
  EXPECT_EQ(Read().target, "C:\\windows\\notepad.exe");
  EndWithEsc();
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
  HWND box = WaitForWindow(process->Id(), L"#32770", kShortTime);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Cannot read the shortcut " + link);
  PressDialogButton(box, IDOK);
  EXPECT_EQ(FindProcessWindow(process->Id(), L"TfrmLink"), nullptr);
  EndWithEsc();
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
  HWND dialog = WaitForWindow(process->Id(), L"TfrmLink", kShortTime);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), L"Shortcut properties");
  EXPECT_EQ(WindowText(FindNamedControl(dialog, L"lblName")), link);
  EXPECT_EQ(EditText(FindNamedControl(dialog, L"edtProg")), L"C:\\windows\\notepad.exe");
  EXPECT_EQ(EditText(FindNamedControl(dialog, L"edtArg")), L"-old");
  RECT area{};
  GetWindowRect(dialog, &area);
  EXPECT_TRUE(SaveScreenshot(area, L"startupfolders_link_form.bmp"));
  SetText(FindNamedControl(dialog, L"edtArg"), L"-new --e2e");
  PostMessageW(FindNamedControl(dialog, L"bbtSave"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return Read().arguments == "-new --e2e"; }, kShortTime));
  EXPECT_EQ(Read().target, "C:\\windows\\notepad.exe");
  EXPECT_TRUE(ListContains(list, L"E2E Notes.lnk"));

  ASSERT_TRUE(SelectLine(list, L"E2E Notes.lnk"));
  Command(main, L"ToolButton6");
  HWND box = WaitForWindow(process->Id(), L"#32770", kShortTime, L"Attention!");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Are you sure delete E2E Notes.lnk ?");
  PressDialogButton(box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Exists(link); }, kShortTime));
  EXPECT_TRUE(WaitUntil([&] { return !ListContains(list, L"E2E Notes.lnk"); }, kShortTime));
  EndWithEsc();
}

}  // namespace
}  // namespace e2e
