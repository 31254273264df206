// The undo journal: Ctrl+Z, Ctrl+R, the dialog's lines and every failure message.
#include "unit/runlists_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

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
  Seed("0 01.01.2020 10:00:00 2 NoCommand", {regtype::String, "x"});
  ASSERT_TRUE(store
                  .OpenKey(Root::CurrentUser,
                           std::string(kJournal) + "\\0 01.01.2020 10:00:00 2 NoCommand", false)
                  ->DeleteValue("Command"));
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
