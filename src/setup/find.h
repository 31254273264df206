// Finding text across the main window's pages.
#pragma once

#include <memory>

#include "sources/workspace.h"

namespace tarnix {

class TfrmFind {
 public:
  explicit TfrmFind(ui::Toolkit& toolkit);
  std::unique_ptr<ui::Form> form;
};

// Shows the find dialog (not modal).
void ShowFind(Workspace& ws, TfrmFind& dialog);
void FindNext(Workspace& ws, TfrmFind& dialog);

}  // namespace tarnix
