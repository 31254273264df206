#include "sources/add_form.h"

namespace tarnix {

namespace {

ui::FormSpec AddSpec() {
  ui::FormSpec spec{"addform", "Taddform", "Add", 430, 150};
  spec.keyPreview = true;
  return spec;
}

}  // namespace

ui::FileDialogSpec ProgramFileDialog() {
  ui::FileDialogSpec spec;
  spec.filter = "exe|*.exe|all files|*.*";
  spec.defaultExtension = "exe";
  return spec;
}

Taddform::Taddform(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm(AddSpec())), Opend(ProgramFileDialog()), toolkit_(toolkit) {
  Label1 = form->AddLabel({"Label1", "Program", {8, 8, 120, 18}});
  program = form->AddEdit({"program", {8, 28, 318, 24}});
  Button1 = form->AddButton({"Button1", "Browse", {336, 26, 86, 28}});
  Label2 = form->AddLabel({"Label2", "Name", {8, 60, 120, 18}});
  Name = form->AddEdit({"Name", {8, 80, 318, 24}});
  Button2 = form->AddButton({"Button2", "Add", {124, 114, 86, 30}});
  Button3 = form->AddButton({"Button3", "Cancel", {220, 114, 86, 30}});
  form->SetTabOrder({Button1, program, Name, Button2, Button3});

  Button1->onClick = [this] { Button1Click(); };
  Button2->onClick = [this] { Button2Click(); };
  Button3->onClick = [this] { Button3Click(); };
  form->onShow = [this] { Button1->SetFocus(); };
  form->onClose = [this] { FormClose(); };
  form->onFormKeyPress = [this](int& key) { FormKeyPress(key); };
}

void Taddform::ShowForRunList(RunListAdd add) {
  groupMode = false;
  addToRunList_ = std::move(add);
  form->ShowModal();
  addToRunList_ = nullptr;
}

bool Taddform::ShowForGroup() {
  groupMode = true;
  added = false;
  form->ShowModal();
  return added;
}

void Taddform::Button1Click() {
  if (auto path = toolkit_.OpenFileDialog(form.get(), Opend)) {
    program->SetText(*path);
  }
}

// Blanks count as text; only an empty box keeps the dialog open.
void Taddform::Button2Click() {
  const std::string name = Name->Text(), command = program->Text();
  if (name.empty() || command.empty()) {
    return;
  }
  if (!groupMode && !(addToRunList_ && addToRunList_(name, command))) {
    return;
  }
  added = true;
  form->Close();
}

void Taddform::Button3Click() {
  form->Close();
}

void Taddform::FormClose() {
  if (!groupMode) {
    program->SetText("");
    Name->SetText("");
  }
}

void Taddform::FormKeyPress(int& key) {
  if (key == 27) {
    key = 0;
    form->Close();
  }
}

}  // namespace tarnix
