#include "e2e/support/session.h"

#include <gtest/gtest.h>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"

namespace e2e {

void ConfirmStartupWindows(DWORD processId, std::vector<std::wstring>* boxes) {
  if (HWND box = FindProcessWindow(processId, L"#32770")) {
    const std::wstring text = MessageBoxText(box);
    if (boxes && (boxes->empty() || boxes->back() != text))
      boxes->push_back(text);
    PressDialogButton(box, IDOK);
    Sleep(100);
  }
  if (HWND first = FindProcessWindow(processId, L"TfrmFirst")) {
    if (HWND ok = FindNamedControl(first, L"Button1"))
      PostMessageW(ok, BM_CLICK, 0, 0);
    Sleep(100);
  }
}

std::optional<DWORD> ConfirmUntilExit(TarnixProcess& process, DWORD timeoutMs,
                                      std::vector<std::wstring>* boxes) {
  std::optional<DWORD> code;
  WaitUntil(
      [&] {
        ConfirmStartupWindows(process.Id(), boxes);
        code = process.WaitForExit(0);
        return code.has_value();
      },
      timeoutMs);
  return code;
}

bool SnapshotCurrentState() {
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kSnapshotPath);
  TarnixProcess check(L"/c");
  return ConfirmUntilExit(check, 60000) == std::optional<DWORD>(0);
}

HWND WaitForMainWindow(TarnixProcess& process, DWORD timeoutMs) {
  HWND main = nullptr;
  WaitUntil(
      [&] {
        main = FindProcessWindow(process.Id(), L"Tmform");
        if (main == nullptr) {
          ConfirmStartupWindows(process.Id());
        }
        return main != nullptr || !process.Running();
      },
      timeoutMs);
  return main;
}

MainWindow::MainWindow() : snapshot(SnapshotCurrentState()) {
  EXPECT_TRUE(snapshot);
  EXPECT_TRUE(process.Started());
  main = WaitForMainWindow(process, kStartTime);
  EXPECT_NE(main, nullptr);
}

HWND MainWindow::Window(const std::wstring& className, const std::wstring& caption) const {
  return WaitForWindow(process.Id(), className, kShortTime, caption);
}

void MainWindow::EndWithEsc(const wchar_t* list) {
  PostKey(FindNamedControl(main, list), VK_ESCAPE);
  EXPECT_EQ(process.WaitForExit(kShortTime), std::optional<DWORD>(0));
}

}  // namespace e2e
