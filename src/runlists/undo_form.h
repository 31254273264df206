// The list of undo steps recorded by earlier runs.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class Tundolist {
 public:
  explicit Tundolist(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

}  // namespace tarnix
