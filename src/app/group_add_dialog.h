// The shared add dialog Taddform as the startup groups' add dialog.
#pragma once

#include <optional>

#include "sources/add_form.h"
#include "startupfolders/add_shortcut_dialog.h"

namespace tarnix {

class GroupAddDialog : public AddShortcutDialog {
 public:
  explicit GroupAddDialog(Taddform& addform) : addform_(addform) {}
  std::optional<NewShortcut> Ask() override;
  void Clear() override;

 private:
  Taddform& addform_;
};

}  // namespace tarnix
