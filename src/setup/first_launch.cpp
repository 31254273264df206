#include "setup/first_launch.h"

#include "setup/setup_resources.h"

namespace tarnix {

namespace {

// The spacing of these texts is the product's own: keep the double blanks.
const char* const kWelcomeLines[] = {
    "The company MovendaSoft  is glad to welcome you!",
    "Now, the information on system files will be saved!",
    "With each following start the information will be compared",
    " to the original.",
    "Any change will be revealed and you will be informed on it!",
    "We are glad, that you have taken advantage of our program.",
};

constexpr int kWidth = 526;
constexpr int kLineHeight = 22;

}  // namespace

TfrmFirst::TfrmFirst(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"frmFirst", "TfrmFirst", "Tarnix II First launching", kWidth, 416,
                               ui::BorderStyle::DialogNoSysMenu})) {
  Panel1 = form->AddPanel({"Panel1", {0, 0, kWidth, 100}});
  Image1 = form->AddPicture({"Image1", {20, 33, 33, 33}, IDB_APP_PICTURE}, Panel1);
  Image2 = form->AddPicture({"Image2", {72, 10, 440, 80}, IDB_FIRST_BANNER}, Panel1);
  AddTexts();
  Panel3 = form->AddPanel({"Panel3", {0, 254, kWidth, 100}});
  chbProg = form->AddCheckBox(
      {"chbProg", "Add shortcut  to  Programs  menu", {40, 12, 440, 24}, true}, Panel3);
  chbDesk = form->AddCheckBox(
      {"chbDesk", "Create shortcut on the Desktop", {40, 40, 440, 24}, true}, Panel3);
  chbAuto =
      form->AddCheckBox({"chbAuto", "Check at starting Windows", {40, 68, 440, 24}, true}, Panel3);
  Button1 = form->AddButton({"Button1", "", {213, 368, 100, 32}, ui::ButtonKind::Ok});
  form->SetTabOrder({Button1, chbProg, chbDesk, chbAuto});
}

void TfrmFirst::AddTexts() {
  Panel2 = form->AddPanel({"Panel2", {0, 100, kWidth, 154}});
  int top = 10;
  int index = 1;
  for (const char* line : kWelcomeLines) {
    form->AddLabel({"Label" + std::to_string(index++), line, {24, top, 480, kLineHeight}}, Panel2);
    top += kLineHeight + 1;
  }
}

FirstLaunchChoices TfrmFirst::Choices() const {
  return {chbProg->Checked(), chbDesk->Checked(), chbAuto->Checked()};
}

void ShowFirstLaunch(Workspace& ws, TfrmFirst& window, const WriteShortcutFn& write) {
  window.form->onClose = [&ws, &window, write] {
    ws.toolkit.Dispatch([&] { FirstLaunchActions(ws, window.Choices(), write); });
  };
  window.form->ShowModal();
}

}  // namespace tarnix
