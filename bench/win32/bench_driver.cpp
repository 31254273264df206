// Drives tarnix2.exe for the start-up timings, from outside, as a user would.
//   bench_driver first <tarnix2.exe>  a first launch with /c: confirms the welcome window and
//                                     the message boxes, so that the snapshot is saved
//   bench_driver close                waits (60 s at most) for the main window to be visible,
//                                     then asks it to close; prints "ready" once it waits
#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/win32/win32_find.h"

namespace {

bool Visible(HWND window) {
  return window != nullptr && IsWindowVisible(window);
}

// Answers the first launch until the process ends; its exit code, or -1 after 60 s.
int FirstLaunch(const std::wstring& exe) {
  std::wstring commandLine = L"\"" + exe + L"\" /c";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  int code = -1;
  for (int waited = 0; waited < 60000; waited += 50) {
    if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
      DWORD exitCode = 0;
      GetExitCodeProcess(process.hProcess, &exitCode);
      code = static_cast<int>(exitCode);
      break;
    }
    HWND box = FindWindowW(L"#32770", nullptr);
    if (Visible(box)) {
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    HWND first = FindWindowW(L"TfrmFirst", nullptr);
    if (Visible(first)) {
      if (HWND ok = tarnix::ui::win32::FindControl(first, L"Button1")) {
        PostMessageW(ok, BM_CLICK, 0, 0);
      }
    }
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

int CloseMainWindow() {
  std::printf("ready\n");
  std::fflush(stdout);
  for (int waited = 0; waited < 60000; ++waited) {
    HWND main = FindWindowW(L"Tmform", nullptr);
    if (Visible(main)) {
      PostMessageW(main, WM_CLOSE, 0, 0);
      return 0;
    }
    Sleep(1);
  }
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"first" && argc > 2) {
    return FirstLaunch(argv[2]);
  }
  if (mode == L"close") {
    return CloseMainWindow();
  }
  std::fprintf(stderr, "usage: bench_driver first <tarnix2.exe> | close\n");
  return 2;
}
