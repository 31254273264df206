// The baseline of the start-up timings: what any windowed program costs under the same
// system. It shows a window with a list box, opens one registry key and ends. Built with
// TRIVIAL_PROGRESS_BAR it also shows a progress bar, as the splash window does, and so loads
// the common controls.
#include <windows.h>
#ifdef TRIVIAL_PROGRESS_BAR
#include <commctrl.h>
#endif

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"TrivialWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"TrivialWindow", L"Trivial", WS_POPUP | WS_BORDER, 100, 100,
                                426, 94, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 4, 4, 200, 80, window, nullptr,
                  instance, nullptr);
#ifdef TRIVIAL_PROGRESS_BAR
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  HWND bar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 210, 60, 200, 16,
                             window, nullptr, instance, nullptr);
  SendMessageW(bar, PBM_SETPOS, 100, 0);
#endif
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    RegCloseKey(key);
  }
  DestroyWindow(window);
  return 0;
}
