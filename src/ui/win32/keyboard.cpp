#include "ui/win32/keyboard.h"

#include "ui/key_routing.h"
#include "ui/win32/control_base.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

ShiftState CurrentShift(UINT message, LPARAM flags) {
  constexpr LPARAM kAltDown = 1 << 29;
  ShiftState shift;
  shift.shift = GetKeyState(VK_SHIFT) < 0;
  shift.ctrl = GetKeyState(VK_CONTROL) < 0;
  shift.alt = GetKeyState(VK_MENU) < 0 || (message == WM_SYSKEYDOWN && (flags & kAltDown));
  return shift;
}

// The key's way through a form and the control whose window got it.
class Win32KeySteps final : public KeySteps {
 public:
  Win32KeySteps(Win32Form& form, WindowBase* control) : form_(form), control_(control) {}
  Toolkit& Kit() override { return form_.Toolkit(); }
  Form& KeyForm() override { return form_; }
  const FormSpec& Spec() const override { return form_.Spec(); }
  int CloseCount() const override { return form_.CloseCount(); }
  Control* Focused() override { return control_ ? &control_->Self() : nullptr; }
  PopupMenu* FocusedPopup() override { return control_ ? control_->ActivePopup() : nullptr; }
  MainMenu* Menu() override { return form_.Menu(); }
  void MoveFocus(bool backwards) override { form_.MoveFocus(control_, backwards); }
  bool FocusTakesReturn() override { return control_ && control_->WantsReturn(); }
  void PressDefault() override { form_.PressDefault(control_); }
  void PressCancel() override { form_.PressCancel(); }

 private:
  Win32Form& form_;
  WindowBase* control_;
};

}  // namespace

bool RouteKeyDown(Win32Form& form, WindowBase* control, UINT message, WPARAM& key, LPARAM flags) {
  Win32KeySteps steps(form, control);
  int code = static_cast<int>(key);
  bool used = ui::RouteKeyDown(steps, code, CurrentShift(message, flags));
  key = static_cast<WPARAM>(code);
  return used;
}

bool RouteChar(Win32Form& form, WindowBase* control, WPARAM& character) {
  Win32KeySteps steps(form, control);
  int code = static_cast<int>(character);
  bool used = ui::RouteChar(steps, code);
  character = static_cast<WPARAM>(code);
  return used;
}

}  // namespace tarnix::ui::win32
