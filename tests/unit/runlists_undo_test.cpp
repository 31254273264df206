// The undo journal: the step names and display lines, undoing from this run (Ctrl+Z) and from
// any run (Ctrl+R), and every message of the failure table.
#include "runlists/undo_journal.h"
#include "sources/undo_step.h"
#include "unit/runlists_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

TEST(UndoStepTest, TheFieldsStandAtTheirPositions) {
  const std::string name = StepName(StepKind::Changed, {2026, 12, 5, 16, 35, 34}, 0, "MyApp");
  EXPECT_EQ(name, "1 05.12.2026 16:35:34 0 MyApp");
  EXPECT_EQ(name.size(), 29u);
  EXPECT_EQ(StepName(StepKind::Deleted, {2001, 1, 2, 3, 4, 5}, 2, "x"),
            "0 02.01.2001 03:04:05 2 x");
  EXPECT_EQ(StepName(StepKind::Added, {2001, 1, 2, 23, 59, 9}, 1, ""), "2 02.01.2001 23:59:09 1 ");
}

TEST(UndoStepTest, BackslashAndPercentAreEncodedReversibly) {
  const std::string name = StepName(StepKind::Deleted, {2026, 12, 5, 1, 2, 3}, 2, "a\\b%5C c%25\\");
  EXPECT_EQ(name.find('\\'), std::string::npos);
  EXPECT_EQ(StepEntryName(name), "a\\b%5C c%25\\");
  EXPECT_EQ(StepEntryName("0 05.12.2026 16:35:34 2 plain name"), "plain name");
  EXPECT_EQ(StepEntryName("short"), "");
}

TEST(UndoStepTest, DisplayLinesLabelKindAndRunKeyInFixedColumns) {
  const std::string line = StepDisplayLine("1 05.12.2026 16:35:34 0 MyApp");
  EXPECT_EQ(line, "Changed     05.12.2026 16:35:34 HKLM\\...\\Run\\MyApp");
  EXPECT_EQ(line.size(), 50u);
  EXPECT_EQ(StepDisplayLine("0 05.12.2026 16:35:34 1 S"),
            "Deleted     05.12.2026 16:35:34 HKLM\\...\\RunServices\\S");
  EXPECT_EQ(StepDisplayLine("2 05.12.2026 16:35:34 2 a%5Cb"),
            "Added       05.12.2026 16:35:34 HKCU\\...\\Run\\a\\b");
  EXPECT_EQ(StepDisplayLine("7 05.12.2026 16:35:34 9 x"),
            "Added       05.12.2026 16:35:34 HKCU\\...\\Run\\x");
}

class UndoTest : public RunListsTest {
 protected:
  void Seed(const std::string& step, const RegValue& command) {
    store.SetValue(Root::CurrentUser, std::string(kJournal) + "\\" + step, "Command", command);
  }
};

TEST_F(UndoTest, CtrlZWithoutChangesShowsAnEmptyListAndAsksForARow) {
  WhileRunning([&] {
    toolkit.TakeMessages();
    Focus(List(2));
    OnUndoList([](Tundolist& d) {
      EXPECT_EQ(d.form->Caption(), "Undo");
      Click(*d.Button1);
      EXPECT_TRUE(d.form->Visible());
      Click(*d.Button2);
    });
    PressKey(MainForm(), ui::vk::Key('Z'), {false, true, false});
  });
  ASSERT_EQ(undoLines.size(), 1u);
  EXPECT_TRUE(undoLines[0].empty());
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(toolkit.Messages()[0].text, "The row not selected");
  EXPECT_EQ(toolkit.Messages()[0].caption, "Attention!");
  EXPECT_EQ(toolkit.Messages()[0].style, ui::mb::IconInfo);
}

TEST_F(UndoTest, UndoingADeleteBringsTheValueBackWithItsTypeAndRemovesTheStep) {
  store.SetValue(Root::CurrentUser, kRunKey, "Mail", {regtype::ExpandString, "%A%\\mail.exe"});
  WhileRunning([&] {
    DeleteLine(2, 0);
    OnUndoRow(0);
    Click(*Main().ToolButton4);
  });
  EXPECT_EQ(UserRun("Mail"), (RegValue{regtype::ExpandString, "%A%\\mail.exe"}));
  EXPECT_EQ(List(2).Items(), std::vector<std::string>{"Mail"});
  EXPECT_TRUE(RecentSteps().empty());
  EXPECT_TRUE(StoredSteps().empty());
  EXPECT_EQ(undoLines.at(0),
            std::vector<std::string>{"Deleted     05.12.2026 16:35:34 HKCU\\...\\Run\\Mail"});
}

TEST_F(UndoTest, UndoingAnAddDeletesTheValue) {
  WhileRunning([&] {
    Focus(List(0));
    OnAddEntry("New", "new.exe");
    PressKey(MainForm(), ui::vk::Insert);
    Focus(List(0));
    OnUndoRow(0);
    Click(FindMenuItem(MainForm(), "Undo1"));
  });
  EXPECT_FALSE(Run(Root::LocalMachine, "New").has_value());
  EXPECT_EQ(List(0).Items(), std::vector<std::string>{"Tray"});
}

TEST_F(UndoTest, UndoingAnEditOfAValueDeletedSinceLoadingDeletesItAgain) {
  WhileRunning([&] {
    EXPECT_TRUE(store.OpenKey(Root::CurrentUser, kRunKey, false)->DeleteValue("Mail"));
    EditLine(2, 0, "back.exe");
    EXPECT_EQ(UserRun("Mail")->data, "back.exe");
    OnUndoRow(0);
    Click(*Main().ToolButton4);
  });
  EXPECT_EQ(undoLines.at(0),
            std::vector<std::string>{"Added       05.12.2026 16:35:34 HKCU\\...\\Run\\Mail"});
  EXPECT_FALSE(UserRun("Mail").has_value());
}

TEST_F(UndoTest, UndoingTheOlderOfTwoEditsWritesTheFirstCommandAndListsNewestFirst) {
  WhileRunning([&] {
    EditLine(2, 0, "second.exe");
    store.SetNow({2026, 12, 5, 16, 36, 0});
    EditLine(2, 0, "third.exe");
    OnUndoRow(1);
    Click(*Main().ToolButton4);
  });
  EXPECT_EQ(undoLines.at(0),
            (std::vector<std::string>{"Changed     05.12.2026 16:36:00 HKCU\\...\\Run\\Mail",
                                      "Changed     05.12.2026 16:35:34 HKCU\\...\\Run\\Mail"}));
  EXPECT_EQ(UserRun("Mail")->data, "mail.exe /q");
  EXPECT_EQ(RecentSteps(), std::vector<std::string>{"1 05.12.2026 16:36:00 2 Mail"});
}

TEST_F(UndoTest, AStepUndoneByCtrlRIsNoLongerOfferedByCtrlZ) {
  Seed("0 01.01.2020 10:00:00 2 Old", {regtype::String, "old.exe"});
  WhileRunning([&] {
    DeleteLine(2, 0);
    OnUndoList([](Tundolist& d) {
      // The store lists the earlier run's step first, so the newest is on top.
      EXPECT_EQ(d.ListBox1->Item(1), "Deleted     01.01.2020 10:00:00 HKCU\\...\\Run\\Old");
      Select(*d.ListBox1, 0);
      Click(*d.Button1);
    });
    Focus(List(2));
    PressKey(MainForm(), ui::vk::Key('R'), {false, true, false});
    OnUndoList([](Tundolist& d) { Click(*d.Button2); });
    Click(*Main().ToolButton4);
  });
  EXPECT_EQ(UserRun("Mail")->data, "mail.exe /q");
  EXPECT_EQ(undoLines.at(0).size(), 2u);
  EXPECT_TRUE(undoLines.at(1).empty());
  EXPECT_EQ(StoredSteps(), std::vector<std::string>{"0 01.01.2020 10:00:00 2 Old"});
}

TEST_F(UndoTest, StepsOfAnEarlierRunAreOfferedByCtrlROnlyInReverseStoreOrder) {
  store.SetValueOrder(ValueOrder::Sorted);
  Seed("2 01.01.2020 10:00:00 0 A", {regtype::String, "a.exe"});
  Seed("0 01.01.2020 10:00:00 2 B", {regtype::String, "b.exe"});
  store.SetString(Root::LocalMachine, kRunKey, "A", "a.exe");
  WhileRunning([&] {
    Focus(List(2));
    OnUndoList([](Tundolist& d) { Click(*d.Button2); });
    Click(*Main().ToolButton4);
    OnUndoRow(1);
    Click(*Main().ToolButton15);
  });
  EXPECT_TRUE(undoLines.at(0).empty());
  EXPECT_EQ(undoLines.at(1),
            (std::vector<std::string>{"Added       01.01.2020 10:00:00 HKLM\\...\\Run\\A",
                                      "Deleted     01.01.2020 10:00:00 HKCU\\...\\Run\\B"}));
  EXPECT_EQ(UserRun("B")->data, "b.exe");
  EXPECT_TRUE(Run(Root::LocalMachine, "A").has_value());
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"B", "Mail"}));
}

TEST_F(UndoTest, CtrlRWithoutStoredStepsSaysSo) {
  WhileRunning([&] {
    toolkit.TakeMessages();
    Click(*Main().ToolButton15);
  });
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(toolkit.Messages()[0].text, "Nothing to undo! Not found undo data in registry!");
  EXPECT_EQ(toolkit.Messages()[0].caption, "Sorry!");
  EXPECT_EQ(toolkit.Messages()[0].style, ui::mb::IconInfo);
}

TEST_F(UndoTest, AVanishedStepOrOneWithoutCommandWritesNothingAndRefreshesNothing) {
  Seed("0 01.01.2020 10:00:00 2 NoCommand", {regtype::String, "x"});
  ASSERT_TRUE(store
                  .OpenKey(Root::CurrentUser,
                           std::string(kJournal) + "\\0 01.01.2020 10:00:00 2 NoCommand", false)
                  ->DeleteValue("Command"));
  WhileRunning([&] {
    DeleteLine(2, 0);
    EXPECT_TRUE(
        store.DeleteKey(Root::CurrentUser, std::string(kJournal) + "\\" + RecentSteps().at(0)));
    toolkit.TakeMessages();
    OnUndoRow(0);
    Click(*Main().ToolButton4);
    OnUndoRow(0);
    Click(*Main().ToolButton15);
  });
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
  Seed("0 01.01.2020 10:00:00 7 X", {regtype::String, "x.exe"});
  WhileRunning([&] {
    toolkit.TakeMessages();
    store.SetString(Root::CurrentUser, kRunKey, "Outside", "o.exe");
    OnUndoRow(0);
    Click(*Main().ToolButton15);
  });
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(toolkit.Messages()[0].text, "Internal error (number key >2)! Send message to author!");
  EXPECT_EQ(toolkit.Messages()[0].caption, "Error!");
  EXPECT_EQ(toolkit.Messages()[0].style, ui::mb::IconStop);
  EXPECT_EQ(StoredSteps().size(), 1u);
  EXPECT_EQ(List(2).Items(), (std::vector<std::string>{"Mail", "Outside"}));
}

TEST_F(UndoTest, ARunKeyThatCannotBeWrittenKeepsTheStep) {
  WhileRunning([&] {
    DeleteLine(0, 0);
    store.RefuseWrite(Root::LocalMachine, kRunKey);
    toolkit.TakeMessages();
    OnUndoRow(0);
    Click(*Main().ToolButton4);
  });
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(toolkit.Messages()[0].text, "Permission to key HKCUSoftwareTarnix denied");
  EXPECT_EQ(toolkit.Messages()[0].caption, "Error!");
  EXPECT_EQ(toolkit.Messages()[0].style, ui::mb::IconStop);
  EXPECT_EQ(RecentSteps().size(), 1u);
  EXPECT_EQ(StoredSteps().size(), 1u);
}

TEST_F(UndoTest, AnUndoRecreatesARunKeyRemovedSince) {
  WhileRunning([&] {
    DeleteLine(2, 0);
    EXPECT_TRUE(store.DeleteKey(Root::CurrentUser, kRunKey));
    OnUndoRow(0);
    Click(*Main().ToolButton4);
  });
  EXPECT_EQ(UserRun("Mail")->data, "mail.exe /q");
}

TEST_F(UndoTest, AnEntryNameWithABackslashIsOneStepAndComesBack) {
  store.SetString(Root::CurrentUser, kRunKey, "Dir\\Tool", "t.exe");
  WhileRunning([&] {
    DeleteLine(2, 1);
    OnUndoRow(0);
    Click(*Main().ToolButton15);
  });
  EXPECT_EQ(undoLines.at(0),
            std::vector<std::string>{"Deleted     05.12.2026 16:35:34 HKCU\\...\\Run\\Dir\\Tool"});
  EXPECT_EQ(UserRun("Dir\\Tool")->data, "t.exe");
  EXPECT_TRUE(StoredSteps().empty());
}

TEST_F(UndoTest, EscClosesTheUndoListWithoutUndoing) {
  WhileRunning([&] {
    DeleteLine(2, 0);
    OnUndoList([](Tundolist& d) {
      Select(*d.ListBox1, 0);
      PressKey(*d.form, ui::vk::Escape);
    });
    Click(*Main().ToolButton4);
  });
  EXPECT_FALSE(UserRun("Mail").has_value());
  EXPECT_EQ(RecentSteps().size(), 1u);
  EXPECT_EQ(program->undolist.chosenRow, -1);
}

TEST_F(UndoTest, TheJournalRootIsCreatedAtStart) {
  Create();
  EXPECT_TRUE(store.KeyExists(Root::CurrentUser, kJournal));
}

}  // namespace
}  // namespace tarnix
