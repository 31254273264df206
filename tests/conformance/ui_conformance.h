// Toolkit behaviour the forms rely on, shared by the headless toolkit and real windows.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "conformance/target_param.h"
#include "ui/toolkit.h"

namespace tarnix::ui::testing {

// A message box as the user saw it: the style bits rebuilt from its buttons and icon.
struct SeenBox {
  std::string text, caption;
  unsigned style = 0;
  bool operator==(const SeenBox& o) const {
    return text == o.text && caption == o.caption && style == o.style;
  }
};

inline void PrintTo(const SeenBox& box, std::ostream* out) {
  *out << "{" << box.text << " | " << box.caption << " | " << box.style << "}";
}

// A toolkit of the test's own and its user; each action returns once the toolkit handled it.
class UiTarget {
 public:
  virtual ~UiTarget() = default;
  virtual Toolkit& kit() = 0;
  virtual void Show(Form& form) = 0;
  // A key pressed and released where the form's focus is.
  virtual void Press(Form& form, int vk, ShiftState shift) = 0;
  // Characters typed where the form's focus is; "\n" is Enter.
  virtual void Type(Form& form, const std::string& text) = 0;
  // A left click on a button, check box, radio button or toolbar button of the form.
  virtual void Click(Form& form, Control& control) = 0;
  // A click, or a double click, on a line of the list.
  virtual void Select(ListBox& list, int index) = 0;
  virtual void DoubleClick(ListBox& list, int index) = 0;
  virtual void SelectPage(PageControl& pages, int index) = 0;
  virtual void CloseBox(Form& form) = 0;
  // Shows the form modally while `user` acts; the form's modal result.
  virtual int ShowModal(Form& form, std::function<void()> user) = 0;
  // Runs the event loop with `main` shown while `user` acts.
  virtual void Run(Form& main, std::function<void()> user) = 0;
  // Runs `act`; the user answers every message box it shows with `answer`. What they showed.
  virtual std::vector<SeenBox> Boxes(const std::function<void()>& act, int answer) = 0;
};

using UiParam = TargetParam<UiTarget>;
inline constexpr TargetParamName UiParamName;

// Bitmap resources of res/ui.rc.
namespace pic {
constexpr int Plus = 100, Minus = 101, Empty = 102, Tick = 103, Arrow = 104, Cross = 105,
              Star = 106, DotGreen = 107, DotYellow = 108;
}

// Every kind of control, recording clicks by name, keys as "Edit1KeyPress 13", exit as "Edit1Exit".
struct TestForm {
  explicit TestForm(Toolkit& kit, bool keyPreview = true);

  std::unique_ptr<Form> form;
  MainMenu* menu = nullptr;
  MenuItem *checkIt = nullptr, *exit = nullptr, *find = nullptr;
  MenuItem *popDelete = nullptr, *popUndo = nullptr;
  ToolBar *tools = nullptr, *side = nullptr;
  PageControl* pages = nullptr;
  TabPage *listPage = nullptr, *textPage = nullptr;
  ListBox *plain = nullptr, *marked = nullptr, *services = nullptr;
  TextPage* memo = nullptr;
  EditBox *edit = nullptr, *fixed = nullptr;
  RadioButton *first = nullptr, *second = nullptr, *alone = nullptr;
  CheckBox* check = nullptr;
  Button *ok = nullptr, *cancel = nullptr, *confirm = nullptr;

  std::vector<std::string> events;
  void Note(const std::string& event) { events.push_back(event); }
  std::function<void()> Noting(const std::string& event) {
    return [this, event] { Note(event); };
  }
};

inline TestForm::TestForm(Toolkit& kit, bool keyPreview) {
  FormSpec spec{"UiTest", "TUiTest", "Every control", 660, 470, BorderStyle::FixedSingle};
  spec.keyPreview = keyPreview;
  spec.helpContext = 105;
  form = kit.CreateForm(spec);
  Form& f = *form;

  ImageList* small = f.AddImageList({"ImageList1", 20, 20, {pic::Arrow, pic::Cross, pic::Plus}});
  ImageList* big = f.AddImageList({"ImageList2", 40, 40, {pic::Star, pic::Star}});
  ImageList* marks = f.AddImageList({"Marks", 16, 16, {pic::Plus, pic::Minus, pic::Empty}});
  ImageList* dots = f.AddImageList({"sem", 12, 12, {pic::DotGreen, pic::DotYellow}});

  menu = f.SetMainMenu("MainMenu1");
  MenuItem* file = menu->Add({"N1", "&File"});
  checkIt = file->Add({"Checkit1", "Check it!", Key(vk::F9)});
  file->Add({"N2", "-"});
  exit = file->Add({"N6", "&Exit", Alt(vk::Key('X'))});
  MenuItem* edit1 = menu->Add({"N16", "&Edit"});
  find = edit1->Add({"Find1", "&Find", Ctrl(vk::Key('F'))});
  MenuItem* undo = edit1->Add({"MenuUndo", "Undo", Ctrl(vk::Key('Z'))});
  PopupMenu* popup = f.AddPopupMenu("PopupMenu1");
  popDelete = popup->Add({"Delete1", "Delete", Key(vk::Delete)});
  MenuItem* popAdd = popup->Add({"Add1", "Add", Key(vk::Insert)});
  MenuItem* popEdit = popup->Add({"Change1", "Edit", {}, true});
  popUndo = popup->Add({"Undo1", "&Undo", Ctrl(vk::Key('Z'))});
  for (MenuItem* item : {checkIt, exit, find, undo, popDelete, popAdd, popEdit, popUndo})
    item->onClick = Noting(item->Name());

  tools = f.AddToolBar({"ToolBar1", {0, 0, 200, 30}, small, 23, 22, false, true});
  tools->AddButton("ToolButton1", 0, "Delete  (DEL)");
  tools->AddButton("ToolButton2", 1, "Edit (Enter)");
  tools->AddButton("ToolButton3", 2, "Add  (INS)");

  pages = f.AddPageControl({"PageControl1", {8, 34, 420, 300}, true});
  listPage = pages->AddPage("TabSheet1", "Lists");
  textPage = pages->AddPage("TabSheet2", "Texts");
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
  edit = f.AddEdit({"Edit1", {8, 214, 300, 24}, "", false}, textPage);
  fixed = f.AddEdit({"edtFixed", {316, 214, 88, 24}, "fixed", true}, textPage);

  Panel* panel = f.AddPanel({"Panel1", {436, 34, 96, 300}, "", true});
  side = f.AddToolBar({"ToolBar2", {6, 6, 84, 120}, big, 50, 46, true, true}, panel);
  side->AddButton("ToolButton8", 0, "Check! (F9)");
  side->AddButton("ToolButton9", 1, "Save (F2)");
  for (ToolBar* bar : {tools, side}) {
    for (int i = 0; i < bar->ButtonCount(); ++i)
      bar->Button(i)->onClick = Noting(bar->Button(i)->Name());
  }

  GroupBox* group = f.AddGroupBox({"GroupBox1", "Start type", {540, 34, 112, 84}});
  first = f.AddRadioButton({"rbAuto", "Automatic", {10, 22, 96, 20}, true}, group);
  second = f.AddRadioButton({"rbManual", "Manual", {10, 48, 96, 20}, false}, group);
  alone = f.AddRadioButton({"rbAlone", "On the form", {540, 126, 112, 20}, true});
  check = f.AddCheckBox({"chbAuto", "Check it", {540, 152, 112, 20}, true});

  ok = f.AddButton({"btOk", "", {12, 348, 100, 33}, ButtonKind::Ok});
  cancel = f.AddButton({"btCanc", "", {120, 348, 100, 33}, ButtonKind::Cancel});
  ButtonSpec confirmSpec{"BitBtn2", "OK! That's right!", {228, 348, 180, 33}};
  confirmSpec.imageResource = pic::Tick;
  confirm = f.AddButton(confirmSpec);
  for (Button* button : {ok, cancel, confirm}) button->onClick = Noting(button->Name());

  f.SetTabOrder({plain, marked, services, ok, cancel});
  f.onFormKeyDown = [this](int& key, ShiftState) { Note("FormKeyDown " + std::to_string(key)); };
  f.onFormKeyPress = [this](int& ch) { Note("FormKeyPress " + std::to_string(ch)); };
  for (Control* control : std::vector<Control*>{plain, marked, services, memo, edit, ok, cancel}) {
    const std::string name = control->Name();
    control->onKeyDown = [this, name](int& key, ShiftState) {
      Note(name + "KeyDown " + std::to_string(key));
    };
    control->onKeyPress = [this, name](int& ch) { Note(name + "KeyPress " + std::to_string(ch)); };
    control->onExit = Noting(name + "Exit");
  }
}

class UiConformance : public TargetSuite<UiTarget> {
 protected:
  void SetUp() override;
  void TearDown() override;

  UiTarget& user() { return *target_; }
  Toolkit& kit() { return target_->kit(); }
  void Press(int vk, ShiftState shift = {}) { target_->Press(*t->form, vk, shift); }
  void Type(const std::string& text) { target_->Type(*t->form, text); }
  void Click(Control& control) { target_->Click(*t->form, control); }
  // The events since the last call.
  std::vector<std::string> Seen();

  std::unique_ptr<TestForm> t;  // shown, the list page in front
};

}  // namespace tarnix::ui::testing
