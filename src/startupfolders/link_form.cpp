#include "startupfolders/link_form.h"

namespace tarnix {

namespace {

ui::FormSpec LinkFormSpec() {
  ui::FormSpec spec;
  spec.name = "frmLink";
  spec.className = "TfrmLink";
  spec.caption = "Shortcut properties";
  // A window of 630 by 308 with its dialog frame and caption.
  spec.clientWidth = 622;
  spec.clientHeight = 274;
  spec.border = ui::BorderStyle::Dialog;
  return spec;
}

}  // namespace

TfrmLink::TfrmLink(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm(LinkFormSpec())), toolkit_(toolkit) {
  // A long path wraps at its blanks instead of being cut at the edge.
  ui::LabelSpec name{"lblName", "", {8, 4, 606, 36}};
  name.wordWrap = true;
  lblName = form->AddLabel(name);
  Bevel1 = form->AddBevel({"Bevel1", {8, 44, 606, 168}});
  Label1 = form->AddLabel({"Label1", "Program", {20, 52, 200, 18}});
  btnBrow = form->AddButton({"btnBrow", "Browse", {516, 70, 86, 28}});
  edtProg = form->AddEdit({"edtProg", {20, 72, 486, 24}});
  Label2 = form->AddLabel({"Label2", "Arguments", {20, 104, 200, 18}});
  edtArg = form->AddEdit({"edtArg", {20, 124, 582, 24}});
  Label3 = form->AddLabel({"Label3", "Working Directory", {20, 156, 200, 18}});
  edtDir = form->AddEdit({"edtDir", {20, 176, 582, 24}});
  ui::ButtonSpec ok{"bbtSave", "", {392, 226, 105, 33}, ui::ButtonKind::Ok};
  ok.isDefault = true;
  bbtSave = form->AddButton(ok);
  bbtCanc = form->AddButton({"bbtCanc", "", {509, 226, 105, 33}, ui::ButtonKind::Cancel});
  form->SetTabOrder({btnBrow, edtProg, edtArg, edtDir, bbtSave, bbtCanc});

  btnBrow->onClick = [this] { btnBrowClick(); };
  bbtSave->onClick = [this] { bbtSaveClick(); };
  bbtCanc->onClick = [this] { bbtCancClick(); };
}

std::optional<ShortcutFields> TfrmLink::Execute(const std::string& path,
                                                const ShortcutFields& read) {
  lblName->SetCaption(path);
  edtProg->SetText(read.target);
  edtArg->SetText(read.arguments);
  edtDir->SetText(read.workingDirectory);
  save = true;
  form->ShowModal();
  if (!save)
    return std::nullopt;
  return ShortcutFields{edtProg->Text(), edtArg->Text(), edtDir->Text()};
}

void TfrmLink::btnBrowClick() {
  if (auto chosen = toolkit_.OpenFileDialog(form.get(), Opend)) {
    edtProg->SetText(*chosen);
  }
}

void TfrmLink::bbtSaveClick() {
  save = true;
}

void TfrmLink::bbtCancClick() {
  save = false;
}

}  // namespace tarnix
