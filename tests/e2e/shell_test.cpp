// tarnix2.exe driven from outside as a user and other programs would: its lists, its keys,
// its command line and its single instance.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/unicode_win32.h"
#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

TEST(ShellTest, SeededRunEntriesAppearInTheThreeListsAndEscEnds) {
  SeededValue machine(HKEY_LOCAL_MACHINE, kRunPath, L"E2E Machine", L"C:\\machine.exe");
  SeededValue service(HKEY_LOCAL_MACHINE, kRunServicesPath, L"E2E Service", L"C:\\svc.exe");
  SeededValue user(HKEY_CURRENT_USER, kRunPath, L"E2E User", L"C:\\user.exe /x");
  MainWindow run;
  ASSERT_NE(run.main, nullptr);
  HWND main = run.main;
  EXPECT_EQ(WindowText(main), L"Tarnix II");
  HWND lists[] = {WaitForControl(main, L"ListBox1", kShortTime),
                  WaitForControl(main, L"ListBox2", kShortTime),
                  WaitForControl(main, L"ListBox3", kShortTime)};
  EXPECT_TRUE(WaitUntil([&] { return ListContains(lists[0], L"E2E Machine"); }, kShortTime));
  // On NT the services list is not read at construction; the check's closing refresh reads it.
  EXPECT_TRUE(ListContains(lists[1], L"E2E Service"));
  EXPECT_TRUE(ListContains(lists[2], L"E2E User"));
  EXPECT_FALSE(IsWindowEnabled(lists[1]));

  EXPECT_TRUE(SaveScreenshot(main, L"shell_main_window.bmp"));
  run.EndWithEsc();
}

// The headings size themselves to their text in the screen's font; each must stay clear of
// the heading beside it, inside the page and above the lists.
TEST(ShellTest, RegistryHeadingsKeepApartAndAboveTheLists) {
  MainWindow run;
  ASSERT_NE(run.main, nullptr);
  HWND main = run.main;
  HWND page = WaitForControl(main, L"TabSheet1", kShortTime);
  ASSERT_NE(page, nullptr);
  RECT pageArea{};
  GetWindowRect(page, &pageArea);
  HDC screen = GetDC(nullptr);
  const int minimumGap = MulDiv(6, GetDeviceCaps(screen, LOGPIXELSX), 96);
  ReleaseDC(nullptr, screen);
  std::vector<std::pair<std::wstring, RECT>> headings;
  for (const wchar_t* name :
       {L"Label1", L"Label2", L"Label3", L"Label4", L"Label5", L"Label6", L"Label7", L"Label8"}) {
    HWND label = FindNamedControl(main, name);
    ASSERT_NE(label, nullptr) << tarnix::Narrow(name);
    RECT area{};
    GetWindowRect(label, &area);
    EXPECT_LE(area.right, pageArea.right) << tarnix::Narrow(name);
    headings.emplace_back(name, area);
  }
  for (const auto& [leftName, left] : headings) {
    for (const auto& [rightName, right] : headings) {
      const bool sameRow = left.top < right.bottom && right.top < left.bottom;
      if (sameRow && left.left < right.left) {
        EXPECT_GE(right.left - left.right, minimumGap)
            << tarnix::Narrow(leftName) << " and " << tarnix::Narrow(rightName);
      }
    }
  }
  RECT list{};
  GetWindowRect(FindNamedControl(main, L"ListBox1"), &list);
  for (const auto& heading : headings) {
    EXPECT_LE(heading.second.bottom, list.top);
  }
  run.EndWithEsc();
}

TEST(ShellTest, RefreshShowsValuesAddedFromOutside) {
  MainWindow run;
  ASSERT_NE(run.main, nullptr);
  HWND main = run.main;
  HWND userList = WaitForControl(main, L"ListBox3", kShortTime);

  SeededValue byKey(HKEY_CURRENT_USER, kRunPath, L"E2E By F5", L"C:\\f5.exe");
  EXPECT_FALSE(ListContains(userList, L"E2E By F5"));
  PostKey(userList, VK_F5);
  EXPECT_TRUE(WaitUntil([&] { return ListContains(userList, L"E2E By F5"); }, kShortTime));

  SeededValue byMenu(HKEY_CURRENT_USER, kRunPath, L"E2E By Menu", L"C:\\menu.exe");
  ASSERT_TRUE(Command(main, L"N17"));
  EXPECT_TRUE(WaitUntil([&] { return ListContains(userList, L"E2E By Menu"); }, kShortTime));
  run.EndWithEsc();
}

// The window sees Enter and Esc before the focused control: Enter still makes a new line in a
// text page, and Esc there asks about the edited text and ends the program.
TEST(ShellTest, EnterInATextPageMakesALineAndEscThereAsksToSave) {
  MainWindow run;
  ASSERT_NE(run.main, nullptr);
  HWND main = run.main;
  HWND page = WaitForControl(main, L"autoex", kShortTime);
  ASSERT_NE(page, nullptr);
  auto lines = [page] { return SendMessageW(page, EM_GETLINECOUNT, 0, 0); };
  const LRESULT before = lines();
  PostKey(page, VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return lines() == before + 1; }, kShortTime))
      << before << " " << lines() << " " << GetWindowTextLengthW(page);
  EXPECT_TRUE(run.process.Running());

  PostKey(page, VK_ESCAPE);
  HWND box = run.Window(L"#32770", L"Attention!");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"The data were changed! Save ?");
  PressDialogButton(box, IDNO);
  EXPECT_EQ(run.process.WaitForExit(kShortTime), std::optional<DWORD>(0));
}

TEST(ShellTest, SecondStartEndsAtOnceAndTheFirstComesForward) {
  MainWindow run;
  ASSERT_NE(run.main, nullptr);
  HWND main = run.main;
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }, kShortTime));

  TarnixProcess second;
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.WaitForExit(kShortTime), std::optional<DWORD>(0));
  EXPECT_TRUE(
      WaitUntil([&] { return IsIconic(main) == FALSE && IsWindowVisible(main); }, kShortTime));
  EXPECT_TRUE(run.process.Running());
  run.EndWithEsc();
}

TEST(ShellTest, SecondStartPutsTheRunningInstancesDialogOnTop) {
  MainWindow run;
  ASSERT_NE(run.main, nullptr);
  HWND main = run.main;
  Click(main, L"btnWins");
  HWND box = run.Window(L"#32770", L"Version OS");
  ASSERT_NE(box, nullptr);
  HWND other = CreateWindowExW(0, L"STATIC", L"In front", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);

  TarnixProcess second;
  EXPECT_EQ(second.WaitForExit(kShortTime), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }, kShortTime));
  DestroyWindow(other);
  PressDialogButton(box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kShortTime));
  run.EndWithEsc();
}

TEST(ShellTest, CheckOnlyEndsWithoutEverShowingTheMainWindow) {
  ASSERT_TRUE(SnapshotCurrentState());
  CheckRun check(L"/C");
  EXPECT_EQ(check.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_FALSE(check.mainWindowSeen);
}

}  // namespace
}  // namespace e2e
