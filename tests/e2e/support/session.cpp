#include "e2e/support/session.h"

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"

namespace e2e {

namespace {

// Confirms what the start-up shows: message boxes with their default button, the first-launch
// window with its OK button.
void ConfirmStartupWindows(DWORD processId) {
  if (HWND box = FindProcessWindow(processId, L"#32770")) {
    PressDialogButton(box, IDOK);
    Sleep(100);
  }
  if (HWND first = FindProcessWindow(processId, L"TfrmFirst")) {
    if (HWND ok = FindNamedControl(first, L"Button1")) {
      PostMessageW(ok, BM_CLICK, 0, 0);
      Sleep(100);
    }
  }
}

}  // namespace

bool SnapshotCurrentState() {
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kSnapshotPath);
  TarnixProcess check(L"/c");
  std::optional<DWORD> code;
  const bool ended = WaitUntil(
      [&] {
        ConfirmStartupWindows(check.Id());
        code = check.WaitForExit(0);
        return code.has_value();
      },
      60000);
  return ended && *code == 0;
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

}  // namespace e2e
