// Running tarnix2.exe through its start-up so that the next start meets no surprise.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "e2e/support/desktop.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {

// Makes the snapshot hold the system as it is now: deletes it and runs "tarnix2.exe /c",
// whose first launch saves a new one, confirming what that start shows. Whether it ended
// within the time with exit code 0.
bool SnapshotCurrentState();

// tarnix2.exe started on a system just snapshotted, so that its start-up check finds nothing
// to report, up to its main window (null when it did not come). Each step is checked.
struct MainWindow {
  MainWindow();
  // A visible window of the program of this class (and this caption when given).
  HWND Window(const std::wstring& className, const std::wstring& caption = L"") const;
  // Esc on the list: the program ends by its save prompt, which asks nothing when nothing was
  // edited; checks that it ended well in time.
  void EndWithEsc(const wchar_t* list = L"ListBox3");

  const bool snapshot;
  TarnixProcess process;
  HWND main = nullptr;
};

// Confirms what the process shows now: a message box with its default button, its text added
// to `boxes` unless it is the last one there; the first-launch window with its OK button.
void ConfirmStartupWindows(DWORD processId, std::vector<std::wstring>* boxes = nullptr);

// One "tarnix2.exe /c" run (or with other arguments), watched until it ends: its message boxes
// confirmed with OK and their texts kept, its first launch answered, and whether it ever showed
// the main window.
class CheckRun {
 public:
  explicit CheckRun(const std::wstring& arguments = L"/c") : process_(arguments) {
    EXPECT_TRUE(process_.Started());
  }
  DWORD Id() const { return process_.Id(); }
  // Waits for the change report; null when the program ended or the time ran out first.
  HWND WaitForReport() {
    HWND report = nullptr;
    WaitUntil(
        [&] {
          Watch();
          report = FindProcessWindow(process_.Id(), L"TForm1");
          return report != nullptr || !process_.Running();
        },
        kStartTime);
    return report;
  }
  // Waits for the report to show the line, changes the section back and waits for the end.
  void ChangeBackWhenReported(const std::wstring& line) {
    HWND report = WaitForReport();
    ASSERT_NE(report, nullptr);
    HWND list = WaitForControl(report, L"ListBox1", kShortTime);
    EXPECT_TRUE(WaitUntil([&] { return ListContains(list, line); }, kShortTime));
    Click(report, L"btnCancel");
    EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
  }
  // Waits for the report, presses one of its decisions and waits for the end.
  void DecideWhenReported(const wchar_t* button) {
    HWND report = WaitForReport();
    ASSERT_NE(report, nullptr);
    Click(report, button);
    EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
  }
  // Waits for a message box of the program and leaves it open; null when none came in time.
  HWND WaitForBox() { return WaitForWindow(process_.Id(), L"#32770", kShortTime); }
  std::optional<DWORD> WaitForExit() {
    std::optional<DWORD> code;
    WaitUntil(
        [&] {
          Watch();
          code = process_.WaitForExit(0);
          return code.has_value();
        },
        kStartTime);
    return code;
  }

  std::vector<std::wstring> boxes;
  bool mainWindowSeen = false;

 private:
  void Watch() {
    mainWindowSeen = mainWindowSeen || FindProcessWindow(process_.Id(), L"Tmform") != nullptr;
    ConfirmStartupWindows(process_.Id(), &boxes);
  }
  TarnixProcess process_;
};

// Confirms what the process shows until it ends; the exit code, or nothing after the time.
std::optional<DWORD> ConfirmUntilExit(TarnixProcess& process, DWORD timeoutMs,
                                      std::vector<std::wstring>* boxes = nullptr);

// Confirms every message box and first-launch window the process shows until the main
// window appears; the main window, or null when it did not appear in time.
HWND WaitForMainWindow(TarnixProcess& process, DWORD timeoutMs);

}  // namespace e2e
