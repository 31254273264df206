#include "conformance/ui_conformance.h"

#include <stdexcept>

namespace tarnix::ui::testing {

// Test programs that do not test a toolkit link this file too.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(UiConformance);

void UiConformance::SetUp() {
  TargetSuite::SetUp();
  t = std::make_unique<TestForm>(kit());
  user().Show(*t->form);
  t->events.clear();
}

void UiConformance::TearDown() {
  t.reset();
  TargetSuite::TearDown();
}

std::vector<std::string> UiConformance::Seen() {
  std::vector<std::string> events;
  events.swap(t->events);
  return events;
}

namespace {

using Events = std::vector<std::string>;
using Lines = std::vector<std::string>;
constexpr ShiftState kShift{true, false, false}, kCtrl{false, true, false},
    kAlt{false, false, true};

// A dialog like the line editor: an edit box, OK, Cancel, Close and a plain button.
struct Dialog {
  Dialog(Toolkit& kit, const std::string& className, std::vector<std::string>& events) {
    FormSpec spec{className.substr(1), className, "Edit Line", 360, 120};
    form = kit.CreateForm(spec);
    edit = form->AddEdit({"edtRow", {8, 8, 340, 24}});
    ok = form->AddButton({"BitBtn1", "", {8, 60, 100, 33}, ButtonKind::Ok});
    cancel = form->AddButton({"BitBtn2", "", {120, 60, 100, 33}, ButtonKind::Cancel});
    other = form->AddButton({"Button1", "Other", {232, 60, 100, 33}});
    close = form->AddButton({"BitBtn3", "", {232, 96, 100, 20}, ButtonKind::Close});
    retry = form->AddButton({"bbtNext", "Next", {8, 96, 100, 20}, ButtonKind::Retry});
    form->onShow = [&events, className] { events.push_back(className + " shown"); };
    form->onClose = [&events, className] { events.push_back(className + " closed"); };
  }
  std::unique_ptr<Form> form;
  EditBox* edit;
  Button *ok, *cancel, *other, *close, *retry;
};

// --- Keys ----------------------------------------------------------------------------------

TEST_P(UiConformance, KeyPreviewSeesKeysBeforeTheFocusedControl) {
  user().SelectPage(*t->pages, 1);
  t->edit->SetFocus();
  Seen();
  Press('X', kShift);
  EXPECT_EQ(Seen(),
            (Events{"FormKeyDown 88", "Edit1KeyDown 88", "FormKeyPress 88", "Edit1KeyPress 88"}));
  EXPECT_EQ(t->edit->Text(), "X");

  t->form->onFormKeyDown = [](int& key, ShiftState) { key = 0; };
  Press('Y', kShift);
  EXPECT_EQ(Seen(), Events{}) << "a key the form takes reaches nothing, not even as a character";
  EXPECT_EQ(t->edit->Text(), "X");

  TestForm other(kit(), false);
  user().Show(*other.form);
  user().SelectPage(*other.pages, 1);
  other.edit->SetFocus();
  other.events.clear();
  user().Type(*other.form, "ab");
  EXPECT_EQ(other.events,
            (Events{"Edit1KeyDown 65", "Edit1KeyPress 97", "Edit1KeyDown 66", "Edit1KeyPress 98"}))
      << "without key preview the form sees nothing";
  EXPECT_EQ(other.edit->Text(), "ab");
}

TEST_P(UiConformance, PopupShortcutsComeFirstAndOnlyWhileTheirControlHasTheFocus) {
  t->plain->SetFocus();
  Seen();
  Press('Z', kCtrl);
  Press(vk::Delete);
  Press(vk::Insert);
  Press(vk::F9);
  Press('F', kCtrl);
  Press('X', kAlt);
  EXPECT_EQ(Seen(), (Events{"Undo1", "Delete1", "Add1", "Checkit1", "Find1", "N6"}));
  t->find->SetEnabled(false);
  Press('F', kCtrl);
  EXPECT_EQ(Seen(), (Events{"FormKeyDown 70", "ListBox1KeyDown 70", "FormKeyPress 6",
                            "ListBox1KeyPress 6"}))
      << "a disabled item leaves the key to the form";

  t->popUndo->SetEnabled(false);
  t->popDelete->SetEnabled(false);
  Press('Z', kCtrl);
  Press(vk::Delete);
  EXPECT_EQ(Seen(), (Events{"MenuUndo", "FormKeyDown 46", "ListBox1KeyDown 46"}))
      << "a disabled pop-up item passes the key on";

  user().SelectPage(*t->pages, 1);
  t->edit->SetText("abc");
  t->edit->SetFocus();
  t->edit->SetSelStart(0);
  Seen();
  t->popUndo->SetEnabled(true);
  Press('Z', kCtrl);
  Press(vk::Delete);
  EXPECT_EQ(Seen(), (Events{"MenuUndo", "FormKeyDown 46", "Edit1KeyDown 46"}));
  EXPECT_EQ(t->edit->Text(), "bc") << "Del keeps its meaning in an edit box";
}

TEST_P(UiConformance, EnterAndEscPressTheDefaultAndCancelButtons) {
  user().SelectPage(*t->pages, 1);
  t->edit->SetFocus();
  Seen();
  Press(vk::Return);
  EXPECT_EQ(Seen(), (Events{"FormKeyDown 13", "Edit1KeyDown 13", "FormKeyPress 13",
                            "Edit1KeyPress 13", "btOk"}));
  EXPECT_EQ(t->edit->Text(), "");
  Press(vk::Escape);
  EXPECT_EQ(Seen().back(), "btCanc");

  t->ok->SetEnabled(false);
  Press(vk::Return);
  EXPECT_EQ(Seen().back(), "Edit1KeyPress 13") << "a disabled default button is not pressed";

  user().SelectPage(*t->pages, 0);
  t->cancel->SetFocus();
  Seen();
  Press(vk::Return);
  EXPECT_EQ(Seen().back(), "btCanc") << "Enter presses the focused button itself";
}

TEST_P(UiConformance, EnterInATextPageMakesALineThatThePreviewAlsoSees) {
  user().SelectPage(*t->pages, 1);
  t->memo->SetLines({"abcdef"});
  t->memo->SetFocus();
  t->memo->SetSelStart(3);
  Seen();
  Press(vk::Return);
  EXPECT_EQ(t->memo->Lines(), (Lines{"abc", "def"}));
  EXPECT_TRUE(t->memo->Modified());
  EXPECT_EQ(t->memo->SelStart(), 4);
  EXPECT_EQ(Seen(),
            (Events{"FormKeyDown 13", "Memo1KeyDown 13", "FormKeyPress 13", "Memo1KeyPress 13"}))
      << "the default button stays unpressed";
  Type("x\ny");
  EXPECT_EQ(t->memo->Lines(), (Lines{"abc", "x", "ydef"}));
  t->memo->SetSelStart(6);
  Press(vk::Back);
  EXPECT_EQ(t->memo->Lines(), (Lines{"abc", "xydef"})) << "Backspace joins the lines";
  EXPECT_EQ(t->memo->SelStart(), 5);
  Type("é\n");
  EXPECT_EQ(t->memo->Lines(), (Lines{"abc", "xé", "ydef"}));
  EXPECT_EQ(t->memo->SelStart(), 7);
}

// Closing the form in its key handler ends the key: no further handler, no character, no button.
TEST_P(UiConformance, AKeyThatClosesTheFormGoesNoFurther) {
  t->form->onFormKeyDown = [this](int& key, ShiftState) {
    t->Note("FormKeyDown " + std::to_string(key));
    if (key == vk::Escape)
      t->form->Close();
  };
  t->plain->SetFocus();
  Seen();
  Press(vk::Escape);
  EXPECT_FALSE(t->form->Visible());
  EXPECT_EQ(Seen(), Events{"FormKeyDown 27"});

  t->form->onFormKeyDown = nullptr;
  t->form->onFormKeyPress = [this](int& ch) {
    t->Note("FormKeyPress " + std::to_string(ch));
    t->form->Close();
  };
  user().Show(*t->form);
  t->plain->SetFocus();
  Seen();
  Press(vk::Escape);
  EXPECT_FALSE(t->form->Visible());
  EXPECT_EQ(Seen(), (Events{"ListBox1KeyDown 27", "FormKeyPress 27"}));
}

TEST_P(UiConformance, F1AsksForTheFormsHelpOnlyWhenNothingElseUsedIt) {
  std::vector<int> asked;
  kit().onHelp = [&](Form& owner, int context) {
    EXPECT_EQ(&owner, t->form.get());
    asked.push_back(context);
  };
  t->plain->SetFocus();
  Seen();
  Press(vk::F1);
  Press(vk::F1, kShift);
  EXPECT_EQ(asked, std::vector<int>{105}) << "Shift+F1 is not the help key";
  EXPECT_EQ(Seen().at(1), "ListBox1KeyDown 112") << "the key handlers see F1 first";

  t->form->onFormKeyDown = [](int& key, ShiftState) {
    if (key == vk::F1)
      key = 0;
  };
  Press(vk::F1);
  EXPECT_EQ(asked.size(), 1u) << "a key handler that used F1 ends it";

  t->form->onFormKeyDown = nullptr;
  t->menu->Add({"N7", "&Help"})->Add({"N8", "&Help", Key(vk::F1)})->onClick = t->Noting("N8");
  Seen();
  Press(vk::F1);
  EXPECT_EQ(Seen(), Events{"N8"});
  EXPECT_EQ(asked.size(), 1u) << "a menu shortcut on F1 comes first";
  kit().onHelp = nullptr;
}

// --- Focus and the mouse -------------------------------------------------------------------

TEST_P(UiConformance, TabMovesInTabOrderPastWhatCannotTakeTheFocusAndExitFollows) {
  t->plain->SetFocus();
  Seen();
  Press(vk::Tab);
  EXPECT_TRUE(t->marked->Focused());
  EXPECT_EQ(t->form->ActiveControl(), t->marked);
  EXPECT_EQ(Seen(), (Events{"FormKeyDown 9", "ListBox1KeyDown 9", "ListBox1Exit"}))
      << "Tab makes no character";
  Press(vk::Tab, kShift);
  EXPECT_TRUE(t->plain->Focused());
  EXPECT_EQ(Seen().back(), "lsbMarksExit");

  t->services->SetFocus();
  t->services->SetFocus();
  EXPECT_EQ(Seen(), Events{"ListBox1Exit"}) << "focusing the focused control is no change";

  t->plain->SetFocus();
  t->marked->SetEnabled(false);
  t->services->SetVisible(false);
  Press(vk::Tab);
  EXPECT_EQ(t->form->ActiveControl(), t->ok);
}

TEST_P(UiConformance, ButtonsTakeTheFocusWhenClickedAndToolButtonsDoNot) {
  t->plain->SetFocus();
  Seen();
  Click(*t->tools->Button(1));
  EXPECT_EQ(t->form->ActiveControl(), t->plain);
  Click(*t->cancel);
  EXPECT_EQ(t->form->ActiveControl(), t->cancel);
  EXPECT_EQ(Seen(), (Events{"ToolButton2", "ListBox1Exit", "btCanc"}));
  t->tools->Button(1)->SetEnabled(false);
  Click(*t->tools->Button(1));
  EXPECT_EQ(Seen(), Events{}) << "a disabled tool button does nothing";
}

TEST_P(UiConformance, OnlyTheUsersChoiceOfAPageIsAChange) {
  int changes = 0;
  t->pages->onChange = [&] { ++changes; };
  user().SelectPage(*t->pages, 1);
  EXPECT_EQ(t->pages->ActivePage(), t->textPage);
  EXPECT_EQ(changes, 1);
  t->pages->SetActivePage(t->listPage);
  EXPECT_EQ(t->pages->ActivePage(), t->listPage);
  EXPECT_EQ(changes, 1);
}

// --- Lists, radio buttons, check boxes -----------------------------------------------------

TEST_P(UiConformance, ChoosingALineFocusesTheListAndFiresItsEvents) {
  t->plain->onClick = t->Noting("ListBox1Click");
  t->plain->onDblClick = t->Noting("ListBox1DblClick");
  t->services->SetFocus();
  Seen();
  user().Select(*t->plain, 2);
  EXPECT_EQ(t->plain->ItemIndex(), 2);
  EXPECT_EQ(Seen(), (Events{"lsbServExit", "ListBox1Click"}));
  user().DoubleClick(*t->plain, 2);
  EXPECT_EQ(Seen().back(), "ListBox1DblClick");
  Press(vk::Up);
  EXPECT_EQ(t->plain->ItemIndex(), 1);
}

TEST_P(UiConformance, TheSelectionAndTheImagesFollowInsertsAndDeletes) {
  ListBox& list = *t->marked;
  list.SetItemIndex(1);
  list.Insert(0, "zero", 2);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(list.Item(2), "deleted line");
  list.SetItem(2, "DELETED");
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(list.ItemImage(2), 1) << "a line keeps its image when its text changes";
  list.Delete(0);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.Delete(1);
  EXPECT_EQ(list.ItemIndex(), -1) << "deleting the selected line leaves none selected";
  list.Add("no mark");
  EXPECT_EQ(list.Items(), (Lines{"added line", "same line", "no mark"}));
  EXPECT_EQ(list.ItemImage(2), -1);
  list.SetItemIndex(5);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_THROW(list.Item(3), std::out_of_range);
}

// A greyed line stays greyed, and keeps its image, as the lines around it come and go.
TEST_P(UiConformance, AGreyedLineKeepsItsStateAndImageThroughEdits) {
  ListBox& list = *t->marked;
  list.SetItemGreyed(1, true);
  list.Insert(0, "zero", 2);
  list.SetItem(2, "DELETED");
  list.SetItemImage(2, 0);
  list.Delete(0);
  EXPECT_EQ((std::vector<bool>{list.ItemGreyed(0), list.ItemGreyed(1), list.ItemGreyed(2)}),
            (std::vector<bool>{false, true, false}));
  EXPECT_EQ(list.ItemImage(1), 0);
  list.SetItemGreyed(1, false);
  t->plain->SetItemGreyed(2, true);
  EXPECT_FALSE(list.ItemGreyed(1));
  EXPECT_TRUE(t->plain->ItemGreyed(2));
  user().Select(*t->plain, 2);
  EXPECT_EQ(t->plain->ItemIndex(), 2) << "a greyed line can be chosen";
  EXPECT_THROW(list.ItemGreyed(3), std::out_of_range);
}

TEST_P(UiConformance, RadioButtonsExcludeEachOtherWithinTheirParent) {
  int clicks = 0;
  t->second->onClick = [&] { ++clicks; };
  Click(*t->second);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(t->second->Checked());
  EXPECT_FALSE(t->first->Checked());
  EXPECT_TRUE(t->alone->Checked()) << "another parent is another group";
  t->first->SetChecked(true);
  EXPECT_FALSE(t->second->Checked());

  Click(*t->check);
  EXPECT_FALSE(t->check->Checked());
  Press(vk::Space);
  EXPECT_TRUE(t->check->Checked()) << "Space toggles the focused check box";
}

// --- Texts ---------------------------------------------------------------------------------

TEST_P(UiConformance, OnlyTheUsersTypingSetsTheModifiedMark) {
  user().SelectPage(*t->pages, 1);
  t->edit->SetText("ä:\\prog.exe");
  t->memo->SetLines({"line"});
  EXPECT_FALSE(t->edit->Modified());
  EXPECT_FALSE(t->memo->Modified());

  int changes = 0;
  t->edit->onChange = [&] { ++changes; };
  t->edit->SetFocus();
  t->edit->SetSelStart(2);
  Type("x");
  EXPECT_EQ(t->edit->Text(), "ä:x\\prog.exe");
  EXPECT_EQ(t->edit->SelStart(), 3) << "positions count characters, not bytes";
  EXPECT_TRUE(t->edit->Modified());
  EXPECT_EQ(changes, 1);
  Press(vk::Back);
  Press(vk::Delete);
  EXPECT_EQ(t->edit->Text(), "ä:prog.exe");
  t->edit->SetText("other");
  EXPECT_TRUE(t->edit->Modified()) << "the program's text leaves the mark as it is";
  t->edit->SetModified(false);
  t->edit->SetText("again");
  EXPECT_FALSE(t->edit->Modified());

  t->fixed->SetFocus();
  Type("zz");
  Press(vk::Delete);
  EXPECT_EQ(t->fixed->Text(), "fixed") << "a read-only box takes no typing";

  t->memo->SetFocus();
  t->memo->SetSelStart(0);
  Press(vk::Delete);
  EXPECT_EQ(t->memo->Lines(), Lines{"ine"});
  EXPECT_TRUE(t->memo->Modified());
  t->memo->SetModified(false);
  EXPECT_FALSE(t->memo->Modified());
  t->memo->SetModified(true);
  t->memo->Clear();
  EXPECT_FALSE(t->memo->Modified());
  EXPECT_EQ(t->memo->TextLength(), 0);
}

TEST_P(UiConformance, TextPagePositionsCountALineBreakAsOneCharacter) {
  TextPage& page = *t->memo;
  page.SetLines({"SET PATH=C:\\", "rem Net start", "net use"});
  EXPECT_EQ(page.Text(), "SET PATH=C:\\\r\nrem Net start\r\nnet use");
  const int length = page.TextLength();
  EXPECT_EQ(length, 12 + 1 + 13 + 1 + 7);
  EXPECT_EQ(page.FindText("net", 0, length), 17) << "case is ignored";
  EXPECT_EQ(page.FindText("NET", 18, length - 18), 27);
  EXPECT_EQ(page.FindText("net", 28, length - 28), -1);
  EXPECT_EQ(page.FindText("\\\r\n", 0, length), -1) << "a line break is not the two characters";
  EXPECT_EQ(page.FindText("net", 0, 19), -1) << "a match must lie within the range";
  EXPECT_EQ(page.FindText("", 0, length), -1);
  page.SetSelStart(5);
  EXPECT_EQ(page.SelStart(), 5);

  page.SetLines({"abab"});
  EXPECT_EQ(page.FindText("AB", 0, 4), 0);
  EXPECT_EQ(page.FindText("ab", 3, 1), -1);
  page.SetLines({"Größe", "ÄRGER"});
  EXPECT_EQ(page.TextLength(), 11);
  EXPECT_EQ(page.FindText("RGER", 0, 11), 7);
}

// --- Modal forms ---------------------------------------------------------------------------

TEST_P(UiConformance, ButtonsKeysAndTheCloseBoxEndTheModalShowWithTheirResults) {
  Dialog dialog(kit(), "TEditline", t->events);
  EXPECT_EQ(user().ShowModal(*dialog.form,
                             [&] {
                               EXPECT_TRUE(dialog.form->IsModal());
                               EXPECT_EQ(dialog.form->ActiveControl(), dialog.edit)
                                   << "the first tab stop";
                               user().Type(*dialog.form, "new");
                               user().Press(*dialog.form, vk::Return, {});
                             }),
            mr::Ok);
  EXPECT_EQ(dialog.edit->Text(), "new");
  EXPECT_FALSE(dialog.form->Visible());
  EXPECT_FALSE(dialog.form->IsModal());
  EXPECT_EQ(Seen(), (Events{"TEditline shown", "TEditline closed"}));

  dialog.other->onClick = [&] { dialog.form->Close(); };
  Form& f = *dialog.form;
  const std::pair<std::function<void()>, int> ways[] = {
      {[&] { user().Press(f, vk::Escape, {}); }, mr::Cancel},
      {[&] { user().Click(f, *dialog.cancel); }, mr::Cancel},
      {[&] { user().Click(f, *dialog.close); }, mr::Cancel},
      {[&] { user().Click(f, *dialog.other); }, mr::Cancel},
      {[&] { user().CloseBox(f); }, mr::Cancel},
      {[&] { user().Click(f, *dialog.retry); }, mr::Retry},
      {[&] {
         dialog.other->onClick = nullptr;
         user().Click(f, *dialog.other);
         EXPECT_TRUE(f.IsModal()) << "a plain button sets no result";
         f.SetModalResult(mr::Yes);
       },
       mr::Yes},
  };
  for (const auto& [way, result] : ways) {
    EXPECT_EQ(user().ShowModal(f, way), result);
    EXPECT_EQ(f.ModalResult(), result);
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(Seen(), (Events{"TEditline shown", "TEditline closed"}))
        << "every closing runs onClose once";
  }
}

TEST_P(UiConformance, AModalFormOpensAnotherAndEachReturnsItsResult) {
  Dialog outer(kit(), "TOuter", t->events), inner(kit(), "TInner", t->events);
  int innerResult = 0;
  outer.other->onClick = [&] {
    innerResult = user().ShowModal(*inner.form, [&] { user().Click(*inner.form, *inner.ok); });
  };
  EXPECT_EQ(user().ShowModal(*outer.form,
                             [&] {
                               user().Click(*outer.form, *outer.other);
                               EXPECT_TRUE(outer.form->IsModal())
                                   << "the inner dialog's OK ends only the inner dialog";
                               user().Click(*outer.form, *outer.cancel);
                             }),
            mr::Cancel);
  EXPECT_EQ(innerResult, mr::Ok);
  EXPECT_EQ(Seen(), (Events{"TOuter shown", "TInner shown", "TInner closed", "TOuter closed"}));
}

TEST_P(UiConformance, ClosingTheMainFormEndsTheEventLoop) {
  FormSpec spec{"LoopMain", "TLoopMain", "Loop main", 200, 80};
  spec.isMainForm = true;
  auto main = kit().CreateForm(spec);
  int closings = 0;
  main->onClose = [&] { ++closings; };
  bool shown = false;
  user().Run(*main, [&] {
    shown = main->Visible();
    t->form->Close();
    EXPECT_FALSE(kit().Terminated()) << "only the main form ends it";
    user().CloseBox(*main);
  });
  EXPECT_TRUE(shown);
  EXPECT_TRUE(kit().Terminated());
  EXPECT_EQ(closings, 1);
  EXPECT_FALSE(main->Visible());
}

// --- Message boxes -------------------------------------------------------------------------

TEST_P(UiConformance, MessageBoxesShowTextCaptionButtonsAndIconAsAsked) {
  int answer = 0;
  EXPECT_EQ(user().Boxes(
                [&] {
                  answer = kit().MessageBox(t->form.get(), "Are you sure to delete this entry?",
                                            "Attention!", mb::OkCancel | mb::IconWarning);
                },
                mb::IdCancel),
            (std::vector<SeenBox>{{"Are you sure to delete this entry?", "Attention!", 0x31}}));
  EXPECT_EQ(answer, mb::IdCancel);
  EXPECT_EQ(user().Boxes(
                [&] {
                  answer = kit().MessageBox(nullptr, "Save changes?", "Attention!",
                                            mb::YesNo | mb::IconInfo);
                },
                mb::IdYes),
            (std::vector<SeenBox>{{"Save changes?", "Attention!", 0x44}}));
  EXPECT_EQ(answer, mb::IdYes);
}

TEST_P(UiConformance, AnErrorEscapingAHandlerIsShownInAnErrorBoxAndTheProgramGoesOn) {
  kit().SetTitle("Tarnix UI test");
  bool after = false;
  t->confirm->onClick = [&] {
    throw std::runtime_error("Error with writing to registry.");
    after = true;
  };
  EXPECT_EQ(user().Boxes([&] { Click(*t->confirm); }, mb::IdOk),
            (std::vector<SeenBox>{{"Error with writing to registry.", "Tarnix UI test", 0x10}}));
  EXPECT_FALSE(after);
  Seen();
  Click(*t->cancel);
  EXPECT_EQ(Seen().back(), "btCanc");
}

}  // namespace
}  // namespace tarnix::ui::testing
