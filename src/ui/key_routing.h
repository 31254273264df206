// Where a key goes, the same in every toolkit. The key itself: the focused control's pop-up
// menu shortcuts, then the form's main menu shortcuts, then the form's onFormKeyDown with key
// preview, then the control's onKeyDown; then F1 asks for the form's help and Tab moves the
// focus. The character it makes: onFormKeyPress with key preview, the control's onKeyPress;
// then Enter presses the focused or default button (unless the control takes Enter itself),
// Esc the cancel button. A handler that sets the key to 0, or closes the form, ends it there.
// What no step uses up is the focused control's own.
#pragma once

#include <algorithm>
#include <vector>

#include "ui/toolkit.h"

namespace tarnix::ui {

// One key press in one form, as a toolkit holds the form and its focused control.
class KeySteps {
 public:
  virtual ~KeySteps() = default;
  virtual Toolkit& Kit() = 0;
  virtual Form& KeyForm() = 0;
  virtual const FormSpec& Spec() const = 0;
  // Rises each time the form closes.
  virtual int CloseCount() const = 0;
  // The control the key is for; null when the form itself has the focus.
  virtual Control* Focused() = 0;
  // The pop-up menu whose shortcuts act in the focused control, or null.
  virtual PopupMenu* FocusedPopup() = 0;
  virtual MainMenu* Menu() = 0;
  // Tab and Shift+Tab.
  virtual void MoveFocus(bool backwards) = 0;
  // Enter makes a new line in the focused control.
  virtual bool FocusTakesReturn() = 0;
  // Clicks the focused push button, else the default button, if any.
  virtual void PressDefault() = 0;
  virtual void PressCancel() = 0;
};

// A key pressed. True when it was used up; otherwise `key` holds the key the control is to see.
bool RouteKeyDown(KeySteps& steps, int& key, ShiftState shift);
// The character a key made, the same way.
bool RouteChar(KeySteps& steps, int& ch);

// Where Tab (backwards: Shift+Tab) moves the focus from `from`, among the controls that can
// take it, in tab order: the next one, going round; from any other, the first (the last).
template <class T>
T* NextTabStop(const std::vector<T*>& stops, const T* from, bool backwards) {
  if (stops.empty())
    return nullptr;
  const size_t count = stops.size();
  const size_t at = std::find(stops.begin(), stops.end(), from) - stops.begin();
  if (at == count)
    return backwards ? stops.back() : stops.front();
  return stops[(at + (backwards ? count - 1 : 1)) % count];
}

}  // namespace tarnix::ui
