// The headless toolkit: keys, focus, modal forms, texts and dialogs behave as the forms and
// their tests expect of a real window system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/headless/driver.h"
#include "platform/store.h"

namespace tarnix::ui::headless {
namespace {

// A form like the program's windows: a list with a pop-up menu, an edit box, a text page, OK
// and Cancel buttons, a main menu; every event it sees is written to `events`.
class HeadlessFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormSpec spec{"mform", "Tmform", "Tarnix II", 567, 437};
    spec.keyPreview = true;
    form = toolkit.CreateForm(spec);
    list = form->AddListBox({"ListBox1"});
    edit = form->AddEdit({"edtRow"});
    page = form->AddTextPage({"autoex"});
    ok = form->AddButton({"btOk", "", {}, ButtonKind::Ok});
    cancel = form->AddButton({"btCanc", "", {}, ButtonKind::Cancel});
    popup = form->AddPopupMenu("PopupMenu1");
    list->SetPopupMenu(popup);
    popupDelete = popup->Add({"Delete1", "Delete", Key(vk::Delete)});
    popupUndo = popup->Add({"Undo1", "&Undo", Ctrl('Z')});
    MenuItem* file = form->SetMainMenu("MainMenu1")->Add({"N1", "&File"});
    menuUndo = file->Add({"MenuUndo", "Undo", Ctrl('Z')});
    menuCheck = file->Add({"Checkit1", "Check it!", Key(vk::F9)});
    for (const char* item : {"a", "b", "c"}) list->Add(item);

    popupDelete->onClick = Log("Delete1Click");
    popupUndo->onClick = Log("Undo1Click");
    menuUndo->onClick = Log("MenuUndoClick");
    menuCheck->onClick = Log("Checkit1Click");
    ok->onClick = Log("btOkClick");
    cancel->onClick = Log("btCancClick");
    form->onFormKeyDown = [this](int& key, ShiftState) {
      events.push_back("FormKeyDown " + std::to_string(key));
    };
    form->onFormKeyPress = [this](int& ch) {
      events.push_back("FormKeyPress " + std::to_string(ch));
    };
    for (Control* control : std::vector<Control*>{list, edit, page, ok, cancel}) {
      std::string name = control->Name();
      control->onKeyDown = [this, name](int& key, ShiftState) {
        events.push_back(name + "KeyDown " + std::to_string(key));
      };
      control->onKeyPress = [this, name](int& ch) {
        events.push_back(name + "KeyPress " + std::to_string(ch));
      };
      control->onExit = Log(name + "Exit");
    }
  }

  std::function<void()> Log(const std::string& event) {
    return [this, event] { events.push_back(event); };
  }

  HeadlessToolkit toolkit;
  std::unique_ptr<Form> form;
  ListBox* list = nullptr;
  EditBox* edit = nullptr;
  TextPage* page = nullptr;
  Button* ok = nullptr;
  Button* cancel = nullptr;
  PopupMenu* popup = nullptr;
  MenuItem* popupDelete = nullptr;
  MenuItem* popupUndo = nullptr;
  MenuItem* menuUndo = nullptr;
  MenuItem* menuCheck = nullptr;
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

// --- Keys ---------------------------------------------------------------------------------

TEST_F(HeadlessFormTest, KeyPreviewSeesKeysBeforeTheFocusedControl) {
  Focus(*edit);
  events.clear();
  PressKey(*form, 'X', {true, false, false});
  EXPECT_EQ(events,
            (Events{"FormKeyDown 88", "edtRowKeyDown 88", "FormKeyPress 88", "edtRowKeyPress 88"}));
  EXPECT_EQ(edit->Text(), "X");

  form->onFormKeyDown = [](int& key, ShiftState) { key = 0; };
  events.clear();
  PressKey(*form, 'Y');
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(edit->Text(), "X") << "a key consumed by the form reaches no control";
}

TEST_F(HeadlessFormTest, KeysWithoutPreviewGoStraightToTheControl) {
  auto plain = toolkit.CreateForm({"editline", "Teditline", "Edit Line"});
  EditBox* row = plain->AddEdit({"edtRow"});
  std::vector<std::string> seen;
  plain->onFormKeyPress = [&](int&) { seen.push_back("form"); };
  row->onKeyPress = [&](int& ch) { seen.push_back(std::string(1, static_cast<char>(ch))); };
  Focus(*row);
  TypeText(*plain, "ab");
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
}

TEST_F(HeadlessFormTest, PopupShortcutsComeFirstAndOnlyWhileTheirControlHasTheFocus) {
  Focus(*list);
  events.clear();
  PressKey(*form, 'Z', {false, true, false});
  EXPECT_EQ(events, Events{"Undo1Click"}) << "the pop-up menu's Ctrl+Z, not the main menu's";

  Focus(*edit);
  events.clear();
  PressKey(*form, 'Z', {false, true, false});
  EXPECT_EQ(events, Events{"MenuUndoClick"});

  events.clear();
  PressKey(*form, vk::Delete);
  EXPECT_EQ(events, (Events{"FormKeyDown 46", "edtRowKeyDown 46"}))
      << "Del keeps its meaning in an edit box";

  Focus(*list);
  popupUndo->SetEnabled(false);
  events.clear();
  PressKey(*form, 'Z', {false, true, false});
  EXPECT_EQ(events, Events{"MenuUndoClick"}) << "a disabled pop-up item passes the key on";

  events.clear();
  PressKey(*form, vk::F9);
  EXPECT_EQ(events, Events{"Checkit1Click"});
}

TEST_F(HeadlessFormTest, EnterAndEscPressTheDefaultAndCancelButtons) {
  Focus(*edit);
  events.clear();
  PressKey(*form, vk::Return);
  EXPECT_EQ(events, (Events{"FormKeyDown 13", "edtRowKeyDown 13", "FormKeyPress 13",
                            "edtRowKeyPress 13", "btOkClick"}));
  EXPECT_EQ(edit->Text(), "");

  events.clear();
  PressKey(*form, vk::Escape);
  EXPECT_EQ(events.back(), "btCancClick");

  ok->SetEnabled(false);
  events.clear();
  PressKey(*form, vk::Return);
  EXPECT_EQ(events.back(), "edtRowKeyPress 13") << "a disabled default button is not pressed";

  Focus(*cancel);
  events.clear();
  PressKey(*form, vk::Return);
  EXPECT_EQ(events.back(), "btCancClick") << "Enter presses the focused button itself";
  events.clear();
  PressKey(*form, vk::Space);
  EXPECT_EQ(events.back(), "btCancClick");
}

TEST_F(HeadlessFormTest, EnterInATextPageMakesALineThatThePreviewAlsoSees) {
  page->SetLines({"abcdef"});
  Focus(*page);
  page->SetSelStart(3);
  events.clear();
  PressKey(*form, vk::Return);
  EXPECT_EQ(page->Lines(), (std::vector<std::string>{"abc", "def"}));
  EXPECT_TRUE(page->Modified());
  EXPECT_EQ(page->SelStart(), 4);
  EXPECT_EQ(events,
            (Events{"FormKeyDown 13", "autoexKeyDown 13", "FormKeyPress 13", "autoexKeyPress 13"}))
      << "the default button stays unpressed";

  TypeText(*form, "x\r\ny");
  EXPECT_EQ(page->Lines(), (std::vector<std::string>{"abc", "x", "ydef"}));
}

TEST_F(HeadlessFormTest, AKeyThatClosesTheFormGoesNoFurther) {
  form->onFormKeyPress = [this](int& ch) {
    if (ch == 27)
      form->Close();
  };
  form->Show();
  Focus(*edit);
  events.clear();
  PressKey(*form, vk::Escape);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(events, (Events{"FormKeyDown 27", "edtRowKeyDown 27"}))
      << "neither the control's key press nor the cancel button";
}

// --- Focus --------------------------------------------------------------------------------

TEST_F(HeadlessFormTest, LosingTheFocusFiresExitOnTabAndOnSetFocus) {
  form->SetTabOrder({edit, list});
  Focus(*edit);
  events.clear();
  PressKey(*form, vk::Tab);
  EXPECT_EQ(form->ActiveControl(), list);
  EXPECT_EQ(events, (Events{"FormKeyDown 9", "edtRowKeyDown 9", "edtRowExit"}))
      << "Tab makes no character";

  events.clear();
  PressKey(*form, vk::Tab, {true, false, false});
  EXPECT_EQ(form->ActiveControl(), edit);
  EXPECT_EQ(events.back(), "ListBox1Exit");

  events.clear();
  page->SetFocus();
  EXPECT_TRUE(page->Focused());
  EXPECT_EQ(events, Events{"edtRowExit"});
  page->SetFocus();
  EXPECT_EQ(events, Events{"edtRowExit"}) << "focusing the focused control is no change";
}

TEST_F(HeadlessFormTest, TabPassesOverControlsThatCannotTakeTheFocus) {
  form->SetTabOrder({list, edit, page, ok, cancel});
  edit->SetEnabled(false);
  page->SetVisible(false);
  Focus(*list);
  PressKey(*form, vk::Tab);
  EXPECT_EQ(form->ActiveControl(), ok);
  PressKey(*form, vk::Tab);
  PressKey(*form, vk::Tab);
  EXPECT_EQ(form->ActiveControl(), list) << "the order wraps round";

  EXPECT_FALSE(Focus(*edit));
  edit->SetFocus();
  EXPECT_EQ(form->ActiveControl(), list);
  EXPECT_THROW(Focus(*page), DriverError) << "no user can reach a hidden control";
}

TEST_F(HeadlessFormTest, OnlyTheActivePageOfAPageControlTakesTheFocus) {
  PageControl* pages = form->AddPageControl({"PageControl1"});
  TabPage* first = pages->AddPage("TabSheet1", "Registry");
  TabPage* second = pages->AddPage("TabSheet7", "Startup Group");
  ListBox* inFirst = form->AddListBox({"ListBox3"}, first);
  ListBox* inSecond = form->AddListBox({"lsbStart"}, second);
  EXPECT_EQ(pages->ActivePage(), first);
  EXPECT_FALSE(Focus(*inSecond));
  EXPECT_TRUE(Focus(*inFirst));

  int changes = 0;
  pages->onChange = [&] { ++changes; };
  SelectPage(*pages, 1);
  EXPECT_EQ(pages->ActivePage(), second);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(Focus(*inSecond));
  pages->SetActivePage(first);
  EXPECT_EQ(changes, 1) << "only the user's choice of a page is a change";
}

TEST_F(HeadlessFormTest, MouseButtonsAndClicksMoveTheFocusAsOnScreen) {
  std::vector<MouseButton> pressed;
  list->onMouseDown = [&](MouseButton button, int, int) { pressed.push_back(button); };
  Focus(*edit);
  list->SetItemIndex(1);
  MouseDown(*list, MouseButton::Right);
  EXPECT_EQ(form->ActiveControl(), edit) << "the right button leaves the focus to the handler";
  EXPECT_EQ(list->ItemIndex(), 1);
  MouseDown(*list, MouseButton::Left);
  EXPECT_EQ(form->ActiveControl(), list);
  EXPECT_EQ(pressed, (std::vector<MouseButton>{MouseButton::Right, MouseButton::Left}));

  ToolBar* bar = form->AddToolBar({"ToolBar1"});
  ToolButton* tool = bar->AddButton("ToolButton1", 0, "Delete  (DEL)");
  tool->onClick = Log("ToolButton1Click");
  events.clear();
  Click(*tool);
  EXPECT_EQ(form->ActiveControl(), list) << "a toolbar button does not take the focus";
  EXPECT_EQ(events, Events{"ToolButton1Click"});
  EXPECT_EQ(tool->Hint(), "Delete  (DEL)");

  Click(*cancel);
  EXPECT_EQ(form->ActiveControl(), cancel);
  EXPECT_EQ(events, (Events{"ToolButton1Click", "ListBox1Exit", "btCancClick"}));
}

TEST_F(HeadlessFormTest, UserSelectionFocusesTheListAndFiresItsEvents) {
  list->onClick = Log("ListBox1Click");
  list->onDblClick = Log("ListBox1DblClick");
  Focus(*edit);
  events.clear();
  Select(*list, 2);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(events, (Events{"edtRowExit", "ListBox1Click"}));
  DoubleClick(*list);
  EXPECT_EQ(events.back(), "ListBox1DblClick");
  PressKey(*form, vk::Up);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_THROW(Select(*list, 3), DriverError);

  list->SetEnabled(false);
  events.clear();
  EXPECT_FALSE(Select(*list, 0));
  EXPECT_FALSE(DoubleClick(*list));
  EXPECT_TRUE(events.empty());
}

// --- Lists and check marks ----------------------------------------------------------------

TEST(HeadlessControls, ListSelectionFollowsInsertsAndDeletes) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"Form1", "TForm1"});
  ListBox* list = form->AddListBox({"ListBox1"});
  list->Add("one", 0);
  list->Add("two", 1);
  list->Add("three");
  list->SetItemIndex(1);
  list->Insert(0, "zero", 2);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Item(2), "two");
  list->SetItem(2, "TWO");
  EXPECT_EQ(list->ItemImage(2), 1) << "a line keeps its image when its text changes";
  list->Delete(0);
  EXPECT_EQ(list->ItemIndex(), 1);
  list->Delete(1);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Items(), (std::vector<std::string>{"one", "three"}));
  EXPECT_EQ(list->ItemImage(1), -1);
  list->SetItemIndex(5);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_THROW(list->Item(2), std::out_of_range);
}

TEST(HeadlessControls, RadioButtonsExcludeEachOtherWithinTheirParent) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"frmServ", "TfrmServ"});
  GroupBox* group = form->AddGroupBox({"GroupBox1"});
  RadioButton* automatic = form->AddRadioButton({"rbAuto", "Automatic", {}, true}, group);
  RadioButton* manual = form->AddRadioButton({"rbManual", "Manual"}, group);
  RadioButton* disabled = form->AddRadioButton({"rbDisabled", "Disabled"}, group);
  RadioButton* outside = form->AddRadioButton({"rbOther", "Other", {}, true});
  EXPECT_TRUE(automatic->Checked());

  int clicks = 0;
  manual->onClick = [&] { ++clicks; };
  Click(*manual);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(manual->Checked());
  EXPECT_FALSE(automatic->Checked());
  disabled->SetChecked(true);
  EXPECT_FALSE(manual->Checked());
  EXPECT_TRUE(outside->Checked()) << "another parent is another group";

  CheckBox* check = form->AddCheckBox({"chkDesk", "Desktop"});
  PressKey(*form, vk::Tab);
  Focus(*check);
  PressKey(*form, vk::Space);
  EXPECT_TRUE(check->Checked());
  Click(*check);
  EXPECT_FALSE(check->Checked());
}

// --- Texts --------------------------------------------------------------------------------

TEST_F(HeadlessFormTest, OnlyTheUsersTypingSetsTheModifiedMark) {
  edit->SetText("c:\\prog.exe");
  page->SetLines({"line"});
  EXPECT_FALSE(edit->Modified());
  EXPECT_FALSE(page->Modified());

  int changes = 0;
  edit->onChange = [&] { ++changes; };
  Focus(*edit);
  edit->SetSelStart(2);
  TypeText(*form, "x");
  EXPECT_EQ(edit->Text(), "c:x\\prog.exe");
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(changes, 1);
  PressKey(*form, vk::Back);
  PressKey(*form, vk::Delete);
  EXPECT_EQ(edit->Text(), "c:prog.exe");

  edit->SetModified(false);
  edit->SetText("other");
  EXPECT_FALSE(edit->Modified()) << "the program's text is not an edit";

  Focus(*page);
  PressKey(*form, vk::Delete);
  EXPECT_EQ(page->Lines(), std::vector<std::string>{"ine"});
  EXPECT_TRUE(page->Modified());
  page->Clear();
  EXPECT_FALSE(page->Modified());
  EXPECT_EQ(page->TextLength(), 0);
}

TEST(HeadlessControls, ReadOnlyEditsRefuseTyping) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"frmLink", "TfrmLink"});
  EditBox* box = form->AddEdit({"edtTarget", {}, "fixed", true});
  Focus(*box);
  TypeText(*form, "zz");
  PressKey(*form, vk::Delete);
  EXPECT_EQ(box->Text(), "fixed");
  EXPECT_FALSE(box->Modified());
}

TEST(HeadlessControls, TextPagePositionsCountALineBreakAsOneCharacter) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"mform", "Tmform"});
  TextPage* page = form->AddTextPage({"autoex"});
  page->SetLines({"SET PATH=C:\\", "rem Net start", "net use"});
  EXPECT_EQ(page->Text(), "SET PATH=C:\\\r\nrem Net start\r\nnet use");
  EXPECT_EQ(page->TextLength(), 12 + 1 + 13 + 1 + 7);
  EXPECT_EQ(page->FindText("net", 0, page->TextLength()), 17) << "case is ignored";
  EXPECT_EQ(page->FindText("NET", 18, page->TextLength() - 18), 27);
  EXPECT_EQ(page->FindText("net", 28, page->TextLength() - 28), -1);
  EXPECT_EQ(page->FindText("\\\r\n", 0, page->TextLength()), -1)
      << "a line break is not the two characters CR LF";
  EXPECT_EQ(page->FindText("net", 0, 19), -1) << "a match must lie within the range";

  page->SetLines({"abab"});
  EXPECT_EQ(page->FindText("AB", 0, 4), 0);
  EXPECT_EQ(page->FindText("ab", 3, 1), -1);
  page->SetLines({"Größe", "ÄRGER"});
  EXPECT_EQ(page->TextLength(), 11);
  EXPECT_EQ(page->FindText("äRger", 0, 11), 6);
}

TEST(HeadlessControls, TypedTextEditsAroundLineBreaks) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"mform", "Tmform"});
  TextPage* page = form->AddTextPage({"config"});
  Focus(*page);
  TypeText(*form, "ab\ncd");
  EXPECT_EQ(page->Lines(), (std::vector<std::string>{"ab", "cd"}));
  page->SetSelStart(3);
  PressKey(*form, vk::Back);
  EXPECT_EQ(page->Lines(), std::vector<std::string>{"abcd"}) << "Backspace joins the lines";
  EXPECT_EQ(page->SelStart(), 2);
  TypeText(*form, "é\n");
  EXPECT_EQ(page->Lines(), (std::vector<std::string>{"abé", "cd"}));
  EXPECT_EQ(page->SelStart(), 4);
  page->SetSelStart(100);
  EXPECT_EQ(page->SelStart(), page->TextLength());
}

// --- Modal forms --------------------------------------------------------------------------

class HeadlessModalTest : public ::testing::Test {
 protected:
  // A dialog with an edit box and OK and Cancel buttons, as the line editor has.
  std::unique_ptr<Form> Dialog(const std::string& name, const std::string& className) {
    auto dialog = toolkit.CreateForm({name, className, "Edit Line"});
    dialog->AddEdit({"edtRow"});
    dialog->AddButton({"BitBtn1", "", {}, ButtonKind::Ok});
    dialog->AddButton({"BitBtn2", "", {}, ButtonKind::Cancel});
    dialog->onShow = [this, name] { events.push_back(name + " shown"); };
    dialog->onClose = [this, name] { events.push_back(name + " closed"); };
    return dialog;
  }

  HeadlessToolkit toolkit;
  std::vector<std::string> events;
};

TEST_F(HeadlessModalTest, ButtonsEndTheModalShowWithTheirResults) {
  auto dialog = Dialog("editline", "Teditline");
  toolkit.OnModal("Teditline", [](Form& f) {
    EXPECT_TRUE(f.IsModal());
    EXPECT_EQ(f.ActiveControl(), f.FindControl("edtRow")) << "the first tab stop";
    TypeText(f, "new");
    PressKey(f, vk::Return);
  });
  EXPECT_EQ(dialog->ShowModal(), mr::Ok);
  EXPECT_EQ(Get<EditBox>(*dialog, "edtRow").Text(), "new");
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(dialog->IsModal());
  EXPECT_EQ(events, (Events{"editline shown", "editline closed"}));

  toolkit.OnModal("editline", [](Form& f) { PressKey(f, vk::Escape); });
  EXPECT_EQ(dialog->ShowModal(), mr::Cancel);

  auto retry = toolkit.CreateForm({"frmFind", "TfrmFind"});
  retry->AddButton({"bbtNext", "Find &Next (F3)", {}, ButtonKind::Retry});
  Button* custom = retry->AddButton({"bbtYes", "Yes", {}, ButtonKind::Plain});
  EXPECT_EQ(Get<Button>(*retry, "bbtNext").Caption(), "Find &Next (F3)");
  toolkit.OnModal("frmFind", [](Form& f) { Click(Get<Button>(f, "bbtNext")); });
  EXPECT_EQ(retry->ShowModal(), mr::Retry);
  toolkit.OnModal("frmFind", [custom](Form& f) {
    Click(*custom);
    EXPECT_TRUE(f.IsModal()) << "a plain button sets no result";
    f.SetModalResult(mr::Yes);
    EXPECT_FALSE(f.IsModal());
  });
  EXPECT_EQ(retry->ShowModal(), mr::Yes);
  EXPECT_EQ(toolkit.PendingModalScripts(), 0);
}

TEST_F(HeadlessModalTest, AFormTheScriptLeavesOpenIsClosedAsByItsCloseBox) {
  auto dialog = Dialog("editline", "Teditline");
  toolkit.OnModal("editline", [](Form&) {});
  EXPECT_EQ(dialog->ShowModal(), mr::Cancel);
  EXPECT_EQ(events, (Events{"editline shown", "editline closed"}));

  auto report = toolkit.CreateForm({"Form1", "TForm1"});
  report->AddButton({"BitBtn1", "", {}, ButtonKind::Close});
  EXPECT_EQ(Get<Button>(*report, "BitBtn1").Caption(), "&Close");
  toolkit.OnModal("Form1", [](Form& f) { Click(Get<Button>(f, "BitBtn1")); });
  EXPECT_EQ(report->ShowModal(), mr::Cancel);
  toolkit.OnModal("Form1", [](Form& f) { CloseBox(f); });
  EXPECT_EQ(report->ShowModal(), mr::Cancel);
}

TEST_F(HeadlessModalTest, AModalFormOpensAnotherFromItsScript) {
  auto outer = Dialog("Form1", "TForm1");
  auto inner = Dialog("editline", "Teditline");
  Button* edit = outer->AddButton({"btnEdit", "Edit"});
  int innerResult = 0;
  edit->onClick = [&] { innerResult = inner->ShowModal(); };
  toolkit.OnModal("TForm1", [this](Form& f) {
    toolkit.OnModal("Teditline", [](Form& g) { Click(Get<Button>(g, "BitBtn1")); });
    Click(Get<Button>(f, "btnEdit"));
    EXPECT_TRUE(f.IsModal()) << "the inner dialog's OK ends only the inner dialog";
    Click(Get<Button>(f, "BitBtn2"));
  });
  EXPECT_EQ(outer->ShowModal(), mr::Cancel);
  EXPECT_EQ(innerResult, mr::Ok);

  toolkit.OnModal("Teditline", [&](Form&) { Click(*edit); });
  EXPECT_THROW(inner->ShowModal(), DriverError) << "the outer form is behind the dialog";
  EXPECT_FALSE(inner->IsModal());
  Click(Get<Button>(*outer, "BitBtn1"));
  EXPECT_EQ(outer->ModalResult(), mr::Ok) << "once the dialog has gone, the form is reachable";
  EXPECT_EQ(events, (Events{"Form1 shown", "editline shown", "editline closed", "Form1 closed",
                            "editline shown"}));
}

TEST_F(HeadlessModalTest, UnscriptedDialogsFailLoudlyThroughTheDispatch) {
  auto dialog = Dialog("editline", "Teditline");
  auto main = toolkit.CreateForm({"mform", "Tmform"});
  Button* open = main->AddButton({"btnOpen", "Open"});
  open->onClick = [&] { dialog->ShowModal(); };
  EXPECT_THROW(Click(*open), UnexpectedDialog);
  EXPECT_FALSE(dialog->Visible());

  open->onClick = [&] { toolkit.MessageBox(main.get(), "Sure?", "Attention!", 0x31); };
  EXPECT_THROW(Click(*open), UnexpectedDialog);
  open->onClick = [&] { toolkit.OpenFileDialog(main.get(), {}); };
  EXPECT_THROW(Click(*open), UnexpectedDialog);
  EXPECT_TRUE(toolkit.Messages().size() == 1 && toolkit.Messages()[0].answer == 0)
      << "the unexpected box is recorded for the failure's story, as no error box";

  toolkit.OnModal("Teditline", [](Form&) { throw DriverError("script failed"); });
  EXPECT_THROW(dialog->ShowModal(), DriverError);
  EXPECT_FALSE(dialog->IsModal());
  EXPECT_FALSE(dialog->Visible());
}

TEST_F(HeadlessModalTest, ClosingTheMainFormEndsTheProgram) {
  FormSpec spec{"mform", "Tmform"};
  spec.isMainForm = true;
  auto main = toolkit.CreateForm(spec);
  auto other = Dialog("frmFind", "TfrmFind");
  bool ranWhileShown = false;
  toolkit.OnRun([&] {
    ranWhileShown = main->Visible();
    other->Show();
    other->Close();
    EXPECT_FALSE(toolkit.Terminated());
    CloseBox(*main);
  });
  toolkit.Run(main.get(), true);
  EXPECT_TRUE(ranWhileShown);
  EXPECT_TRUE(toolkit.Terminated());
  EXPECT_EQ(toolkit.FindForm("TfrmFind"), other.get());
  EXPECT_EQ(toolkit.FindForm("mform"), main.get());
  main.reset();
  EXPECT_EQ(toolkit.FindForm("mform"), nullptr);
}

// --- Message boxes, dialogs and the dispatch ----------------------------------------------

TEST(HeadlessDialogs, AnErrorEscapingAHandlerIsShownInAnErrorBox) {
  HeadlessToolkit toolkit;
  toolkit.SetTitle("Tarnix II");
  auto form = toolkit.CreateForm({"mform", "Tmform"});
  MenuItem* item = form->SetMainMenu("MainMenu1")->Add({"Save1", "Sa&ve "});
  bool after = false;
  item->onClick = [&] {
    throw StoreError("Invalid data type for 'x'");
    after = true;
  };
  EXPECT_TRUE(Click(FindMenuItem(*form, "Save1")));
  EXPECT_FALSE(after);
  std::vector<MessageRecord> shown = toolkit.TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Invalid data type for 'x'");
  EXPECT_EQ(shown[0].caption, "Tarnix II");
  EXPECT_EQ(shown[0].style, 0x10u);
  EXPECT_TRUE(toolkit.Messages().empty());

  item->SetEnabled(false);
  EXPECT_FALSE(Click(*item));
  EXPECT_THROW(FindMenuItem(*form, "Nothing"), DriverError);
}

TEST(HeadlessDialogs, MessageBoxesTakeTheQueuedAnswersThatFitThem) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"mform", "Tmform"});
  toolkit.AnswerNextMessageBox(mb::IdCancel);
  toolkit.AnswerNextMessageBox(mb::IdYes);
  EXPECT_EQ(toolkit.MessageBox(form.get(), "Delete?", "Attention!", 0x31), mb::IdCancel);
  EXPECT_EQ(toolkit.MessageBox(nullptr, "Save?", "Attention!", 0x44), mb::IdYes);
  EXPECT_EQ(toolkit.PendingAnswers(), 0);
  ASSERT_EQ(toolkit.Messages().size(), 2u);
  EXPECT_EQ(toolkit.Messages()[0].owner, "mform");
  EXPECT_EQ(toolkit.Messages()[1].owner, "");
  EXPECT_EQ(toolkit.Messages()[1].style, 0x44u);

  toolkit.AnswerNextMessageBox(mb::IdYes);
  EXPECT_THROW(toolkit.MessageBox(nullptr, "Sure?", "Attention!", 0x31), DriverError)
      << "an OK/Cancel box has no Yes";

  EXPECT_THROW(toolkit.MessageBox(nullptr, "Done", "Result", 0x40), UnexpectedDialog);
  toolkit.SetAutoAcknowledge(true);
  toolkit.AnswerNextMessageBox(mb::IdNo);
  EXPECT_EQ(toolkit.MessageBox(nullptr, "Done", "Result", 0x40), mb::IdOk);
  EXPECT_EQ(toolkit.PendingAnswers(), 1) << "acknowledged boxes leave the queue alone";
  EXPECT_EQ(toolkit.MessageBox(nullptr, "Save?", "Attention!", 0x44), mb::IdNo);
}

// The shield and the elevation are what a test sets, so that both ways can be tried.
TEST(HeadlessControls, ShieldAndElevationAreRecorded) {
  HeadlessToolkit toolkit;
  EXPECT_TRUE(toolkit.Elevated());
  toolkit.SetElevated(false);
  EXPECT_FALSE(toolkit.Elevated());
  auto form = toolkit.CreateForm({"frmReport", "TfrmReport"});
  Button* save = form->AddButton({"btnSave", "Save current list", {8, 8, 137, 33}});
  Button* close = form->AddButton({"BitBtn1", "", {8, 48, 100, 33}, ButtonKind::Close});
  EXPECT_FALSE(save->Shield());
  save->SetShield(true);
  EXPECT_TRUE(save->Shield());
  EXPECT_FALSE(close->Shield());
  EXPECT_EQ(save->Caption(), "Save current list");
  save->SetShield(false);
  EXPECT_FALSE(save->Shield());
}

TEST(HeadlessDialogs, FileDialogsAndProgramsAreRecorded) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"mform", "Tmform"});
  toolkit.QueueSaveFile(std::string("c:\\keys.reg"));
  toolkit.QueueOpenFile(std::nullopt);
  FileDialogSpec spec;
  spec.filter = "*.reg|*.reg";
  spec.defaultExtension = "REG";
  EXPECT_EQ(toolkit.SaveFileDialog(form.get(), spec), "c:\\keys.reg");
  EXPECT_EQ(toolkit.OpenFileDialog(form.get(), spec), std::nullopt);
  ASSERT_EQ(toolkit.FileDialogs().size(), 2u);
  EXPECT_TRUE(toolkit.FileDialogs()[0].save);
  EXPECT_EQ(toolkit.FileDialogs()[1].spec.defaultExtension, "REG");
  EXPECT_THROW(toolkit.SaveFileDialog(form.get(), spec), UnexpectedDialog);

  EXPECT_EQ(toolkit.ShellExecute(form.get(), "open", "tx2log.txt", "", "", sw::Normal), 42);
  EXPECT_EQ(toolkit.StartProgram("explorer.exe", sw::Normal), "");
  toolkit.SetStartProgramError("not found");
  EXPECT_EQ(toolkit.StartProgram("regedit.exe", sw::ShowDefault), "not found");
  EXPECT_EQ(toolkit.ShellCalls().at(0).file, "tx2log.txt");
  EXPECT_EQ(toolkit.Programs().at(1).showCommand, sw::ShowDefault);
}

TEST(HeadlessKeys, F1AsksForTheFormsHelpOnlyWhenNothingElseUsedIt) {
  HeadlessToolkit toolkit;
  FormSpec spec{"Form1", "TForm1"};
  spec.helpContext = 105;
  spec.keyPreview = true;
  auto form = toolkit.CreateForm(spec);
  std::vector<int> asked;
  toolkit.onHelp = [&](Form& owner, int context) {
    EXPECT_EQ(&owner, form.get());
    asked.push_back(context);
  };
  form->Show();
  PressKey(*form, vk::F1);
  PressKey(*form, vk::F1, {true, false, false});
  EXPECT_EQ(asked, std::vector<int>{105}) << "Shift+F1 is not the help key";

  form->onFormKeyDown = [](int& key, ShiftState) {
    if (key == vk::F1)
      key = 0;
  };
  PressKey(*form, vk::F1);
  EXPECT_EQ(asked.size(), 1u) << "a key handler that used F1 ends it";

  form->onFormKeyDown = nullptr;
  MenuItem* help =
      form->SetMainMenu("MainMenu1")->Add({"N7", "&Help"})->Add({"N8", "&Help", Key(vk::F1)});
  int clicks = 0;
  help->onClick = [&] { ++clicks; };
  PressKey(*form, vk::F1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(asked.size(), 1u) << "a menu shortcut on F1 comes first";
}

}  // namespace
}  // namespace tarnix::ui::headless
