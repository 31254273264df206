// Task Manager's marks against tarnix2.exe: a mark that reg.exe writes shows the entry greyed
// on the screen, Enable and Disable write the marks Task Manager writes, and a mark flipped to
// enabled after the first launch is reported by the logon check and changed back.
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

// Whether reg.exe ended within the time with exit code 0.
bool Reg(std::wstring line) {
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  DWORD code = 1;
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &info)) {
    if (WaitForSingleObject(info.hProcess, kShortTime) != WAIT_OBJECT_0)
      TerminateProcess(info.hProcess, 1);
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  return code == 0;
}

std::string MarkBytes() {
  std::string bytes(64, '\0');
  DWORD type = 0, size = static_cast<DWORD>(bytes.size());
  const LSTATUS read = RegGetValueW(HKEY_CURRENT_USER, kMarks, kMarked, RRF_RT_REG_BINARY, &type,
                                    bytes.data(), &size);
  bytes.resize(read == ERROR_SUCCESS ? size : 0);
  return bytes;
}

uint64_t Ticks(const std::string& bytes, size_t at) {
  uint64_t time = 0;
  for (size_t i = at + 8; i-- > at;) time = (time << 8) | static_cast<unsigned char>(bytes[i]);
  return time;
}

class MarksTest : public ::testing::Test {
 protected:
  void TearDown() override { DeleteValue(HKEY_CURRENT_USER, kMarks, kMarked); }
  // Inside the line's focus frame on the screen: the pixels that are not background, and those
  // in the text colour.
  std::pair<int, int> InkAndBlack(const std::wstring& text) {
    const auto items = ListItems(list);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, std::find(items.begin(), items.end(), text) - items.begin(),
                 reinterpret_cast<LPARAM>(&item));
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
  void Command(const wchar_t* name) {
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(NamedCommand(main, name)), 0);
  }

  HWND main = nullptr, list = nullptr;
};

TEST_F(MarksTest, AMarkFromRegShowsTheEntryDisabledAndEnableAndDisableWriteTaskManagersMarks) {
  SeededValue marked(HKEY_CURRENT_USER, kRunPath, kMarked, L"C:\\e2e\\marked.exe");
  SeededValue plain(HKEY_CURRENT_USER, kRunPath, kPlain, L"C:\\e2e\\plain.exe");
  ASSERT_TRUE(Reg(std::wstring(L"reg.exe add \"HKCU\\") + kMarks + L"\" /v \"" + kMarked +
                  L"\" /t REG_BINARY /d 030000000000000000000000 /f"));
  ASSERT_TRUE(SnapshotCurrentState());
  TarnixProcess process;
  main = WaitForMainWindow(process, kStartTime);
  ASSERT_NE(main, nullptr);
  list = WaitForControl(main, L"ListBox3", kShortTime);
  ASSERT_TRUE(WaitUntil([&] { return ListContains(list, kPlain); }, kShortTime));
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto [ink, black] = InkAndBlack(kMarked);
        return ink > 10 && black == 0;
      },
      kShortTime))
      << "the marked line is greyed";
  const auto [ink, black] = InkAndBlack(kPlain);
  EXPECT_TRUE(black > 10 && black == ink) << ink << " pixels of ink, " << black << " black";
  const auto items = ListItems(list);
  SendMessageW(list, LB_SETCURSEL, std::find(items.begin(), items.end(), kMarked) - items.begin(),
               0);
  Command(L"ToolButton22");
  EXPECT_TRUE(WaitUntil([&] { return MarkBytes() == '\x02' + std::string(11, '\0'); }, kShortTime));
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const uint64_t before = Ticks(std::string(reinterpret_cast<const char*>(&now), 8), 0);
  Command(L"N22");
  ASSERT_TRUE(
      WaitUntil([&] { return MarkBytes().size() == 12 && MarkBytes()[0] == 3; }, kShortTime));
  const std::string disabled = MarkBytes();
  EXPECT_EQ(disabled.substr(1, 3), std::string(3, '\0'));
  EXPECT_LT(Ticks(disabled, 4) - before + 20000000, 320000000u) << "UTC, within half a minute";
  PostKey(list, VK_ESCAPE);
  EXPECT_EQ(process.WaitForExit(kShortTime), std::optional<DWORD>(0));
}

TEST_F(MarksTest, AMarkFlippedToEnabledIsReportedAtLogonAndChangeBackDisablesItAgain) {
  const std::wstring add = std::wstring(L"reg.exe add \"HKCU\\") + kMarks + L"\" /v \"" + kMarked +
                           L"\" /t REG_BINARY /d ";
  ASSERT_TRUE(Reg(add + L"030000000102030405060708 /f"));
  const std::string disabled = MarkBytes();
  ASSERT_TRUE(SnapshotCurrentState());
  ASSERT_TRUE(Reg(add + L"020000000000000000000000 /f"));
  TarnixProcess check(L"/c");
  HWND report = nullptr, lines = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        report = FindProcessWindow(check.Id(), L"TForm1");
        lines = report ? FindNamedControl(report, L"ListBox1") : nullptr;
        return lines != nullptr && ListContains(lines, std::wstring(kMarked) + L"=enabled");
      },
      kStartTime));
  EXPECT_TRUE(ListContains(lines, std::wstring(kMarked) + L"=disabled"));
  PostMessageW(FindNamedControl(report, L"btnCancel"), BM_CLICK, 0, 0);
  EXPECT_EQ(check.WaitForExit(kStartTime), std::optional<DWORD>(0));
  EXPECT_EQ(MarkBytes(), disabled);
}

}  // namespace
}  // namespace e2e
