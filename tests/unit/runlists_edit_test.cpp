// Delete, edit and add on the run lists: the question, the registry write, the list line and
// the undo step each command leaves, and what a key that cannot be written does to them.
#include "unit/runlists_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kRefused[] =
    "Error with writing to registry. Possibly, write access denied to "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class RunEditTest : public RunListsTest {};

TEST_F(RunEditTest, DeleteAsksThenRemovesTheValueTheLineAndRecordsTheOldCommand) {
  WhileRunning([&] { DeleteLine(2, 0); });
  const MessageRecord* question = Shown("Are you sure delete Mail ?");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->caption, "Attention!");
  EXPECT_EQ(question->style, ui::mb::OkCancel | ui::mb::IconWarning);
  EXPECT_EQ(UserRun("Mail"), std::nullopt);
  EXPECT_EQ(List(2).Count(), 0);
  const std::string step = "0 05.12.2026 16:35:34 2 Mail";
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StoredSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StepCommand(step), (RegValue{regtype::String, "mail.exe /q"}));
}

TEST_F(RunEditTest, DeleteDoesNothingWhenCancelledUnselectedOrUnfocused) {
  WhileRunning([&] {
    toolkit.TakeMessages();
    Select(List(2), 0);
    toolkit.AnswerNextMessageBox(ui::mb::IdCancel);
    Click(*Main().ToolButton1);
    Focus(List(0));
    Focus(List(2));  // the selection went when the list lost the focus
    PressKey(MainForm(), ui::vk::Delete);
    SelectPage(*Main().PageControl1, 1);
    Focus(*Main().load);
    Click(*Main().ToolButton1);
  });
  EXPECT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_TRUE(UserRun("Mail").has_value());
  EXPECT_EQ(List(2).Items(), std::vector<std::string>{"Mail"});
  EXPECT_TRUE(StoredSteps().empty());
}

TEST_F(RunEditTest, ThePopupDeleteAfterARightClickOnAListWithoutSelectionDoesNothing) {
  WhileRunning([&] {
    toolkit.TakeMessages();
    Select(List(2), 0);
    MouseDown(List(0), ui::MouseButton::Right);
    Click(FindMenuItem(MainForm(), "Delete1"));
  });
  EXPECT_TRUE(toolkit.Messages().empty());
  EXPECT_TRUE(Run(Root::LocalMachine, "Tray").has_value());
  EXPECT_TRUE(UserRun("Mail").has_value());
}

TEST_F(RunEditTest, DeleteOfAValueThatCannotBeRemovedKeepsTheLineAndRecordsNothing) {
  store.RefuseWrite(Root::LocalMachine, kRunKey);
  WhileRunning([&] { DeleteLine(0, 0); });
  const MessageRecord* error = Shown(kRefused);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->caption, "Error!");
  EXPECT_EQ(error->style, ui::mb::IconStop);
  EXPECT_TRUE(Run(Root::LocalMachine, "Tray").has_value());
  EXPECT_EQ(List(0).Items(), std::vector<std::string>{"Tray"});
  EXPECT_TRUE(StoredSteps().empty());
  EXPECT_TRUE(RecentSteps().empty());
}

TEST_F(RunEditTest, DeleteOnAKeyThatCannotBeOpenedKeepsTheLine) {
  WhileRunning([&] {
    store.RefuseOpen(Root::LocalMachine, kRunKey);
    DeleteLine(0, 0);
  });
  EXPECT_TRUE(WasShown(kRefused));
  EXPECT_EQ(List(0).Items(), std::vector<std::string>{"Tray"});
  EXPECT_TRUE(StoredSteps().empty());
}

TEST_F(RunEditTest, DeletedValuesOfEveryTypeAreJournalledWithTheirType) {
  const RegValue expandable{regtype::ExpandString, "%ProgramFiles%\\a.exe"};
  const RegValue number{regtype::Dword, std::string("\x2a\0\0\0", 4)};
  store.SetValue(Root::CurrentUser, kRunKey, "Expand", expandable);
  store.SetValue(Root::CurrentUser, kRunKey, "Number", number);
  WhileRunning([&] {
    DeleteLine(2, 2);
    DeleteLine(2, 1);
  });
  ASSERT_EQ(RecentSteps().size(), 2u);
  EXPECT_EQ(StepCommand(RecentSteps()[0]), number);
  EXPECT_EQ(StepCommand(RecentSteps()[1]), expandable);
  EXPECT_EQ(List(2).Items(), std::vector<std::string>{"Mail"});
}

TEST_F(RunEditTest, DeletingALineWhoseValueIsAlreadyGoneRecordsNoStep) {
  WhileRunning([&] {
    EXPECT_TRUE(store.DeleteKey(Root::CurrentUser, kRunKey));
    store.SetString(Root::CurrentUser, kRunKey, "Other", "o.exe");
    DeleteLine(2, 0);
  });
  EXPECT_EQ(List(2).Count(), 0);
  EXPECT_TRUE(StoredSteps().empty());
  EXPECT_TRUE(UserRun("Other").has_value());
}

TEST_F(RunEditTest, DeletingALineWhoseRunKeyIsGoneRemovesItWithoutErrorOrStep) {
  WhileRunning([&] {
    EXPECT_TRUE(store.DeleteKey(Root::LocalMachine, kRunKey));
    toolkit.TakeMessages();
    DeleteLine(0, 0);
  });
  EXPECT_EQ(List(0).Count(), 0);
  EXPECT_EQ(toolkit.Messages().size(), 1u);  // the question alone
  EXPECT_TRUE(StoredSteps().empty());
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kRunKey));
}

TEST_F(RunEditTest, EnterOpensTheEditorWithTheNameDisabledAndOkWritesAChangedStep) {
  WhileRunning([&] {
    Select(List(2), 0);
    OnEdit([](TEditStr& d) {
      EXPECT_EQ(d.form->Caption(), "Edit");
      EXPECT_EQ(d.strname->Text(), "Mail");
      EXPECT_FALSE(d.strname->Enabled());
      EXPECT_EQ(d.strval->Text(), "mail.exe /q");
      EXPECT_EQ(d.shownCommand, "mail.exe /q");
      EXPECT_TRUE(d.Button1->Focused());
      PressKey(*d.form, ui::vk::Tab);
      d.strval->SetSelStart(11);
      TypeText(*d.form, " /new");
      Click(*d.btOk);
    });
    PressKey(MainForm(), ui::vk::Return);
  });
  EXPECT_EQ(UserRun("Mail"), (RegValue{regtype::String, "mail.exe /q /new"}));
  EXPECT_EQ(List(2).Items(), std::vector<std::string>{"Mail"});
  const std::string step = "1 05.12.2026 16:35:34 2 Mail";
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StepCommand(step), (RegValue{regtype::String, "mail.exe /q"}));
}

TEST_F(RunEditTest, OkWithTheShownTextWritesButRecordsNoStep) {
  WhileRunning([&] {
    EditLine(2, 0, "other.exe");
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "outside.exe");
    Select(List(2), 0);
    OnEdit([](TEditStr& d) {
      d.strval->SetText("changed.exe");
      d.strval->SetText("outside.exe");
      Click(*d.btOk);
    });
    Click(*Main().ToolButton2);
  });
  EXPECT_EQ(UserRun("Mail")->data, "outside.exe");
  EXPECT_EQ(RecentSteps().size(), 1u);
}

TEST_F(RunEditTest, CancelAndEscWriteNothing) {
  WhileRunning([&] {
    Select(List(2), 0);
    OnEdit([](TEditStr& d) {
      Focus(*d.strval);
      d.strval->SetText("x.exe");
      Click(*d.btCanc);
    });
    Click(FindMenuItem(MainForm(), "Change1"));
    Select(List(2), 0);
    OnEdit([](TEditStr& d) {
      EXPECT_TRUE(d.Button1->Focused());  // not where the last showing left it
      Focus(*d.strval);
      d.strval->SetText("y.exe");
      PressKey(*d.form, ui::vk::Escape);
      EXPECT_FALSE(d.form->Visible());
    });
    PressKey(MainForm(), ui::vk::Return);
  });
  EXPECT_EQ(UserRun("Mail")->data, "mail.exe /q");
  EXPECT_TRUE(StoredSteps().empty());
}

TEST_F(RunEditTest, BrowseReplacesTheWholeCommand) {
  toolkit.QueueOpenFile(std::string("C:\\New\\new.exe"));
  WhileRunning([&] {
    Select(List(2), 0);
    OnEdit([](TEditStr& d) {
      Click(*d.Button1);
      EXPECT_EQ(d.strval->Text(), "C:\\New\\new.exe");
      Click(*d.btOk);
    });
    PressKey(MainForm(), ui::vk::Return);
  });
  ASSERT_EQ(toolkit.FileDialogs().size(), 1u);
  EXPECT_FALSE(toolkit.FileDialogs()[0].save);
  EXPECT_EQ(toolkit.FileDialogs()[0].spec.filter, "exe|*.exe|all files|*.*");
  EXPECT_EQ(toolkit.FileDialogs()[0].spec.defaultExtension, "exe");
  EXPECT_EQ(UserRun("Mail")->data, "C:\\New\\new.exe");
}

TEST_F(RunEditTest, AnExpandableCommandStaysExpandableThroughTheEditAndItsStep) {
  store.SetValue(Root::CurrentUser, kRunKey, "Mail", {regtype::ExpandString, "%WINDIR%\\m.exe"});
  WhileRunning([&] { EditLine(2, 0, "%WINDIR%\\n.exe"); });
  EXPECT_EQ(UserRun("Mail"), (RegValue{regtype::ExpandString, "%WINDIR%\\n.exe"}));
  EXPECT_EQ(StepCommand(RecentSteps().at(0)), (RegValue{regtype::ExpandString, "%WINDIR%\\m.exe"}));
}

TEST_F(RunEditTest, EditOnAKeyThatCannotBeWrittenShowsAnErrorAndRecordsNothing) {
  store.RefuseWrite(Root::LocalMachine, kRunKey);
  WhileRunning([&] { EditLine(0, 0, "other.exe"); });
  EXPECT_TRUE(WasShown(kRefused));
  EXPECT_EQ(Run(Root::LocalMachine, "Tray")->data, "C:\\Tools\\tray.exe");
  EXPECT_TRUE(StoredSteps().empty());
}

TEST_F(RunEditTest, TheUsersOwnListNeedsNoAdministratorSoTheErrorOffersNone) {
  store.RefuseWrite(Root::CurrentUser, kRunKey);
  WhileRunning([&] { EditLine(2, 0, "other.exe"); });
  EXPECT_TRUE(
      WasShown("Error with writing to registry. Possibly, write access denied to "
               "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"));
  EXPECT_EQ(UserRun("Mail")->data, "mail.exe /q");
}

TEST_F(RunEditTest, EditingAValueThatIsNotAStringStopsWithTheTypeError) {
  store.SetValue(Root::CurrentUser, kRunKey, "Mail", {regtype::Dword, std::string(4, '\1')});
  WhileRunning([&] {
    Select(List(2), 0);
    PressKey(MainForm(), ui::vk::Return);
  });
  EXPECT_TRUE(WasShown("Invalid data type for 'Mail'"));
  EXPECT_TRUE(StoredSteps().empty());
}

TEST_F(RunEditTest, DoubleClickEditsThatListAndMakesItTheOneAddWritesTo) {
  WhileRunning([&] {
    Select(List(1), 0);
    OnEditType("spool2.exe");
    DoubleClick(List(1));
    SelectPage(*Main().PageControl1, 1);
    Focus(*Main().load);
    OnAddEntry("Late", "late.exe");
    Click(*Main().ToolButton3);
  });
  EXPECT_EQ(store.Value(Root::LocalMachine, kRunServicesKey, "Spooler")->data, "spool2.exe");
  EXPECT_EQ(store.Value(Root::LocalMachine, kRunServicesKey, "Late")->data, "late.exe");
  EXPECT_EQ(List(1).Items(), (std::vector<std::string>{"Spooler", "Late"}));
}

TEST_F(RunEditTest, ADoubleClickWithoutASelectedLineChangesNoCurrentList) {
  WhileRunning([&] {
    DoubleClick(List(2));
    SelectPage(*Main().PageControl1, 1);
    Focus(*Main().load);
    OnAddEntry("Where", "w.exe");
    Click(*Main().ToolButton3);
  });
  EXPECT_TRUE(Run(Root::LocalMachine, "Where").has_value());
  EXPECT_FALSE(UserRun("Where").has_value());
}

TEST_F(RunEditTest, AddWithoutAFocusedListGoesToTheMachineRunListFirst) {
  WhileRunning([&] {
    SelectPage(*Main().PageControl1, 1);
    Focus(*Main().load);
    OnAddEntry("First", "first.exe");
    Click(*Main().ToolButton3);
  });
  EXPECT_EQ(Run(Root::LocalMachine, "First")->data, "first.exe");
  EXPECT_EQ(List(0).Items(), (std::vector<std::string>{"Tray", "First"}));
}

TEST_F(RunEditTest, InsAddsALineTheValueAndAnAddedStepAndTheNextAddStartsBlank) {
  WhileRunning([&] {
    Focus(List(2));
    OnAdd([](Taddform& d) {
      EXPECT_EQ(d.form->Caption(), "Add");
      EXPECT_TRUE(d.Button1->Focused());
      d.program->SetText("C:\\a b\\new.exe /x");
      d.Name->SetText("New one");
      Click(*d.Button2);
    });
    PressKey(MainForm(), ui::vk::Insert);
    OnAdd([](Taddform& d) {
      EXPECT_EQ(d.Name->Text(), "");
      EXPECT_EQ(d.program->Text(), "");
      Click(*d.Button3);
    });
    PressKey(MainForm(), ui::vk::Insert);
  });
  EXPECT_EQ(UserRun("New one"), (RegValue{regtype::String, "C:\\a b\\new.exe /x"}));
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"Mail", "New one"}));
  const std::string step = "2 05.12.2026 16:35:34 2 New one";
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StepCommand(step)->data, "C:\\a b\\new.exe /x");
}

TEST_F(RunEditTest, AddWithAnEmptyBoxStaysOpenAndWritesNothing) {
  WhileRunning([&] {
    Focus(List(2));
    OnAdd([](Taddform& d) {
      d.Name->SetText("Only a name");
      Click(*d.Button2);
      EXPECT_TRUE(d.form->Visible());
      d.Name->SetText("");
      d.program->SetText(" ");
      Click(*d.Button2);
      EXPECT_TRUE(d.form->Visible());
      PressKey(*d.form, ui::vk::Escape);
      EXPECT_FALSE(d.form->Visible());
    });
    PressKey(MainForm(), ui::vk::Insert);
  });
  EXPECT_EQ(List(2).Count(), 1);
  EXPECT_TRUE(StoredSteps().empty());
  EXPECT_EQ(program->addform.program->Text(), "");
}

TEST_F(RunEditTest, AddOverAnExistingNameRecordsTheOldCommandAsAChange) {
  store.SetValue(Root::CurrentUser, kRunKey, "Mail", {regtype::ExpandString, "%A%\\mail.exe"});
  WhileRunning([&] {
    Focus(List(2));
    OnAddEntry("mail", "new.exe");
    PressKey(MainForm(), ui::vk::Insert);
  });
  EXPECT_EQ(UserRun("Mail")->data, "new.exe");
  // One entry, under the name the key keeps.
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"Mail"}));
  const std::string step = "1 05.12.2026 16:35:34 2 mail";
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{step});
  EXPECT_EQ(StepCommand(step), (RegValue{regtype::ExpandString, "%A%\\mail.exe"}));
}

TEST_F(RunEditTest, AddOnAKeyThatCannotBeWrittenShowsAnErrorAndAddsNoLine) {
  store.RefuseWrite(Root::LocalMachine, kRunKey);
  WhileRunning([&] {
    Focus(List(0));
    OnAdd([](Taddform& d) {
      d.Name->SetText("Denied");
      d.program->SetText("d.exe");
      Click(*d.Button2);
      EXPECT_TRUE(d.form->Visible());
      Click(*d.Button3);
    });
    PressKey(MainForm(), ui::vk::Insert);
  });
  EXPECT_TRUE(WasShown(kRefused));
  EXPECT_EQ(List(0).Items(), std::vector<std::string>{"Tray"});
  EXPECT_FALSE(Run(Root::LocalMachine, "Denied").has_value());
  EXPECT_TRUE(StoredSteps().empty());
}

TEST_F(RunEditTest, AStepThatCannotBeRecordedLeavesTheChangeMade) {
  store.RefuseOpen(Root::CurrentUser, kJournal);
  WhileRunning([&] { DeleteLine(2, 0); });
  EXPECT_FALSE(UserRun("Mail").has_value());
  EXPECT_EQ(List(2).Count(), 0);
  EXPECT_TRUE(RecentSteps().empty());
}

TEST(AddFormTest, GroupModeWritesNothingKeepsItsTextsAndReportsHowItClosed) {
  ui::headless::HeadlessToolkit toolkit;
  Taddform dialog(toolkit);
  toolkit.OnModal("addform", [&](ui::Form&) {
    dialog.program->SetText("C:\\p.exe");
    dialog.Name->SetText("Shortcut");
    Click(*dialog.Button2);
  });
  EXPECT_TRUE(dialog.ShowForGroup());
  EXPECT_TRUE(dialog.groupMode);
  toolkit.OnModal("addform", [&](ui::Form&) {
    EXPECT_EQ(dialog.Name->Text(), "Shortcut");
    Click(*dialog.Button3);
  });
  EXPECT_FALSE(dialog.ShowForGroup());
  EXPECT_EQ(dialog.program->Text(), "C:\\p.exe");
}

TEST(AddFormTest, BrowseFillsTheProgramBox) {
  ui::headless::HeadlessToolkit toolkit;
  Taddform dialog(toolkit);
  toolkit.QueueOpenFile(std::string("C:\\x.exe"));
  toolkit.QueueOpenFile(std::nullopt);
  toolkit.OnModal("addform", [&](ui::Form&) {
    Click(*dialog.Button1);
    Click(*dialog.Button1);
    EXPECT_EQ(dialog.program->Text(), "C:\\x.exe");
    CloseBox(*dialog.form);
  });
  EXPECT_FALSE(dialog.ShowForGroup());
  EXPECT_EQ(toolkit.FileDialogs().at(0).spec.filter, "exe|*.exe|all files|*.*");
}

}  // namespace
}  // namespace tarnix
