// The dialog that edits the command of a run entry.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/toolkit.h"

namespace tarnix {

class TEditStr {
 public:
  explicit TEditStr(ui::Toolkit& toolkit);

  // Shows the entry's name and command modally; the command as edited when OK closed it. The
  // caller writes.
  std::optional<std::string> Execute(const std::string& name, const std::string& command);

  void FormShow();
  void btOkClick();
  void btCancClick();
  void Button1Click();
  // Esc in any of the dialog's controls.
  void ControlKeyPress(int& key);

  std::unique_ptr<ui::Form> form;
  ui::EditBox* strname = nullptr;
  ui::Button* Button1 = nullptr;
  ui::EditBox* strval = nullptr;
  ui::Button* btOk = nullptr;
  ui::Button* btCanc = nullptr;
  ui::FileDialogSpec Opendir;
  std::string shownCommand;  // strval's text when the dialog was shown
  bool accepted = false;

 private:
  ui::Toolkit& toolkit_;
};

}  // namespace tarnix
