// The shortcut properties dialog: target, arguments and working folder of a shortcut.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class TfrmLink {
 public:
  explicit TfrmLink(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

}  // namespace tarnix
