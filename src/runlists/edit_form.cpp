#include "runlists/edit_form.h"

#include "sources/add_form.h"

namespace tarnix {

TEditStr::TEditStr(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"EditStr", "TEditStr", "Edit", 430, 148})),
      Opendir(ProgramFileDialog()),
      toolkit_(toolkit) {
  strname = form->AddEdit({"strname", {8, 8, 414, 24}});
  strname->SetEnabled(false);
  Button1 = form->AddButton({"Button1", "Browse", {8, 40, 86, 28}});
  strval = form->AddEdit({"strval", {8, 76, 414, 24}});
  btOk = form->AddButton({"btOk", "OK", {124, 110, 86, 30}});
  btCanc = form->AddButton({"btCanc", "Cancel", {220, 110, 86, 30}});
  form->SetTabOrder({Button1, strval, btOk, btCanc});

  form->onShow = [this] { FormShow(); };
  btOk->onClick = [this] { btOkClick(); };
  btCanc->onClick = [this] { btCancClick(); };
  Button1->onClick = [this] { Button1Click(); };
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{strname, strval, btOk, btCanc, Button1}) {
    control->onKeyPress = [this](int& key) { ControlKeyPress(key); };
  }
}

std::optional<std::string> TEditStr::Execute(const std::string& name, const std::string& command) {
  accepted = false;
  strname->SetText(name);
  strval->SetText(command);
  form->ShowModal();
  if (!accepted)
    return std::nullopt;
  return strval->Text();
}

// The focus starts at the head of the tab order every time: the dialog is reused, and would
// otherwise come back where the last edit left it.
void TEditStr::FormShow() {
  shownCommand = strval->Text();
  Button1->SetFocus();
}

void TEditStr::btOkClick() {
  accepted = true;
  form->Close();
}

void TEditStr::btCancClick() {
  form->Close();
}

// The whole command is replaced, arguments included; nothing is written before OK.
void TEditStr::Button1Click() {
  if (auto path = toolkit_.OpenFileDialog(form.get(), Opendir)) {
    strval->SetText(*path);
  }
}

void TEditStr::ControlKeyPress(int& key) {
  if (key == 27) {
    key = 0;
    form->Close();
  }
}

}  // namespace tarnix
