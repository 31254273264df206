// The message boxes a test saw, each as one line: "owner | caption | style | text".
#pragma once

#include <string>
#include <vector>

#include "fakes/headless/headless_toolkit.h"

namespace tarnix {

inline std::vector<std::string> Boxes(const ui::headless::HeadlessToolkit& kit) {
  std::vector<std::string> boxes;
  for (const ui::headless::MessageRecord& m : kit.Messages())
    boxes.push_back(m.owner + " | " + m.caption + " | " + std::to_string(m.style) + " | " + m.text);
  return boxes;
}

}  // namespace tarnix
