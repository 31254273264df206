#include "services/serv_form.h"

#include "platform/services.h"

namespace tarnix {

namespace {

ui::FormSpec ServFormSpec() {
  ui::FormSpec spec{"frmServ", "TfrmServ", "Service Startup", 473, 220};
  spec.border = ui::BorderStyle::Dialog;
  return spec;
}

}  // namespace

TfrmServ::TfrmServ(ui::Toolkit& toolkit) : form(toolkit.CreateForm(ServFormSpec())) {
  GroupBox1 = form->AddGroupBox({"GroupBox1", "Startup Type", {16, 12, 441, 140}});
  r_auto = form->AddRadioButton({"r_auto", "&Automatic", {24, 32, 300, 26}}, GroupBox1);
  r_man = form->AddRadioButton({"r_man", "&Manual", {24, 66, 300, 26}}, GroupBox1);
  r_dis = form->AddRadioButton({"r_dis", "&Disabled", {24, 100, 300, 26}}, GroupBox1);
  ui::ButtonSpec ok{"BitBtn1", "", {232, 168, 105, 33}, ui::ButtonKind::Ok};
  ok.isDefault = true;
  BitBtn1 = form->AddButton(ok);
  BitBtn2 = form->AddButton({"BitBtn2", "", {352, 168, 105, 33}, ui::ButtonKind::Cancel});
  BitBtn1->onClick = [this] { BitBtn1Click(); };
  BitBtn2->onClick = [this] { BitBtn2Click(); };
}

std::optional<uint32_t> TfrmServ::Execute(std::optional<uint32_t> startType) {
  CheckStartType(startType);
  result = NoChange;
  form->ShowModal();
  return StartTypeOfChoice(result);
}

// The dialog shows only what it knows of this service: nothing is left over from the last.
void TfrmServ::CheckStartType(std::optional<uint32_t> startType) {
  r_auto->SetChecked(startType == svc::AutoStart);
  r_man->SetChecked(startType == svc::DemandStart);
  r_dis->SetChecked(startType == svc::Disabled);
}

// With no button checked, OK leaves the start type alone.
void TfrmServ::BitBtn1Click() {
  if (r_auto->Checked()) {
    result = Automatic;
  } else if (r_man->Checked()) {
    result = Manual;
  } else if (r_dis->Checked()) {
    result = Disabled;
  } else {
    result = NoChange;
  }
}

void TfrmServ::BitBtn2Click() {
  result = NoChange;
}

std::optional<uint32_t> StartTypeOfChoice(int choice) {
  switch (choice) {
    case TfrmServ::Automatic:
      return svc::AutoStart;
    case TfrmServ::Manual:
      return svc::DemandStart;
    case TfrmServ::Disabled:
      return svc::Disabled;
    default:
      return std::nullopt;
  }
}

}  // namespace tarnix
