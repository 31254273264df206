#include "watchdog/report_form.h"

#include <string>
#include <utility>

#include "ui/help_contexts.h"
#include "watchdog/watchdog_resources.h"

namespace tarnix {

namespace {

ui::FormSpec ReportSpec() {
  ui::FormSpec spec;
  spec.name = "Form1";
  spec.className = "TForm1";
  spec.caption = "Attention! Tarnix find out changes!";
  spec.clientWidth = 605;
  spec.clientHeight = 421;
  spec.border = ui::BorderStyle::FixedSingle;
  spec.keyPreview = true;
  spec.helpContext = ui::help::ChangeReport;
  return spec;
}

ui::ButtonSpec PictureButton(const char* name, const char* caption, ui::Bounds bounds,
                             int picture) {
  ui::ButtonSpec spec{name, caption, bounds};
  spec.imageResource = picture;
  return spec;
}

// The heading's label holds about 85 characters. A longer registry place (Task Manager's
// marks) names its root as reg.exe spells it short, so that its last keys stay in view.
std::string FittedHeading(const std::string& text) {
  constexpr size_t kFits = 82;
  const std::pair<std::string, std::string> roots[] = {{"HKEY_CURRENT_USER\\", "HKCU\\"},
                                                       {"HKEY_LOCAL_MACHINE\\", "HKLM\\"}};
  for (const auto& [root, shortRoot] : roots) {
    if (text.size() > kFits && text.rfind(root, 0) == 0)
      return shortRoot + text.substr(root.size());
  }
  return text;
}

}  // namespace

TForm1::TForm1(ui::Toolkit& toolkit, Teditline& editline)
    : form(toolkit.CreateForm(ReportSpec())), editline_(editline) {
  ImageList1 = form->AddImageList(
      {"ImageList1", 16, 16, {IDB_MARK_ADDED, IDB_MARK_DELETED, IDB_MARK_UNCHANGED}});
  kname1 = form->AddLabel({"kname1", "", {8, 0, 590, 16}});
  btnEdit = form->AddButton({"btnEdit", "Edit", {8, 24, 105, 33}});
  Button1 = form->AddButton(
      PictureButton("Button1", "Delete Line", {128, 24, 105, 33}, IDB_BTN_DELETE_LINE));
  btnSave = form->AddButton(
      PictureButton("btnSave", "Save current list", {248, 24, 150, 33}, IDB_BTN_SAVE_LIST));
  Image1 = form->AddPicture({"Image1", {408, 32, 16, 16}, IDB_MARK_DELETED});
  Label2 = form->AddLabel({"Label2", "Deleted or changed", {442, 32, 130, 16}});
  Image2 = form->AddPicture({"Image2", {408, 48, 16, 16}, IDB_MARK_ADDED});
  Label3 = form->AddLabel({"Label3", "Added", {440, 48, 130, 16}});
  ui::ListBoxSpec list{"ListBox1", {0, 72, 609, 289}, ImageList1, 16};
  ListBox1 = form->AddListBox(list);
  // The decisions lie on the panel, so that the panel never takes their clicks.
  Panel1 = form->AddPanel({"Panel1", {0, 368, 601, 49}});
  BitBtn2 = form->AddButton(
      PictureButton("BitBtn2", "OK! That's right!", {36, 8, 153, 33}, IDB_BTN_CONFIRM), Panel1);
  btnCancel = form->AddButton(
      PictureButton("btnCancel", "Change Back!", {232, 8, 145, 33}, IDB_BTN_CHANGE_BACK), Panel1);
  ui::ButtonSpec close{"BitBtn1", "", {424, 8, 145, 33}, ui::ButtonKind::Close};
  close.imageResource = IDB_BTN_CLOSE;
  close.imageRight = true;
  BitBtn1 = form->AddButton(close, Panel1);
  form->SetTabOrder(
      {ListBox1, BitBtn1, kname1, Panel1, BitBtn2, btnCancel, btnEdit, Button1, btnSave});
  // Both write the snapshot, which only an administrator may. They are wide enough for the
  // shield beside their picture.
  const bool needsRights = !toolkit.Elevated();
  BitBtn2->SetShield(needsRights);
  btnSave->SetShield(needsRights);

  BitBtn2->onClick = [this] { BitBtn2Click(); };
  btnCancel->onClick = [this] { btnCancelClick(); };
  btnSave->onClick = [this] { btnSaveClick(); };
  btnEdit->onClick = [this] { btnEditClick(); };
  Button1->onClick = [this] { Button1Click(); };
  ListBox1->onDblClick = [this] { ListBox1DblClick(); };
  form->onFormKeyDown = [this](int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
}

void TForm1::SetList(const std::vector<ChangeLine>& lines) {
  ListBox1->Clear();
  for (const ChangeLine& line : lines) ListBox1->Add(line.text, static_cast<int>(line.mark));
}

void TForm1::SetList(const ReportList& lines) {
  ListBox1->Clear();
  for (size_t i = 0; i < lines.Size(); ++i) {
    ListBox1->Add(lines.Text(i), static_cast<int>(lines.Mark(i)));
  }
}

std::vector<ChangeLine> TForm1::List() const {
  std::vector<ChangeLine> lines;
  for (int i = 0; i < ListBox1->Count(); ++i) {
    lines.push_back({ListBox1->Item(i), static_cast<ChangeMark>(ListBox1->ItemImage(i))});
  }
  return lines;
}

void TForm1::SetHeading(const std::string& text) {
  kname1->SetCaption(FittedHeading(text));
}

ReportResult TForm1::ShowReport() {
  reportResult = ReportResult::None;
  form->ShowModal();
  return reportResult;
}

void TForm1::Decide(ReportResult result) {
  reportResult = result;
  form->Close();
}

void TForm1::BitBtn2Click() {
  Decide(ReportResult::Confirm);
}

void TForm1::btnCancelClick() {
  Decide(ReportResult::ChangeBack);
}

void TForm1::btnSaveClick() {
  Decide(ReportResult::SaveList);
}

void TForm1::btnEditClick() {
  const int index = ListBox1->ItemIndex();
  if (index < 0)
    return;
  if (editline_.Execute(ListBox1->Item(index))) {
    ListBox1->SetItem(index, editline_.edtRow->Text());
    btnSave->SetEnabled(true);
  }
}

void TForm1::ListBox1DblClick() {
  if (btnEdit->Enabled())
    btnEditClick();
}

void TForm1::Button1Click() {
  const int index = ListBox1->ItemIndex();
  if (index < 0)
    return;
  ListBox1->Delete(index);
  btnSave->SetEnabled(true);
}

void TForm1::FormKeyDown(int& key, ui::ShiftState) {
  if (key == ui::vk::Escape) {
    key = 0;
    form->Close();
  } else if (key == ui::vk::Return && btnEdit->Enabled()) {
    key = 0;
    btnEditClick();
  } else if (key == ui::vk::Delete && Button1->Enabled()) {
    key = 0;
    Button1Click();
  }
}

}  // namespace tarnix
