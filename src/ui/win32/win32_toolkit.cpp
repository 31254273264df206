#include "ui/win32/win32_toolkit.h"

#include "base/unicode_win32.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/control_base.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

constexpr wchar_t kAppClass[] = L"TApplication";

// The hidden application window hands its activation on to the window last active above it,
// so that bringing it forward brings the program's dialog or main window forward.
LRESULT CALLBACK AppProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
    HWND popup = GetLastActivePopup(hwnd);
    if (popup && popup != hwnd && IsWindowVisible(popup)) {
      SetForegroundWindow(popup);
      return 0;
    }
  }
  if (message == WM_CLOSE)
    return 0;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateAppWindow(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(instance, kAppClass, &wc)) {
    wc.lpfnWndProc = AppProc;
    wc.hInstance = instance;
    wc.lpszClassName = kAppClass;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    RegisterClassExW(&wc);
  }
  return CreateWindowExW(0, kAppClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                         0, 0, 0, nullptr, nullptr, instance, nullptr);
}

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR;
}

}  // namespace

std::unique_ptr<Toolkit> CreateToolkit(HINSTANCE instance) {
  return CreateToolkit(instance, ScreenDpi());
}

std::unique_ptr<Toolkit> CreateToolkit(HINSTANCE instance, int dpi) {
  return std::make_unique<Win32Toolkit>(instance, dpi);
}

Win32Toolkit::Win32Toolkit(HINSTANCE instance, int dpi)
    : instance_(instance), scale_(dpi), fonts_(dpi) {}

HWND Win32Toolkit::AppWindow() const {
  // The quiet logon check makes no window that needs it, and saves its cost.
  if (!app_.valid()) {
    app_.reset(CreateAppWindow(instance_));
    SetWindowTextW(app_.get(), Widen(title_).c_str());
  }
  return app_.get();
}

std::unique_ptr<Form> Win32Toolkit::CreateForm(const FormSpec& spec) {
  return std::make_unique<Win32Form>(*this, spec);
}

void Win32Toolkit::SetTitle(const std::string& title) {
  title_ = title;
  if (app_.valid())
    SetWindowTextW(app_.get(), Widen(title).c_str());
}

HWND Win32Toolkit::OwnerWindow(Form* owner) const {
  if (auto* form = dynamic_cast<Win32Form*>(owner)) {
    if (IsWindowVisible(form->Hwnd()))
      return form->Hwnd();
  }
  HWND active = GetActiveWindow();
  return active ? active : AppWindow();
}

void Win32Toolkit::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    LoadCommonControls();
    ::MessageBoxW(OwnerWindow(nullptr), Widen(error.what()).c_str(), Widen(title_).c_str(),
                  MB_OK | MB_ICONSTOP);
  }
}

void Win32Toolkit::Terminate() {
  terminated_ = true;
  // Without an application window the message goes to the thread: it wakes the loop either way.
  PostMessageW(app_.get(), WM_NULL, 0, 0);
}

void Win32Toolkit::PumpMessage() {
  MSG msg;
  BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    terminated_ = true;
    return;
  }
  // Keys are routed before TranslateMessage, so that a key used up makes no character.
  if (IsKeyMessage(msg.message)) {
    WindowBase* target = WindowBase::FromHwnd(msg.hwnd);
    if (target && target->Hwnd() == msg.hwnd) {
      Win32Form& form = target->Owner();
      WindowBase* control = static_cast<WindowBase*>(&form) == target ? nullptr : target;
      bool used = msg.message == WM_CHAR
                      ? RouteChar(form, control, msg.wParam)
                      : RouteKeyDown(form, control, msg.message, msg.wParam, msg.lParam);
      if (used)
        return;
      routed_ = msg;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  routed_ = MSG{};
}

bool Win32Toolkit::WasRouted(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const {
  return routed_.hwnd == hwnd && routed_.message == message && routed_.wParam == wParam &&
         routed_.lParam == lParam;
}

std::vector<HWND> Win32Toolkit::DisableOtherWindows(HWND except) const {
  struct Walk {
    HWND except;
    std::vector<HWND> disabled;
  } walk{except, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(data);
        if (hwnd != w->except && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
          EnableWindow(hwnd, FALSE);
          w->disabled.push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.disabled;
}

void Win32Toolkit::Run(Form* mainForm, bool showMain) {
  if (mainForm && showMain)
    Dispatch([mainForm] { mainForm->Show(); });
  while (!terminated_) PumpMessage();
}

}  // namespace tarnix::ui::win32
