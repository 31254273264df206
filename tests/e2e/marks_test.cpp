// Task Manager's marks against tarnix2.exe: a mark that another program writes shows the entry
// greyed on the screen, Enable and Disable write the marks Task Manager writes, and a mark flipped
// to enabled after the first launch is reported by the logon check and changed back.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

const wchar_t kMarks[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
const wchar_t kMarked[] = L"E2E Marked", kPlain[] = L"E2E Plain";

// Writes kMarked's mark as another program would: the twelve bytes given as hex digits.
bool WriteMark(const std::string& hex) {
  std::string bytes;
  for (size_t at = 0; at + 1 < hex.size(); at += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16));
  return RegSetKeyValueW(HKEY_CURRENT_USER, kMarks, kMarked, REG_BINARY, bytes.data(),
                         static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

std::string MarkBytes() {
  std::string bytes(64, '\0');
  DWORD type = 0, size = static_cast<DWORD>(bytes.size());
  const LSTATUS read = RegGetValueW(HKEY_CURRENT_USER, kMarks, kMarked, RRF_RT_REG_BINARY, &type,
                                    bytes.data(), &size);
  bytes.resize(read == ERROR_SUCCESS ? size : 0);
  return bytes;
}

class MarksTest : public ::testing::Test {
 protected:
  void TearDown() override { DeleteValue(HKEY_CURRENT_USER, kMarks, kMarked); }
  // Inside the line's focus frame on the screen: the pixels that are not background, and those
  // in the text colour.
  std::pair<int, int> InkAndBlack(HWND list, const std::wstring& text) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT,
                 SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(text.c_str())),
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
};

TEST_F(MarksTest, AMarkFromRegShowsTheEntryDisabledAndEnableAndDisableWriteTaskManagersMarks) {
  SeededValue marked(HKEY_CURRENT_USER, kRunPath, kMarked, L"C:\\e2e\\marked.exe");
  SeededValue plain(HKEY_CURRENT_USER, kRunPath, kPlain, L"C:\\e2e\\plain.exe");
  ASSERT_TRUE(WriteMark("030000000000000000000000"));
  MainWindow window;
  ASSERT_TRUE(window.snapshot && window.main);
  HWND list = WaitForControl(window.main, L"ListBox3", kShortTime);
  ASSERT_TRUE(WaitUntil([&] { return ListContains(list, kPlain); }, kShortTime));
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto [ink, black] = InkAndBlack(list, kMarked);
        return ink > 10 && black == 0;
      },
      kShortTime))
      << "the marked line is greyed";
  const auto [ink, black] = InkAndBlack(list, kPlain);
  EXPECT_TRUE(black > 10 && black == ink) << ink << " pixels of ink, " << black << " black";
  EXPECT_TRUE(SelectLine(list, kMarked));
  EXPECT_TRUE(Command(window.main, L"ToolButton22"));
  EXPECT_TRUE(WaitUntil([&] { return MarkBytes() == '\x02' + std::string(11, '\0'); }, kShortTime));
  uint64_t before = 0, since = 0;
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  std::memcpy(&before, &now, sizeof before);
  EXPECT_TRUE(Command(window.main, L"N22"));
  ASSERT_TRUE(
      WaitUntil([&] { return MarkBytes().size() == 12 && MarkBytes()[0] == 3; }, kShortTime));
  const std::string disabled = MarkBytes();
  EXPECT_EQ(disabled.substr(1, 3), std::string(3, '\0'));
  std::memcpy(&since, disabled.data() + 4, sizeof since);
  EXPECT_LT(since - before + 20000000, 320000000u) << "UTC, within half a minute";
  window.EndWithEsc();
}

TEST_F(MarksTest, AMarkFlippedToEnabledIsReportedAtLogonAndChangeBackDisablesItAgain) {
  ASSERT_TRUE(WriteMark("030000000102030405060708"));
  const std::string disabled = MarkBytes();
  ASSERT_TRUE(SnapshotCurrentState());
  ASSERT_TRUE(WriteMark("020000000000000000000000"));
  CheckRun(L"/c").ChangeBackWhenReported(std::wstring(kMarked) + L"=enabled", [](HWND report) {
    EXPECT_TRUE(
        ListContains(FindNamedControl(report, L"ListBox1"), std::wstring(kMarked) + L"=disabled"));
  });
  EXPECT_EQ(MarkBytes(), disabled);
}

}  // namespace
}  // namespace e2e
