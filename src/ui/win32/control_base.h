// The HWND side shared by every control: creation with a dialog control ID, subclassing,
// the name properties a test driver reads, focus, hints, pop-up menus and key routing.
#pragma once

#include <windows.h>

#include <string>

#include "ui/widgets.h"

namespace tarnix::ui::win32 {

class Win32Form;
class Win32Toolkit;

// What WM_COMMAND, WM_NOTIFY and the owner-draw messages reach by control or command ID.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  virtual void OnCommand(int /*code*/) {}
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  // A brush for WM_CTLCOLORSTATIC, or null for the default colours.
  virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
};

// Property of every control window: a global atom holding the control's name.
constexpr wchar_t kNameProperty[] = L"TarnixName";

class WindowBase : public CommandTarget {
 public:
  WindowBase(Win32Form* form, std::string name) : form_(form), name_(std::move(name)) {}
  ~WindowBase() override = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  HWND Hwnd() const { return hwnd_; }
  const std::string& ControlName() const { return name_; }
  Win32Form& Owner() const { return *form_; }
  Win32Toolkit& Kit() const;
  virtual Control& Self() = 0;
  // The window that child controls placed on this one are created in.
  virtual HWND ClientHwnd() const { return hwnd_; }
  virtual bool TakesFocus() const { return false; }
  virtual bool IsPushButton() const { return false; }
  // Enter is the control's own key (a new line), not the default button's.
  virtual bool WantsReturn() const { return false; }
  virtual void Click() {}

  // The registered window at or above hwnd, or null.
  static WindowBase* FromHwnd(HWND hwnd);
  // The pop-up menu of this control or of the nearest container holding one.
  PopupMenu* ActivePopup();

  void FocusWindow();
  void SetHintText(const std::string& hint);

 protected:
  // Registers an ID with the form, creates the window with it, subclasses it, names it and
  // gives it the form's font. Throws when the window cannot be made.
  void Create(const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle,
              const RECT& rect, HWND parent);
  // Puts a new window of the class in the place of the control's window, with its ID, style,
  // bounds, place among its siblings, font and hint, and destroys the old one.
  void Renew(const wchar_t* windowClass);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  Win32Form* form_;
  std::string name_;
  std::string hint_;
  PopupMenu* popup_ = nullptr;
  HWND hwnd_ = nullptr;
  int id_ = 0;

 public:
  // Messages of the control's window, before its class procedure.
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  // For windows of the backend's own classes, whose procedure calls Receive: an ID before
  // the window is made, then the window once it exists.
  int AssignId();
  void Adopt(HWND hwnd);
  void Detach();

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Register(HWND hwnd);
  void MakeWindow(const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle,
                  const RECT& rect, HWND parent);
  void ShowPopup(LPARAM where);
  // The window's own procedure, which ours passes messages on to; null when not subclassed.
  WNDPROC classProc_ = nullptr;
};

// The Control interface over an HWND; I is the widget interface the control implements.
template <class I>
class WindowControl : public I, public WindowBase {
 public:
  WindowControl(Win32Form* form, std::string name) : WindowBase(form, std::move(name)) {}
  Control& Self() override { return *this; }
  std::string Name() const override { return name_; }
  bool Enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  bool Visible() const override { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  bool Focused() const override { return hwnd_ && GetFocus() == hwnd_; }
  void SetFocus() override { FocusWindow(); }
  void SetHint(const std::string& hint) override { SetHintText(hint); }
  std::string Hint() const override { return hint_; }
  void SetPopupMenu(PopupMenu* menu) override { popup_ = menu; }
  PopupMenu* GetPopupMenu() const override { return popup_; }
};

std::wstring WindowText(HWND hwnd);

}  // namespace tarnix::ui::win32
