// The Win32 backend of the toolkit.
//
// How a test driver in another process finds what the program shows:
// - Forms are top-level windows of one window class per form class ("Tmform", "TForm1", ...)
//   with their caption as window text, all owned by the hidden "TApplication" window whose
//   title is the application title.
// - Every control is a standard window class ("Button", "Edit", "ListBox", "RichEdit50W",
//   "SysTabControl32", "ToolbarWindow32", ...) with its caption as window text and a dialog
//   control ID unique within its form, given in creation order from 1000 on. Its name is a
//   global atom in the window property "TarnixName" (GetPropW + GlobalGetAtomNameW).
// - Menu items and toolbar buttons take IDs from the same sequence; sending WM_COMMAND with
//   that ID (lParam 0) to the form runs them. Menu captions carry the shortcut after a tab
//   ("&Find\tCtrl+F"); toolbar buttons carry their hint as button text (TB_GETBUTTONTEXT).
// - The form window has a property "Tarnix:<name>" holding the ID of each of its controls,
//   menu items and toolbar buttons; win32_find.h has the helpers that read them.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/toolkit.h"

namespace tarnix::ui::win32 {

std::unique_ptr<Toolkit> CreateToolkit(HINSTANCE instance);
// Lays the forms out and sizes their fonts as on a screen of this dpi, whatever the real
// screen's: how tests look at the forms at every dpi on one display.
std::unique_ptr<Toolkit> CreateToolkit(HINSTANCE instance, int dpi);

}  // namespace tarnix::ui::win32
