// The change report window TForm1 and its line editor Teditline.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class Teditline {
 public:
  explicit Teditline(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

class TForm1 {
 public:
  TForm1(ui::Toolkit& toolkit, Teditline& editline);
  std::unique_ptr<ui::Form> form;
};

}  // namespace tarnix
