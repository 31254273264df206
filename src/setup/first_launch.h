// The first-launch window, shown by the check when there is no snapshot yet.
#pragma once

#include <memory>

#include "setup/setup_commands.h"
#include "setup/shortcut_spec.h"
#include "sources/workspace.h"

namespace tarnix {

class TfrmFirst {
 public:
  explicit TfrmFirst(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
  ui::Panel* Panel1 = nullptr;
  ui::Picture* Image1 = nullptr;
  ui::Picture* Image2 = nullptr;
  ui::Panel* Panel2 = nullptr;
  ui::Panel* Panel3 = nullptr;
  ui::CheckBox* chbProg = nullptr;
  ui::CheckBox* chbDesk = nullptr;
  ui::CheckBox* chbAuto = nullptr;
  ui::Button* Button1 = nullptr;

  FirstLaunchChoices Choices() const;

 private:
  void AddTexts();
};

// Shows the window modally; its closing installs the program group and what was chosen. The
// boxes keep their state for a later showing in the same run.
void ShowFirstLaunch(Workspace& ws, TfrmFirst& window, const WriteShortcutFn& write);

}  // namespace tarnix
