// The add dialog: a new run entry or a new shortcut in a startup group. Both the run lists and
// the startup groups use it, so it lives below them.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class Taddform {
 public:
  explicit Taddform(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

}  // namespace tarnix
