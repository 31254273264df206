// The first-launch window, shown by the check when there is no snapshot yet.
#pragma once

#include <memory>

#include "sources/workspace.h"

namespace tarnix {

class TfrmFirst {
 public:
  explicit TfrmFirst(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

// Shows the window modally; its closing installs the program group and what was chosen.
void ShowFirstLaunch(Workspace& ws, TfrmFirst& window);

}  // namespace tarnix
