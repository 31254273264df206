#include "app/group_add_dialog.h"

namespace tarnix {

std::optional<NewShortcut> GroupAddDialog::Ask() {
  if (!addform_.ShowForGroup())
    return std::nullopt;
  return NewShortcut{addform_.Name->Text(), addform_.program->Text()};
}

void GroupAddDialog::Clear() {
  addform_.Name->SetText("");
  addform_.program->SetText("");
}

}  // namespace tarnix
