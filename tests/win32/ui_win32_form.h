// A form holding every kind of control the toolkit offers, recording the events it sees.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace tarnix::ui::testing {

// Bitmap resources of res/ui.rc.
namespace pic {
constexpr int Plus = 100, Minus = 101, Empty = 102, Tick = 103, Arrow = 104, Cross = 105,
              Star = 106, DotGreen = 107, DotYellow = 108;
}

struct TestForm {
  explicit TestForm(Toolkit& kit, bool keyPreview = true);

  std::unique_ptr<Form> form;
  ImageList* small = nullptr;
  ImageList* big = nullptr;
  ImageList* marks = nullptr;
  ImageList* dots = nullptr;
  MainMenu* menu = nullptr;
  MenuItem* checkIt = nullptr;
  MenuItem* exit = nullptr;
  MenuItem* find = nullptr;
  MenuItem* findNext = nullptr;
  PopupMenu* popup = nullptr;
  MenuItem* popDelete = nullptr;
  MenuItem* popAdd = nullptr;
  MenuItem* popEdit = nullptr;
  ToolBar* tools = nullptr;
  ToolBar* side = nullptr;
  PageControl* pages = nullptr;
  TabPage* listPage = nullptr;
  TabPage* textPage = nullptr;
  Label* plainHeading = nullptr;
  Label* marksHeading = nullptr;
  ListBox* plain = nullptr;
  ListBox* marked = nullptr;
  ListBox* services = nullptr;
  TextPage* memo = nullptr;
  EditBox* edit = nullptr;
  Panel* panel = nullptr;
  GroupBox* group = nullptr;
  RadioButton* first = nullptr;
  RadioButton* second = nullptr;
  RadioButton* alone = nullptr;
  CheckBox* check = nullptr;
  Picture* star = nullptr;
  Bevel* frame = nullptr;
  Button* ok = nullptr;
  Button* cancel = nullptr;
  Button* confirm = nullptr;
  ProgressBar* progress = nullptr;
  StatusBar* status = nullptr;

  std::vector<std::string> events;
  void Note(const std::string& event) { events.push_back(event); }
};

inline TestForm::TestForm(Toolkit& kit, bool keyPreview) {
  FormSpec spec;
  spec.name = "UiTest";
  spec.className = "TUiTest";
  spec.caption = "Every control";
  spec.clientWidth = 660;
  spec.clientHeight = 470;
  spec.border = BorderStyle::FixedSingle;
  spec.keyPreview = keyPreview;
  spec.helpContext = 105;
  form = kit.CreateForm(spec);
  Form& f = *form;

  small = f.AddImageList({"ImageList1", 20, 20, {pic::Arrow, pic::Cross, pic::Plus}});
  big = f.AddImageList({"ImageList2", 40, 40, {pic::Star, pic::Star}});
  marks = f.AddImageList({"Marks", 16, 16, {pic::Plus, pic::Minus, pic::Empty}});
  dots = f.AddImageList({"sem", 12, 12, {pic::DotGreen, pic::DotYellow}});

  menu = f.SetMainMenu("MainMenu1");
  MenuItem* file = menu->Add({"N1", "&File", {}, false});
  checkIt = file->Add({"Checkit1", "Check it!", Key(vk::F9), false});
  file->Add({"N2", "-", {}, false});
  exit = file->Add({"N6", "&Exit", Alt(vk::Key('X')), false});
  MenuItem* edit1 = menu->Add({"N16", "&Edit", {}, false});
  find = edit1->Add({"Find1", "&Find", Ctrl(vk::Key('F')), false});
  findNext = edit1->Add({"FindNext1", "Find &Next", Key(vk::F3), false});
  checkIt->onClick = [this] { Note("Checkit1"); };
  exit->onClick = [this] { Note("N6"); };
  find->onClick = [this] { Note("Find1"); };
  findNext->onClick = [this] { Note("FindNext1"); };

  popup = f.AddPopupMenu("PopupMenu1");
  popDelete = popup->Add({"Delete1", "Delete", Key(vk::Delete), false});
  popAdd = popup->Add({"Add1", "Add", Key(vk::Insert), false});
  popEdit = popup->Add({"Change1", "Edit", {}, true});
  popDelete->onClick = [this] { Note("Delete1"); };
  popAdd->onClick = [this] { Note("Add1"); };
  popEdit->onClick = [this] { Note("Change1"); };

  tools = f.AddToolBar({"ToolBar1", {0, 0, 200, 30}, small, 23, 22, false, true});
  tools->AddButton("ToolButton1", 0, "Delete  (DEL)")->onClick = [this] { Note("ToolButton1"); };
  tools->AddButton("ToolButton2", 1, "Edit (Enter)")->onClick = [this] { Note("ToolButton2"); };
  tools->AddButton("ToolButton3", 2, "Add  (INS)")->onClick = [this] { Note("ToolButton3"); };

  pages = f.AddPageControl({"PageControl1", {8, 34, 420, 300}, true});
  listPage = pages->AddPage("TabSheet1", "Lists");
  textPage = pages->AddPage("TabSheet2", "Texts");

  LabelSpec heading{"Label1", "Plain", {8, 4, 100, 16}, true, 0x800080, false};
  plainHeading = f.AddLabel(heading, listPage);
  heading.name = "Label2";
  heading.caption = "Marks";
  heading.bounds.left = 136;
  marksHeading = f.AddLabel(heading, listPage);
  f.AddLabel({"Label3", "Services", {272, 4, 100, 16}}, listPage);
  plain = f.AddListBox({"ListBox1", {8, 24, 120, 230}, nullptr, 0, false, ""}, listPage);
  marked = f.AddListBox({"lsbMarks", {136, 24, 128, 230}, marks, 16, false, ""}, listPage);
  services = f.AddListBox({"lsbServ", {272, 24, 128, 230}, dots, 0, true, ""}, listPage);
  plain->SetPopupMenu(popup);
  for (const char* name : {"Alpha", "Bravo", "Charlie"}) plain->Add(name);
  marked->Add("added line", 0);
  marked->Add("deleted line", 1);
  marked->Add("same line", 2);
  services->Add("Running service", 0);
  services->Add("Paused service", 1);

  memo = f.AddTextPage({"Memo1", {8, 8, 396, 180}}, textPage);
  f.AddLabel({"Label4", "Load", {8, 196, 60, 16}}, textPage);
  edit = f.AddEdit({"Edit1", {8, 214, 300, 24}, "", false}, textPage);

  panel = f.AddPanel({"Panel1", {436, 34, 96, 300}, "", true});
  side = f.AddToolBar({"ToolBar2", {6, 6, 84, 120}, big, 50, 46, true, true}, panel);
  side->AddButton("ToolButton8", 0, "Check! (F9)")->onClick = [this] { Note("ToolButton8"); };
  side->AddButton("ToolButton9", 1, "Save (F2)")->onClick = [this] { Note("ToolButton9"); };
  f.AddBevel({"Bevel2", {6, 140, 84, 2}}, panel);
  f.AddLabel({"lblVers", "Version", {10, 150, 70, 16}}, panel);

  group = f.AddGroupBox({"GroupBox1", "Start type", {540, 34, 112, 84}});
  first = f.AddRadioButton({"rbAuto", "Automatic", {10, 22, 96, 20}, true}, group);
  second = f.AddRadioButton({"rbManual", "Manual", {10, 48, 96, 20}, false}, group);
  alone = f.AddRadioButton({"rbAlone", "On the form", {540, 126, 112, 20}, true});
  check = f.AddCheckBox({"chbAuto", "Check it", {540, 152, 112, 20}, true});
  star = f.AddPicture({"Image1", {560, 184, 40, 40}, pic::Star});

  frame = f.AddBevel({"Bevel1", {4, 340, 420, 48}});
  ok = f.AddButton({"btOk", "", {12, 348, 100, 33}, ButtonKind::Ok});
  cancel = f.AddButton({"btCanc", "", {120, 348, 100, 33}, ButtonKind::Cancel});
  ButtonSpec confirmSpec{"BitBtn2", "OK! That's right!", {228, 348, 180, 33}};
  confirmSpec.imageResource = pic::Tick;
  confirm = f.AddButton(confirmSpec);
  ok->onClick = [this] { Note("btOk"); };
  cancel->onClick = [this] { Note("btCanc"); };
  confirm->onClick = [this] { Note("BitBtn2"); };
  progress = f.AddProgressBar({"ProgressBar1", {436, 356, 216, 20}, 0, 100});
  progress->SetPosition(60);
  status = f.AddStatusBar({"StatusBar1", {480, 50}});
  status->SetPanelText(0, "Ready");

  f.SetTabOrder({plain, marked, services, ok, cancel});
  f.onFormKeyDown = [this](int& key, ShiftState) { Note("FormKeyDown " + std::to_string(key)); };
  f.onFormKeyPress = [this](int& ch) { Note("FormKeyPress " + std::to_string(ch)); };
}

}  // namespace tarnix::ui::testing
