// The about box.
#pragma once

#include <memory>

#include "sources/workspace.h"

namespace tarnix {

class TAboutBox {
 public:
  explicit TAboutBox(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

// Shows the about box modally.
void ShowAbout(Workspace& ws, TAboutBox& box);

}  // namespace tarnix
