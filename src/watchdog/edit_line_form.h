// The line editor Teditline: edits one line of the change report.
#pragma once

#include <memory>
#include <string>

#include "ui/toolkit.h"

namespace tarnix {

class Teditline {
 public:
  explicit Teditline(ui::Toolkit& toolkit);

  // Shows the editor modally with the text; true when OK closed it. `accepted` is cleared each
  // time, so any other way of closing counts as not accepted.
  bool Execute(const std::string& text);

  void BitBtn1Click();
  void BitBtn2Click();

  std::unique_ptr<ui::Form> form;
  ui::EditBox* edtRow = nullptr;
  ui::Button* BitBtn1 = nullptr;
  ui::Button* BitBtn2 = nullptr;
  bool accepted = false;
};

}  // namespace tarnix
