// What the user types into the main window's controls, and the message boxes the user saw.
#pragma once

#include <string>
#include <vector>

#include "fakes/headless/headless_toolkit.h"
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

inline const ui::headless::MessageRecord* FindBox(const ui::headless::HeadlessToolkit& kit,
                                                  const std::string& text) {
  for (const ui::headless::MessageRecord& m : kit.Messages())
    if (m.text == text)
      return &m;
  return nullptr;
}

// Each box as "owner | caption | style | text".
inline std::vector<std::string> Boxes(const ui::headless::HeadlessToolkit& kit) {
  std::vector<std::string> boxes;
  for (const ui::headless::MessageRecord& m : kit.Messages())
    boxes.push_back(m.owner + " | " + m.caption + " | " + std::to_string(m.style) + " | " + m.text);
  return boxes;
}

}  // namespace tarnix
