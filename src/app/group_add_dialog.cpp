#include "app/group_add_dialog.h"

#include <string>

namespace tarnix {

namespace {

ui::EditBox* Box(Taddform& addform, const char* name) {
  return dynamic_cast<ui::EditBox*>(addform.form->FindControl(name));
}

std::string TextOf(Taddform& addform, const char* name) {
  ui::EditBox* box = Box(addform, name);
  return box != nullptr ? box->Text() : std::string();
}

// Shows the dialog for a startup group; whether its Add button closed it.
bool ShowForGroup(Taddform& addform) {
  return addform.form->ShowModal() == ui::mr::Ok;
}

}  // namespace

std::optional<NewShortcut> GroupAddDialog::Ask() {
  if (!ShowForGroup(addform_))
    return std::nullopt;
  return NewShortcut{TextOf(addform_, "Name"), TextOf(addform_, "program")};
}

void GroupAddDialog::Clear() {
  for (const char* name : {"Name", "program"}) {
    if (ui::EditBox* box = Box(addform_, name))
      box->SetText("");
  }
}

}  // namespace tarnix
