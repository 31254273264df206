// The user's typing: the control shows the new text, modified, and hands it to the places.
#pragma once

#include <string>
#include <vector>

#include "ui/widgets.h"

namespace tarnix {

inline void UserEdit(ui::TextPage& page, const std::vector<std::string>& lines) {
  page.SetLines(lines);
  page.SetModified(true);
  if (page.onChange)
    page.onChange();
}

inline void UserEdit(ui::EditBox& box, const std::string& text) {
  box.SetText(text);
  box.SetModified(true);
  if (box.onChange)
    box.onChange();
}

}  // namespace tarnix
