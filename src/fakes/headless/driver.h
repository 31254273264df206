// The user, as a test plays it on headless forms. Every event an action fires runs through
// the toolkit's Dispatch, as the real event loop would run it.
//
//   HeadlessToolkit toolkit;                          // see headless_toolkit.h
//   toolkit.OnModal("Teditline", [](Form& f) {        // what the user does in a dialog
//     TypeText(f, "new text");
//     Click(Get<Button>(f, "BitBtn1"));
//   });
//   toolkit.AnswerNextMessageBox(mb::IdOk);           // the next message box's button
//   PressKey(*form, vk::Return);                      // a key on the focused control
//   toolkit.Messages();                               // every box shown, in order
//
// Keys (PressKey, TypeText) take the way every toolkit routes them (ui/key_routing.h). What
// that leaves to the focused control: Space presses a focused button or check box, Enter
// makes a new line in a text page, Del/Backspace/characters and the arrow keys edit an edit
// box or text page or move a list's selection.
//
// Actions on a disabled control (or one in a disabled container) do nothing and return
// false. Actions on a control that is hidden, or on a form while another form is shown
// modally over it, throw DriverError: no user could reach them.
// Including this header gives a test every headless class.
#pragma once

#include <string>

#include "fakes/headless/headless_controls.h"
#include "fakes/headless/headless_errors.h"
#include "fakes/headless/headless_form.h"
#include "fakes/headless/headless_menus.h"
#include "fakes/headless/headless_text.h"
#include "fakes/headless/headless_toolkit.h"

namespace tarnix::ui::headless {

// A left click: buttons, check and radio buttons take the focus, then act and fire onClick
// (a button with a modal result then sets it on its form; a Close button closes it); a
// toolbar button fires onClick and leaves the focus where it is.
bool Click(Control& control);
// Chooses a menu item (main or pop-up menu) when it and its menus are enabled.
bool Click(MenuItem& item);
// Gives the control the focus when it can take it; the previously focused one's onExit fires.
bool Focus(Control& control);
// The user selects a line: the list takes the focus, ItemIndex is set, onClick, onChange.
bool Select(ListBox& list, int index);
// The user clicks a tab: the page comes to the front, then onChange.
bool SelectPage(PageControl& pages, int index);
// A left double click: the control takes the focus, then onDblClick.
bool DoubleClick(Control& control);
// A mouse button pressed on the control: the left one gives it the focus first; the right
// one neither focuses nor selects (the form's handler decides). Then onMouseDown.
bool MouseDown(Control& control, MouseButton button, int x = 0, int y = 0);
// A key pressed and released while the form is active, processed as described above.
void PressKey(Form& form, int vk, ShiftState shift = {});
// Types the text into the form's focused control, character by character, each through the
// key path; "\n", "\r" and "\r\n" are Enter, "\t" is Tab.
void TypeText(Form& form, const std::string& text);
// The window's close box: Close.
void CloseBox(Form& form);

// An item of the form's main menu or pop-up menus, at any depth; throws DriverError if none.
MenuItem& FindMenuItem(Form& form, const std::string& name);
// A control of the form by name and kind; throws DriverError if there is none of that kind.
template <class T>
T& Get(Form& form, const std::string& name) {
  T* control = dynamic_cast<T*>(form.FindControl(name));
  if (control == nullptr) {
    throw DriverError("no control '" + name + "' of the wanted kind on form '" + form.Name() + "'");
  }
  return *control;
}

}  // namespace tarnix::ui::headless
