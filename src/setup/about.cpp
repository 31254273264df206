#include "setup/about.h"

#include "setup/setup_resources.h"
#include "sources/start_for_user.h"

namespace tarnix {

TAboutBox::TAboutBox(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"AboutBox", "TAboutBox", "About Tarnix", 383, 326,
                               ui::BorderStyle::Dialog, false, 109})) {
  Panel1 = form->AddPanel({"Panel1", {10, 10, 363, 256}});
  Label1 = form->AddLabel({"Label1", "Tarnix II", {16, 14, 160, 22}, true}, Panel1);
  Version = form->AddLabel({"Version", "Version 2.02", {230, 14, 118, 22}}, Panel1);
  Label2 = form->AddLabel(
      {"Label2", "MovendaSoft: the startup places under guard", {16, 42, 332, 22}}, Panel1);
  ImageList1 = form->AddImageList({"ImageList1", 200, 32, {IDB_ABOUT_WEB, IDB_ABOUT_MAIL}});
  ToolBar1 = form->AddToolBar({"ToolBar1", {68, 100, 227, 80}, ImageList1, 225, 38, true}, Panel1);
  ToolButton1 = ToolBar1->AddButton("ToolButton1", 0, kMakerWebPage);
  ToolButton2 = ToolBar1->AddButton("ToolButton2", 1, kMakerMail);
  OKButton = form->AddButton({"OKButton", "", {146, 280, 90, 34}, ui::ButtonKind::Ok});
  ToolButton1->onClick = [this] { ToolButton1Click(); };
  ToolButton2->onClick = [this] { ToolButton2Click(); };
}

void TAboutBox::ToolButton1Click() {
  Open(kMakerWebPage);
}

void TAboutBox::ToolButton2Click() {
  Open(std::string("mailto:") + kMakerMail);
}

void TAboutBox::Open(const std::string& address) {
  if (ws)
    OpenForUser(*ws, form.get(), address);
}

void ShowAbout(Workspace& ws, TAboutBox& box) {
  box.ws = &ws;
  box.form->ShowModal();
}

}  // namespace tarnix
