// The dialog that changes a service's start type.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class TfrmServ {
 public:
  explicit TfrmServ(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

}  // namespace tarnix
