#include "setup/splash_form.h"

#include "setup/setup_resources.h"

namespace tarnix {

TfrmSplash::TfrmSplash(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"frmSplash", "TfrmSplash", "", 426, 94, ui::BorderStyle::None})) {
  Image1 = form->AddPicture({"Image1", {14, 30, 33, 33}, IDB_APP_PICTURE});
  Label1 = form->AddLabel({"Label1", "Tarnix II", {62, 14, 340, 20}, true});
  Label2 = form->AddLabel({"Label2", "Checking the startup places...", {62, 38, 340, 18}});
  ProgressBar1 = form->AddProgressBar({"ProgressBar1", {62, 62, 348, 16}, 0, 100});
}

void TfrmSplash::ShowChecking() {
  // Full before it shows: the window is painted once.
  ProgressBar1->SetPosition(100);
  form->Show();
  form->Repaint();
}

}  // namespace tarnix
