// Running tarnix2.exe through its start-up so that the next start meets no surprise.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

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
// Confirms what the process shows until it ends; the exit code, or nothing after the time.
std::optional<DWORD> ConfirmUntilExit(TarnixProcess& process, DWORD timeoutMs,
                                      std::vector<std::wstring>* boxes = nullptr);

// Confirms every message box and first-launch window the process shows until the main
// window appears; the main window, or null when it did not appear in time.
HWND WaitForMainWindow(TarnixProcess& process, DWORD timeoutMs);

}  // namespace e2e
