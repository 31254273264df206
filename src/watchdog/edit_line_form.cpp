#include "watchdog/edit_line_form.h"

namespace tarnix {

Teditline::Teditline(ui::Toolkit& toolkit) {
  ui::FormSpec spec;
  spec.name = "editline";
  spec.className = "Teditline";
  spec.caption = "Edit Line";
  spec.clientWidth = 620;
  spec.clientHeight = 103;
  spec.border = ui::BorderStyle::Dialog;
  form = toolkit.CreateForm(spec);

  edtRow = form->AddEdit({"edtRow", {8, 16, 609, 24}});
  ui::ButtonSpec ok{"BitBtn1", "", {360, 56, 113, 33}, ui::ButtonKind::Ok};
  ok.isDefault = true;
  BitBtn1 = form->AddButton(ok);
  BitBtn2 = form->AddButton({"BitBtn2", "", {504, 56, 105, 33}, ui::ButtonKind::Cancel});
  BitBtn1->onClick = [this] { BitBtn1Click(); };
  BitBtn2->onClick = [this] { BitBtn2Click(); };
  form->onShow = [this] { edtRow->SetFocus(); };
}

bool Teditline::Execute(const std::string& text) {
  accepted = false;
  edtRow->SetText(text);
  form->ShowModal();
  return accepted;
}

void Teditline::BitBtn1Click() {
  accepted = true;
}

void Teditline::BitBtn2Click() {
  accepted = false;
}

}  // namespace tarnix
