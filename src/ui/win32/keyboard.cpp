#include "ui/win32/keyboard.h"

#include "ui/win32/control_base.h"
#include "ui/win32/menus.h"
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

MenuItemImpl* PopupShortcut(WindowBase* control, const Shortcut& shortcut) {
  if (!control)
    return nullptr;
  auto* popup = dynamic_cast<PopupMenuImpl*>(control->ActivePopup());
  return popup ? popup->FindShortcut(shortcut) : nullptr;
}

}  // namespace

bool RouteKeyDown(Win32Form& form, WindowBase* control, UINT message, WPARAM& key, LPARAM flags) {
  ShiftState shift = CurrentShift(message, flags);
  Shortcut shortcut{static_cast<int>(key), shift};
  MenuItemImpl* item = PopupShortcut(control, shortcut);
  if (!item)
    item = form.MainMenuShortcut(shortcut);
  if (item) {
    item->Run();
    return true;
  }
  int code = static_cast<int>(key);
  Win32Toolkit& kit = form.Toolkit();
  int closes = form.CloseCount();
  if (form.KeyPreview() && form.onFormKeyDown) {
    kit.Dispatch([&] { form.onFormKeyDown(code, shift); });
    if (code == 0 || form.CloseCount() != closes)
      return true;
  }
  if (control && control->Self().onKeyDown) {
    kit.Dispatch([&] { control->Self().onKeyDown(code, shift); });
    if (code == 0 || form.CloseCount() != closes)
      return true;
  }
  key = static_cast<WPARAM>(code);
  if (code == VK_F1 && !shift.shift && !shift.ctrl && !shift.alt && kit.onHelp) {
    kit.Dispatch([&form, &kit] { kit.onHelp(form, form.HelpContext()); });
    return true;
  }
  if (code == VK_TAB && !shift.ctrl && !shift.alt) {
    form.MoveFocus(control, shift.shift);
    return true;
  }
  return false;
}

bool RouteChar(Win32Form& form, WindowBase* control, WPARAM& character) {
  int code = static_cast<int>(character);
  Win32Toolkit& kit = form.Toolkit();
  int closes = form.CloseCount();
  if (form.KeyPreview() && form.onFormKeyPress) {
    kit.Dispatch([&] { form.onFormKeyPress(code); });
    if (code == 0 || form.CloseCount() != closes)
      return true;
  }
  if (control && control->Self().onKeyPress) {
    kit.Dispatch([&] { control->Self().onKeyPress(code); });
    if (code == 0 || form.CloseCount() != closes)
      return true;
  }
  character = static_cast<WPARAM>(code);
  bool ownKey = control && control->WantsReturn();
  switch (code) {
    case VK_RETURN:
      if (ownKey)
        return false;
      form.PressDefault(control);
      return true;
    case VK_ESCAPE:
      form.PressCancel();
      return true;
    case VK_TAB:
      return true;
    default:
      return false;
  }
}

}  // namespace tarnix::ui::win32
