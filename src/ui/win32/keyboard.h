// Keys of a form's windows on their way through the toolkit's routing (ui/key_routing.h),
// before the focused window's own handling.
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
