// Delete, edit, add and undo on the run lists: question, registry write, list line and step.
#include "unit/runlists_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class RunEditTest : public RunListsTest {};

// Only OK on the focused list's selected line deletes; the step keeps the value's type.
TEST_F(RunEditTest, DeleteAsksThenRemovesTheValueTheLineAndRecordsTheOldValue) {
  const RegValue number{regtype::Dword, std::string("\x2a\0\0\0", 4)};
  store.SetValue(Root::CurrentUser, kRunKey, "Number", number);
  toolkit.AnswerNextMessageBox(ui::mb::IdCancel);
  DeleteRunEntry(ws(), 2, "Mail");
  List(2).SetItemIndex(0);
  Main().Delete1Click();  // no run list has the focus
  Focus(List(2));
  List(2).SetItemIndex(-1);
  Main().Delete1Click();
  EXPECT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_TRUE(StoredSteps().empty());
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"Mail", "Number"}));
  EXPECT_TRUE(UserRun("Mail").has_value());
  Delete(2, "Mail");
  Delete(2, "Number");
  EXPECT_TRUE(
      Showed("Are you sure delete Mail ?", "Attention!", ui::mb::OkCancel | ui::mb::IconWarning));
  EXPECT_EQ(UserRun("Mail"), std::nullopt);
  EXPECT_EQ(List(2).Count(), 0);
  const std::string step = "0 05.12.2026 16:35:34 2 Mail";
  EXPECT_EQ(RecentSteps(), (std::vector<std::string>{step, "0 05.12.2026 16:35:34 2 Number"}));
  EXPECT_EQ(StoredSteps(), RecentSteps());
  EXPECT_EQ(StepCommand(step), (RegValue{regtype::String, "mail.exe /q"}));
  EXPECT_EQ(StepCommand(RecentSteps()[1]), number);
}

// The value's type is kept through the edit and in its step.
TEST_F(RunEditTest, EditShowsTheEntryWithTheNameDisabledAndOkWritesAChangedStep) {
  store.SetValue(Root::CurrentUser, kRunKey, "Mail", {regtype::ExpandString, "%A%\\mail.exe"});
  Edit(2, "Mail", [](TEditStr& d) {
    EXPECT_EQ(d.strname->Text(), "Mail");
    EXPECT_FALSE(d.strname->Enabled());
    EXPECT_EQ(d.strval->Text(), "%A%\\mail.exe");
    EXPECT_TRUE(d.Button1->Focused());
    PressKey(*d.form, ui::vk::Tab);
    d.strval->SetSelStart(13);
    TypeText(*d.form, " /new");
    Click(*d.btOk);
  });
  EXPECT_EQ(UserRun("Mail"), (RegValue{regtype::ExpandString, "%A%\\mail.exe /new"}));
  EXPECT_EQ(List(2).Items(), std::vector<std::string>{"Mail"});
  const std::string step = "1 05.12.2026 16:35:34 2 Mail";
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StepCommand(step), (RegValue{regtype::ExpandString, "%A%\\mail.exe"}));
}

// Browse replaces the whole command; OK on what another program left records no step.
TEST_F(RunEditTest, CancelEscAndOkWithTheShownTextRecordNoStep) {
  toolkit.QueueOpenFile(std::string("C:\\New\\new.exe"));
  Edit(2, "Mail", [](TEditStr& d) {
    Focus(*d.strval);
    Click(*d.Button1);
    EXPECT_EQ(d.strval->Text(), "C:\\New\\new.exe");
    Click(*d.btCanc);
  });
  Edit(2, "Mail", [](TEditStr& d) {
    EXPECT_TRUE(d.Button1->Focused());  // not where the last showing left it
    Focus(*d.strval);
    d.strval->SetText("y.exe");
    PressKey(*d.form, ui::vk::Escape);
    EXPECT_FALSE(d.form->Visible());
  });
  EXPECT_EQ(UserRun("Mail")->data, "mail.exe /q");
  store.SetString(Root::CurrentUser, kRunKey, "Mail", "outside.exe");
  Edit(2, "Mail", [](TEditStr& d) {
    d.strval->SetText("changed.exe");
    d.strval->SetText("outside.exe");
    Click(*d.btOk);
  });
  EXPECT_EQ(UserRun("Mail")->data, "outside.exe");
  EXPECT_TRUE(StoredSteps().empty());
  ASSERT_EQ(toolkit.FileDialogs().size(), 1u);
  EXPECT_FALSE(toolkit.FileDialogs()[0].save);
}

// An edit makes its list Add's target; a double click on no line edits nothing.
TEST_F(RunEditTest, AddWithoutAFocusedListWritesToTheListLastEditedFirstTheMachineList) {
  AnswerAdd("First", "first.exe");
  ws();
  Main().Add1Click();
  Edit(1, "Spooler", "spool2.exe");
  List(2).SetItemIndex(-1);
  Main().ListBox3DblClick();
  AnswerAdd("Late", "late.exe");
  Main().Add1Click();
  EXPECT_EQ(List(0).Items(), (std::vector<std::string>{"Tray", "First"}));
  EXPECT_EQ(store.Value(Root::LocalMachine, kRunServicesKey, "Spooler")->data, "spool2.exe");
  EXPECT_EQ(store.Value(Root::LocalMachine, kRunServicesKey, "Late")->data, "late.exe");
  EXPECT_EQ(List(1).Items(), (std::vector<std::string>{"Spooler", "Late"}));
}

// An empty box keeps the dialog open; every close empties both boxes.
TEST_F(RunEditTest, AddWritesTheValueALineAndAnAddedStepAndTheNextAddStartsBlank) {
  Add(2, [](Taddform& d) {
    EXPECT_TRUE(d.Button1->Focused());
    d.Name->SetText("New one");
    Click(*d.Button2);
    EXPECT_TRUE(d.form->Visible());
    d.Name->SetText("");
    d.program->SetText("C:\\a b\\new.exe /x");
    Click(*d.Button2);
    EXPECT_TRUE(d.form->Visible());
    d.Name->SetText("New one");
    Click(*d.Button2);
  });
  Add(2, [](Taddform& d) {
    EXPECT_EQ(d.Name->Text(), "");
    EXPECT_EQ(d.program->Text(), "");
    d.program->SetText("x.exe");
    PressKey(*d.form, ui::vk::Escape);
    EXPECT_FALSE(d.form->Visible());
  });
  EXPECT_EQ(UserRun("New one"), (RegValue{regtype::String, "C:\\a b\\new.exe /x"}));
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"Mail", "New one"}));
  const std::string step = "2 05.12.2026 16:35:34 2 New one";
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StepCommand(step)->data, "C:\\a b\\new.exe /x");
  EXPECT_EQ(program->addform.program->Text(), "");
}

TEST_F(RunEditTest, AddOverAnExistingNameRecordsTheOldCommandAsAChange) {
  store.SetValue(Root::CurrentUser, kRunKey, "Mail", {regtype::ExpandString, "%A%\\mail.exe"});
  Add(2, "mail", "new.exe");
  EXPECT_EQ(UserRun("Mail")->data, "new.exe");
  // One entry, under the name the key keeps.
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"Mail"}));
  const std::string step = "1 05.12.2026 16:35:34 2 mail";
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StepCommand(step), (RegValue{regtype::ExpandString, "%A%\\mail.exe"}));
}

TEST(AddFormTest, GroupModeWritesNothingKeepsItsTextsAndReportsHowItClosed) {
  ui::headless::HeadlessToolkit toolkit;
  Taddform dialog(toolkit);
  toolkit.QueueOpenFile(std::string("C:\\p.exe"));
  toolkit.QueueOpenFile(std::nullopt);
  toolkit.OnModal("addform", [&](ui::Form&) {
    Click(*dialog.Button1);
    Click(*dialog.Button1);  // a cancelled browse leaves the box alone
    dialog.Name->SetText("Shortcut");
    Click(*dialog.Button2);
  });
  EXPECT_TRUE(dialog.ShowForGroup());
  EXPECT_TRUE(dialog.groupMode);
  toolkit.OnModal("addform", [&](ui::Form& form) { CloseBox(form); });
  EXPECT_FALSE(dialog.ShowForGroup());
  EXPECT_EQ(dialog.program->Text(), "C:\\p.exe");
  EXPECT_EQ(dialog.Name->Text(), "Shortcut");
}

class UndoTest : public RunListsTest {
 protected:
  void Seed(const std::string& step, const RegValue& command) {
    store.SetValue(Root::CurrentUser, std::string(kJournal) + "\\" + step, "Command", command);
  }
};

// Without steps the list of this run's steps still shows; that of the stored ones does not.
TEST_F(UndoTest, WithoutStepsTheRecentListAsksForARowAndTheStoredOnesSayNothingToUndo) {
  Undo([](Tundolist& d) {
    Click(*d.Button1);
    EXPECT_TRUE(d.form->Visible());
    Click(*d.Button2);
  });
  ASSERT_EQ(undoLines.size(), 1u);
  EXPECT_TRUE(undoLines[0].empty());
  UndoStoredStep(ws(), program->undolist);  // an unscripted dialog would throw
  ASSERT_EQ(toolkit.Messages().size(), 2u);
  EXPECT_TRUE(Showed("The row not selected", "Attention!", ui::mb::IconInfo));
  EXPECT_TRUE(
      Showed("Nothing to undo! Not found undo data in registry!", "Sorry!", ui::mb::IconInfo));
}

// An edit of a value deleted since loading made it anew, so its step is an addition too.
TEST_F(UndoTest, UndoingAnAddDeletesTheValue) {
  Add(0, "New", "new.exe");
  EXPECT_TRUE(store.OpenKey(Root::CurrentUser, kRunKey, false)->DeleteValue("Mail"));
  Edit(2, "Mail", "back.exe");
  Undo(0);
  Undo(0);
  EXPECT_EQ(undoLines.at(0),
            (std::vector<std::string>{"Added       05.12.2026 16:35:34 HKCU\\...\\Run\\Mail",
                                      "Added       05.12.2026 16:35:34 HKLM\\...\\Run\\New"}));
  EXPECT_FALSE(UserRun("Mail").has_value());
  EXPECT_FALSE(store.Value(Root::LocalMachine, kRunKey, "New").has_value());
  EXPECT_EQ(List(0).Items(), std::vector<std::string>{"Tray"});
}

// Stored steps list newest first, this run's only its own; an undone one leaves both lists.
TEST_F(UndoTest, StoredStepsOfEveryRunAreOfferedInReverseStoreOrder) {
  store.SetValueOrder(ValueOrder::Sorted);
  Seed("2 01.01.2020 10:00:00 0 A", {regtype::String, "a.exe"});
  Seed("0 01.01.2020 10:00:00 2 B", {regtype::String, "b.exe"});
  store.SetString(Root::LocalMachine, kRunKey, "A", "a.exe");
  Delete(2, "Mail");
  Undo(2, true);
  Undo(1, true);
  Undo(-1);
  EXPECT_EQ(undoLines.at(0),
            (std::vector<std::string>{"Added       01.01.2020 10:00:00 HKLM\\...\\Run\\A",
                                      "Deleted     05.12.2026 16:35:34 HKCU\\...\\Run\\Mail",
                                      "Deleted     01.01.2020 10:00:00 HKCU\\...\\Run\\B"}));
  EXPECT_TRUE(undoLines.at(2).empty());
  EXPECT_TRUE(store.Value(Root::LocalMachine, kRunKey, "A").has_value());
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"B", "Mail"}));
  EXPECT_EQ(StoredSteps(), std::vector<std::string>{"2 01.01.2020 10:00:00 0 A"});
}

TEST_F(UndoTest, AVanishedStepOrOneWithoutCommandWritesNothingAndRefreshesNothing) {
  store.SetString(Root::CurrentUser, std::string(kJournal) + "\\0 01.01.2020 10:00:00 2 NoCommand",
                  "Other", "x");
  Delete(2, "Mail");
  EXPECT_TRUE(
      store.DeleteKey(Root::CurrentUser, std::string(kJournal) + "\\" + RecentSteps().at(0)));
  toolkit.TakeMessages();
  Undo(0);
  Undo(0, true);
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 2u);
  for (const MessageRecord& box : shown) {
    EXPECT_EQ(box.text, "Nothing to undo! Undo data not found in registry");
    EXPECT_EQ(box.caption, "Sorry!");
    EXPECT_EQ(box.style, ui::mb::IconStop);
  }
  EXPECT_FALSE(UserRun("Mail").has_value());
  EXPECT_FALSE(UserRun("NoCommand").has_value());
  EXPECT_EQ(StoredSteps(), std::vector<std::string>{"0 01.01.2020 10:00:00 2 NoCommand"});
}

TEST_F(UndoTest, AStepNamingNoRunListIsKeptAndTheListsAreRefreshed) {
  Seed("0 01.01.2020 10:00:00 X X", {regtype::String, "x.exe"});
  ws();
  store.SetString(Root::CurrentUser, kRunKey, "Outside", "o.exe");
  Undo(0, true);
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_TRUE(Showed("Internal error (number key >2)! Send message to author!", "Error!",
                     ui::mb::IconStop));
  EXPECT_EQ(StoredSteps().size(), 1u);
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"Mail", "Outside"}));
}

// The value comes back with its type, into a run key made again if it was removed since.
TEST_F(UndoTest, AnEntryNameWithABackslashIsOneStepAndComesBack) {
  const RegValue command{regtype::ExpandString, "%A%\\t.exe"};
  store.SetValue(Root::CurrentUser, kRunKey, "Dir\\Tool", command);
  Delete(2, "Dir\\Tool");
  EXPECT_TRUE(store.DeleteKey(Root::CurrentUser, kRunKey));
  Undo(0, true);
  EXPECT_EQ(undoLines.at(0),
            std::vector<std::string>{"Deleted     05.12.2026 16:35:34 HKCU\\...\\Run\\Dir\\Tool"});
  EXPECT_EQ(UserRun("Dir\\Tool"), command);
  EXPECT_EQ(List(2).Items(), std::vector<std::string>{"Dir\\Tool"});
  EXPECT_TRUE(RecentSteps().empty());
  EXPECT_TRUE(StoredSteps().empty());
}

}  // namespace
}  // namespace tarnix
