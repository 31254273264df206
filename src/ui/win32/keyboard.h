// Where a key goes before the focused window's own handling: the focused control's pop-up
// menu shortcuts, then the form's main menu shortcuts, then the form's key preview, then
// the control's handlers; then F1 asks for the form's help, Tab moves the focus, Enter
// presses the default button and Esc the cancel button. A handler that sets the key to 0, or
// closes the form, ends the key.
#pragma once

#include <windows.h>

namespace tarnix::ui::win32 {

class Win32Form;
class WindowBase;

// WM_KEYDOWN or WM_SYSKEYDOWN for the focused control (null: the form itself). True when the
// key was used up; otherwise key holds the key the window is to see.
bool RouteKeyDown(Win32Form& form, WindowBase* control, UINT message, WPARAM& key, LPARAM flags);
// WM_CHAR, the same way.
bool RouteChar(Win32Form& form, WindowBase* control, WPARAM& character);

}  // namespace tarnix::ui::win32
