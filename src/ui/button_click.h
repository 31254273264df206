// What a click on a push button does, the same in every toolkit.
#pragma once

#include <functional>

#include "ui/toolkit.h"

namespace tarnix::ui {

// onClick through the dispatch; then a Close button closes its form, and a button with a modal
// result sets it. A handler that fails ends the click there, so its form stays open.
void ClickButton(Toolkit& kit, Form& form, const ButtonSpec& spec, std::function<void()> onClick);

}  // namespace tarnix::ui
