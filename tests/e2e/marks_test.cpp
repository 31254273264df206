// Task Manager's marks against tarnix2.exe: a mark that reg.exe writes shows the entry greyed
// with its state in the status line, and Enable and Disable write the marks Task Manager writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

constexpr DWORD kStartTime = 30000, kShortTime = 10000;
const wchar_t kMarks[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
const wchar_t kMarked[] = L"E2E Marked", kPlain[] = L"E2E Plain";

// Runs reg.exe with the arguments; whether it ended within the time with exit code 0.
bool Reg(const std::wstring& arguments) {
  std::wstring line = L"reg.exe " + arguments;
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info))
    return false;
  DWORD code = 1;
  if (WaitForSingleObject(info.hProcess, kShortTime) == WAIT_OBJECT_0)
    GetExitCodeProcess(info.hProcess, &code);
  else
    TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return code == 0;
}

std::optional<std::string> MarkBytes() {
  std::string bytes(64, '\0');
  DWORD type = 0, size = static_cast<DWORD>(bytes.size());
  if (RegGetValueW(HKEY_CURRENT_USER, kMarks, kMarked, RRF_RT_ANY, &type, bytes.data(), &size) !=
          ERROR_SUCCESS ||
      type != REG_BINARY)
    return std::nullopt;
  bytes.resize(size);
  return bytes;
}

uint64_t FileTimeIn(const std::string& mark) {
  uint64_t time = 0;
  for (size_t i = 12; i-- > 4;) time = (time << 8) | static_cast<unsigned char>(mark[i]);
  return time;
}

uint64_t UtcNow() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

class MarksTest : public ::testing::Test {
 protected:
  void TearDown() override {
    DeleteValue(HKEY_CURRENT_USER, kMarks, kMarked);
    if (process)
      process->Kill();
  }
  // The line of the list with this text as the screen shows it, inside the focus frame: how
  // many pixels are not background, and how many of those are in the text colour.
  std::pair<int, int> InkAndBlack(const std::wstring& text) {
    const auto items = ListItems(list);
    const auto at = std::find(items.begin(), items.end(), text);
    RECT item{};
    if (at == items.end() || SendMessageW(list, LB_GETITEMRECT, at - items.begin(),
                                          reinterpret_cast<LPARAM>(&item)) == LB_ERR)
      return {-1, -1};
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
    HDC screen = GetDC(nullptr);
    std::pair<int, int> found{0, 0};
    for (int y = item.top + 1; y < item.bottom - 1; ++y) {
      for (int x = item.left + 1; x < item.right - 1; ++x) {
        const COLORREF pixel = GetPixel(screen, x, y);
        found.first += pixel != GetSysColor(COLOR_WINDOW);
        found.second += pixel == GetSysColor(COLOR_WINDOWTEXT);
      }
    }
    ReleaseDC(nullptr, screen);
    return found;
  }
  bool Greyed(const std::wstring& text) {
    const auto [ink, black] = InkAndBlack(text);
    return ink > 10 && black == 0;
  }
  // A click on the line, as the mouse gives it: the list takes the focus and says so.
  void ClickLine(const std::wstring& text) {
    const auto items = ListItems(list);
    for (size_t i = 0; i < items.size(); ++i) {
      RECT item{};
      SendMessageW(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
      const LPARAM at = MAKELPARAM(item.left + 4, item.top + 2);
      if (items[i] == text) {
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
      }
    }
  }
  std::wstring Status() {
    wchar_t text[512] = {};
    SendMessageW(FindNamedControl(main, L"StatusBar1"), WM_GETTEXT, 512,
                 reinterpret_cast<LPARAM>(text));
    return text;
  }
  void Command(const wchar_t* name) {
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(NamedCommand(main, name)), 0);
  }

  std::unique_ptr<TarnixProcess> process;
  HWND main = nullptr, list = nullptr;
};

TEST_F(MarksTest, AMarkFromRegShowsTheEntryDisabledAndEnableAndDisableWriteTaskManagersMarks) {
  SeededValue marked(HKEY_CURRENT_USER, kRunPath, kMarked, L"C:\\e2e\\marked.exe");
  SeededValue plain(HKEY_CURRENT_USER, kRunPath, kPlain, L"C:\\e2e\\plain.exe");
  ASSERT_TRUE(Reg(std::wstring(L"add \"HKCU\\") + kMarks + L"\" /v \"" + kMarked +
                  L"\" /t REG_BINARY /d 030000000000000000000000 /f"));
  ASSERT_TRUE(SnapshotCurrentState());
  process = std::make_unique<TarnixProcess>();
  main = WaitForMainWindow(*process, kStartTime);
  ASSERT_NE(main, nullptr);
  list = WaitForControl(main, L"ListBox3", kShortTime);
  ASSERT_TRUE(WaitUntil([&] { return ListContains(list, kPlain); }, kShortTime));
  EXPECT_TRUE(WaitUntil([&] { return Greyed(kMarked); }, kShortTime));
  const auto [ink, black] = InkAndBlack(kPlain);
  EXPECT_TRUE(black > 10 && black == ink) << ink << " pixels of ink, " << black << " black";
  ClickLine(kMarked);
  EXPECT_TRUE(
      WaitUntil([&] { return Status() == L"E2E Marked is disabled in Task Manager"; }, kShortTime))
      << "no time in the mark; the status says " << std::string(Status().begin(), Status().end());

  Command(L"ToolButton22");
  const std::string enabled = std::string(1, '\x02') + std::string(11, '\0');
  EXPECT_TRUE(WaitUntil([&] { return MarkBytes() == enabled; }, kShortTime));
  EXPECT_TRUE(WaitUntil([&] { return Status() == L"E2E Marked is enabled"; }, kShortTime));

  const uint64_t before = UtcNow();
  Command(L"N22");
  ASSERT_TRUE(WaitUntil([&] { return MarkBytes() && (*MarkBytes())[0] == 3; }, kShortTime));
  const std::string disabled = *MarkBytes();
  EXPECT_EQ(disabled.substr(0, 4), std::string("\x03\0\0\0", 4));
  EXPECT_GE(FileTimeIn(disabled) + 20000000, before) << "a file time in UTC, to two seconds";
  EXPECT_LE(FileTimeIn(disabled), UtcNow() + 20000000);
  EXPECT_TRUE(WaitUntil(
      [&] { return Status().find(L"disabled in Task Manager since") != std::wstring::npos; },
      kShortTime));
  PostKey(list, VK_ESCAPE);
  EXPECT_EQ(process->WaitForExit(kShortTime), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
