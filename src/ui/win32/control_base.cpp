#include "ui/win32/control_base.h"

#include <windowsx.h>

#include <stdexcept>

#include "base/unicode_win32.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/containers.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/menus.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

// In-process pointer from a window to its control object.
constexpr wchar_t kSelfProperty[] = L"TarnixControl";
// The class procedure of a window whose control has let it go while a later subclass (a
// tooltip's) still sits above ours, so ours can only pass messages on.
constexpr wchar_t kClassProcProperty[] = L"TarnixClassProc";

MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

}  // namespace

std::wstring WindowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

Win32Toolkit& WindowBase::Kit() const {
  return form_->Toolkit();
}

WindowBase* WindowBase::FromHwnd(HWND hwnd) {
  for (HWND h = hwnd; h; h = GetAncestor(h, GA_PARENT)) {
    if (auto* self = static_cast<WindowBase*>(GetPropW(h, kSelfProperty)))
      return self;
    if (!(GetWindowLongW(h, GWL_STYLE) & WS_CHILD))
      break;
  }
  return nullptr;
}

PopupMenu* WindowBase::ActivePopup() {
  HWND top = form_->Hwnd();
  for (HWND h = hwnd_; h && h != top; h = GetAncestor(h, GA_PARENT)) {
    WindowBase* owner = FromHwnd(h);
    if (owner && owner->popup_)
      return owner->popup_;
  }
  return nullptr;
}

void WindowBase::Create(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                        DWORD exStyle, const RECT& rect, HWND parent) {
  AssignId();
  MakeWindow(windowClass, text, style, exStyle, rect, parent);
}

void WindowBase::Renew(const wchar_t* windowClass) {
  HWND old = hwnd_;
  HWND parent = GetParent(old);
  RECT rect;
  GetWindowRect(old, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  const auto style = static_cast<DWORD>(GetWindowLongW(old, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(old, GWL_EXSTYLE));
  const bool focused = ::GetFocus() == old;
  Detach();
  MakeWindow(windowClass, L"", style, exStyle, rect, parent);
  SetWindowPos(hwnd_, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  DestroyWindow(old);
  if (!hint_.empty())
    form_->SetToolTip(hwnd_, hint_);
  if (focused)
    FocusWindow();
}

void WindowBase::MakeWindow(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                            DWORD exStyle, const RECT& rect, HWND parent) {
  // Statics look the same without the common controls; every other class needs them, for
  // its version-6 look or for the class itself.
  if (lstrcmpiW(windowClass, L"STATIC") != 0)
    LoadCommonControls();
  HWND hwnd =
      CreateWindowExW(exStyle, windowClass, text.c_str(), style | WS_CHILD, rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), Kit().Instance(), this);
  if (!hwnd)
    throw std::runtime_error("Cannot create the window of " + name_);
  Register(hwnd);
  classProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(form_->Font()), FALSE);
}

int WindowBase::AssignId() {
  id_ = form_->Register(this, name_);
  return id_;
}

void WindowBase::Adopt(HWND hwnd) {
  Register(hwnd);
}

void WindowBase::Register(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kSelfProperty, this);
  ATOM atom = GlobalAddAtomW(Widen(name_).c_str());
  if (atom)
    SetPropW(hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
}

void WindowBase::Detach() {
  if (!hwnd_)
    return;
  if (classProc_) {
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
    } else {
      SetPropW(hwnd_, kClassProcProperty, reinterpret_cast<HANDLE>(classProc_));
    }
  }
  classProc_ = nullptr;
  RemovePropW(hwnd_, kSelfProperty);
  auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropW(hwnd_, kNameProperty)));
  if (atom)
    GlobalDeleteAtom(atom);
  hwnd_ = nullptr;
}

void WindowBase::FocusWindow() {
  form_->RememberFocus(hwnd_);
  HWND top = GetAncestor(hwnd_, GA_ROOT);
  if (GetActiveWindow() == top && IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_)) {
    ::SetFocus(hwnd_);
  }
}

void WindowBase::SetHintText(const std::string& hint) {
  hint_ = hint;
  form_->SetToolTip(hwnd_, hint);
}

LRESULT WindowBase::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (classProc_)
    return CallWindowProcW(classProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT WindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

void WindowBase::ShowPopup(LPARAM where) {
  POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    point = {rect.left + 8, rect.top + 8};
  }
  if (auto* popup = dynamic_cast<PopupMenuImpl*>(ActivePopup()))
    popup->Track(form_->Hwnd(), point);
}

LRESULT WindowBase::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
  WindowBase* control = form_ == this ? nullptr : this;
  Win32Toolkit& kit = Kit();
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!kit.WasRouted(hwnd_, message, wParam, lParam) &&
          RouteKeyDown(*form_, control, message, wParam, lParam)) {
        return 0;
      }
      break;
    case WM_CHAR:
      if (!kit.WasRouted(hwnd_, message, wParam, lParam) && RouteChar(*form_, control, wParam)) {
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (control)
        form_->RememberFocus(hwnd_);
      break;
    case WM_KILLFOCUS: {
      LRESULT result = OnMessage(message, wParam, lParam);
      auto gaining = reinterpret_cast<HWND>(wParam);
      if (control && Self().onExit && !form_->Destroying() && gaining &&
          GetAncestor(gaining, GA_ROOT) == form_->Hwnd()) {
        kit.Dispatch([this] { Self().onExit(); });
      }
      return result;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      LRESULT result = OnMessage(message, wParam, lParam);
      if (control && Self().onMouseDown) {
        MouseButton button = ButtonOf(message);
        int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        kit.Dispatch([=] { Self().onMouseDown(button, x, y); });
      }
      return result;
    }
    case WM_CONTEXTMENU:
      if (control && ActivePopup()) {
        ShowPopup(lParam);
        return 0;
      }
      break;
    case WM_NCDESTROY: {
      LRESULT result = OnMessage(message, wParam, lParam);
      Detach();
      return result;
    }
    default:
      break;
  }
  return OnMessage(message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<WindowBase*>(GetPropW(hwnd, kSelfProperty));
  if (self && self->classProc_) {
    try {
      return self->Receive(message, wParam, lParam);
    } catch (...) {
      return CallWindowProcW(self->classProc_, hwnd, message, wParam, lParam);
    }
  }
  auto classProc = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kClassProcProperty));
  LRESULT result = classProc ? CallWindowProcW(classProc, hwnd, message, wParam, lParam)
                             : DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY)
    RemovePropW(hwnd, kClassProcProperty);
  return result;
}

}  // namespace tarnix::ui::win32
