// What the toolkit tests share: one toolkit, a form with every kind of control, running the
// event loop for a bounded time, keys as the keyboard sends them, and a second thread that
// plays the user while the test thread sits in a modal loop.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ui/toolkit.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_find.h"
#include "ui/win32/win32_toolkit.h"

namespace tarnix::ui::testing {

constexpr char kTitle[] = "Tarnix UI test";

inline Toolkit& Kit() {
  static std::unique_ptr<Toolkit> kit = [] {
    auto made = win32::CreateToolkit(GetModuleHandleW(nullptr));
    made->SetTitle(kTitle);
    return made;
  }();
  return *kit;
}

inline win32::Win32Toolkit& Loop() {
  return static_cast<win32::Win32Toolkit&>(Kit());
}

// Handles messages until done() holds; false when the time ran out first.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds)
      return false;
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      Loop().PumpMessage();
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  return true;
}

// Handles what is waiting, and what that brings, for a moment.
inline void Settle(DWORD milliseconds = 100) {
  PumpUntil([] { return false; }, milliseconds);
}

inline LPARAM KeyFlags(int key) {
  return 1 | static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16);
}

// A key press as the keyboard queues it; the loop makes the character from it.
inline void PostKey(HWND target, int key, bool alt = false) {
  UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
  LPARAM altFlag = alt ? (1 << 29) : 0;
  PostMessageW(target, down, static_cast<WPARAM>(key), KeyFlags(key) | altFlag);
  PostMessageW(target, up, static_cast<WPARAM>(key),
               KeyFlags(key) | altFlag | static_cast<LPARAM>(0xC0000000u));
}

inline std::wstring TextOf(HWND hwnd) {
  wchar_t text[1024] = {};
  SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

inline std::wstring ListItem(HWND list, int index) {
  wchar_t text[1024] = {};
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

// A visible top-level window of this class and title, waited for up to the time given.
inline HWND WaitForWindow(const wchar_t* windowClass, const wchar_t* title,
                          DWORD milliseconds = 5000) {
  DWORD start = GetTickCount();
  do {
    HWND found = FindWindowW(windowClass, title);
    if (found && IsWindowVisible(found))
      return found;
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

// What a message box showed: the style bits rebuilt from its buttons and icon.
struct ShownBox {
  bool seen = false;
  HWND owner = nullptr;
  std::wstring text, caption;
  unsigned style = 0;
};

// Waits for a message box with this caption (any when null), reads it, presses one of its
// buttons and waits until it has gone.
inline ShownBox AnswerBox(const wchar_t* caption, int button, DWORD milliseconds = 5000) {
  HWND box = WaitForWindow(L"#32770", caption, milliseconds);
  if (!box)
    return {};
  const unsigned buttons = GetDlgItem(box, IDYES)      ? mb::YesNo
                           : GetDlgItem(box, IDCANCEL) ? mb::OkCancel
                                                       : mb::Ok;
  ShownBox shown{true, GetWindow(box, GW_OWNER), TextOf(GetDlgItem(box, 0xFFFF)), TextOf(box),
                 buttons};
  // The icon's control ID: 0x14 on Windows, 0x440 (stc1) in Wine's template.
  HWND icon = GetDlgItem(box, 0x0014) ? GetDlgItem(box, 0x0014) : GetDlgItem(box, 0x0440);
  const auto drawn = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
  const std::pair<LPCWSTR, unsigned> icons[] = {{IDI_HAND, mb::IconStop},
                                                {IDI_QUESTION, mb::IconQuestion},
                                                {IDI_EXCLAMATION, mb::IconWarning},
                                                {IDI_ASTERISK, mb::IconInfo}};
  for (const auto& [id, bits] : icons) {
    if (icon && IsWindowVisible(icon) && drawn == LoadIconW(nullptr, id))
      shown.style |= bits;
  }
  PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
  for (int wait = 0; wait < 250 && IsWindowVisible(box); ++wait) Sleep(20);
  return shown;
}

// Plays the user from a second thread; joined (after at most its own bounded waits) when
// the test ends.
class User {
 public:
  explicit User(std::function<void()> script) : thread_(std::move(script)) {}
  ~User() {
    if (thread_.joinable())
      thread_.join();
  }

 private:
  std::thread thread_;
};

// Ends what a failed test would leave waiting: after the time given, it closes the
// windows of these classes and answers every message box, until it is destroyed.
class Rescue {
 public:
  Rescue(std::vector<std::wstring> windowClasses, DWORD milliseconds)
      : done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        thread_([this, windowClasses, milliseconds] {
          if (WaitForSingleObject(done_, milliseconds) != WAIT_TIMEOUT)
            return;
          while (WaitForSingleObject(done_, 200) == WAIT_TIMEOUT) {
            for (const std::wstring& windowClass : windowClasses) {
              if (HWND window = FindWindowW(windowClass.c_str(), nullptr)) {
                PostMessageW(window, WM_CLOSE, 0, 0);
              }
            }
            if (HWND box = FindWindowW(L"#32770", nullptr))
              PostMessageW(box, WM_COMMAND, IDOK, 0);
          }
        }) {}
  ~Rescue() {
    SetEvent(done_);
    thread_.join();
    CloseHandle(done_);
  }

 private:
  HANDLE done_;
  std::thread thread_;
};

// The text a tooltip control shows for one of its tools.
inline std::wstring ToolTipText(HWND tip, HWND toolWindow, UINT_PTR toolId) {
  wchar_t text[256] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = toolWindow;
  tool.uId = toolId;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return text;
}

}  // namespace tarnix::ui::testing
