// The splash window shown while the start-up check runs.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class TfrmSplash {
 public:
  explicit TfrmSplash(ui::Toolkit& toolkit);
  // Shows the window at once, drawn, with its bar full.
  void ShowChecking();
  std::unique_ptr<ui::Form> form;
  ui::Picture* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::ProgressBar* ProgressBar1 = nullptr;
};

}  // namespace tarnix
