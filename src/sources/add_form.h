// The add dialog: a new run entry or a new shortcut in a startup group. Both the run lists and
// the startup groups use it, so it lives below them.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/toolkit.h"

namespace tarnix {

// The open dialog of the add and edit dialogs: programs first, then any file.
ui::FileDialogSpec ProgramFileDialog();

class Taddform {
 public:
  // Adds the entry to a run list; false when it could not be added (the dialog stays open).
  using RunListAdd = std::function<bool(const std::string& name, const std::string& program)>;

  explicit Taddform(ui::Toolkit& toolkit);

  // Run-list mode: Add hands the two texts to `add`; every close empties both boxes.
  void ShowForRunList(RunListAdd add);
  // Startup-group mode: the dialog writes nothing and keeps its texts; true when Add closed it.
  [[nodiscard]] bool ShowForGroup();

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void FormClose();
  void FormKeyPress(int& key);

  std::unique_ptr<ui::Form> form;
  ui::Label* Label1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::EditBox* program = nullptr;
  ui::EditBox* Name = nullptr;
  ui::Button* Button1 = nullptr;
  ui::Button* Button2 = nullptr;
  ui::Button* Button3 = nullptr;
  ui::FileDialogSpec Opend;
  bool groupMode = false;  // the mode flag: false for a run list, true for a startup group
  bool added = false;      // the result flag: Add closed the dialog

 private:
  ui::Toolkit& toolkit_;
  RunListAdd addToRunList_;
};

}  // namespace tarnix
