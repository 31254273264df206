// The list of undo steps, newest on top, from which the user picks one to undo.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace tarnix {

class Tundolist {
 public:
  explicit Tundolist(ui::Toolkit& toolkit);

  // Shows the lines modally (also when there are none); the chosen row, 0 for the top, or -1.
  int Choose(const std::vector<std::string>& lines);

  void Button1Click();
  void Button2Click();
  void FormKeyPress(int& key);

  std::unique_ptr<ui::Form> form;
  ui::ListBox* ListBox1 = nullptr;
  ui::Button* Button1 = nullptr;
  ui::Button* Button2 = nullptr;
  int chosenRow = -1;

 private:
  ui::Toolkit& toolkit_;
};

}  // namespace tarnix
