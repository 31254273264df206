// The dialog that edits the command of a run entry.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class TEditStr {
 public:
  explicit TEditStr(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

}  // namespace tarnix
