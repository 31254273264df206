// Deleting an entry of a startup group and adding a shortcut to it.
#include "unit/startupfolders_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kSureNotes[] = "Are you sure delete Notes.lnk ?";

class DeleteTest : public GroupTest {
 protected:
  void LoadWithNotes() {
    ASSERT_TRUE(shortcuts.Plant(UserFile("Notes.lnk"), Decorated()));
    store.AddFile(UserFile("readme.txt"), "text");
    Load();
    SelectLine("Notes.lnk");
  }
  void Delete() { Main().Delete2Click(); }
};

TEST_F(DeleteTest, OkDeletesTheFileAndTakesItsLine) {
  LoadWithNotes();
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  Delete();
  EXPECT_TRUE(Showed(kSureNotes, "Attention!", ui::mb::OkCancel | ui::mb::IconWarning));
  EXPECT_EQ(List().Items(), std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(store.FileBytes(UserFile("Notes.lnk")), std::nullopt);
  EXPECT_EQ(store.FileBytes(UserFile("readme.txt")), "text");
}

TEST_F(DeleteTest, AnyFileOfTheGroupCanBeDeleted) {
  LoadWithNotes();
  SelectLine("readme.txt");
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  Delete();
  EXPECT_TRUE(WasShown("Are you sure delete readme.txt ?"));
  EXPECT_EQ(List().Items(), std::vector<std::string>{"Notes.lnk"});
  EXPECT_EQ(store.FileBytes(UserFile("readme.txt")), std::nullopt);
}

TEST_F(DeleteTest, CancelLeavesListAndFile) {
  LoadWithNotes();
  const auto before = List().Items();
  toolkit.AnswerNextMessageBox(ui::mb::IdCancel);
  Delete();
  EXPECT_EQ(List().Items(), before);
  EXPECT_TRUE(shortcuts.Inspect(UserFile("Notes.lnk")).has_value());
  EXPECT_EQ(toolkit.Messages().size(), 1u);
}

TEST_F(DeleteTest, NoSelectedLineAsksNothing) {
  LoadWithNotes();
  List().SetItemIndex(-1);
  Delete();
  EXPECT_TRUE(toolkit.Messages().empty());
  EXPECT_EQ(List().Count(), 2);
}

// A file that stays on disk keeps its line, and the user learns why.
TEST_F(DeleteTest, AFileThatCannotBeDeletedKeepsItsLineAndIsReported) {
  LoadWithNotes();
  store.SetFileFault(UserFile("Notes.lnk"), FileFault::Locked);
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  Delete();
  EXPECT_TRUE(Showed("Cannot delete " + UserFile("Notes.lnk"), "Error!", kErrorBox));
  EXPECT_EQ(List().Count(), 2);
  store.ClearFaults();
  EXPECT_TRUE(shortcuts.Inspect(UserFile("Notes.lnk")).has_value());
}

TEST_F(DeleteTest, AFileAlreadyGoneJustLeavesTheList) {
  LoadWithNotes();
  ASSERT_TRUE(store.DeleteFile(UserFile("Notes.lnk")));
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  Delete();
  EXPECT_EQ(List().Items(), std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(toolkit.Messages().size(), 1u);
}

TEST_F(DeleteTest, TheCommonGroupDeletesInItsOwnFolder) {
  store.AddFile(folders.commonStartup + "\\Notes.lnk", "x");
  LoadWithNotes();
  SelectLine("Notes.lnk", SectionId::CommonStartup);
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  Main().Delete3Click();
  EXPECT_EQ(store.FileBytes(folders.commonStartup + "\\Notes.lnk"), std::nullopt);
  EXPECT_TRUE(shortcuts.Inspect(UserFile("Notes.lnk")).has_value());
  EXPECT_EQ(List(SectionId::CommonStartup).Count(), 0);
}

class AddTest : public GroupTest {
 protected:
  void Add(SectionId id = SectionId::Startup) { AddGroupShortcut(ws(), Group(id), dialog); }
  ScriptedAddDialog dialog;
};

TEST_F(AddTest, AddMakesTheShortcutAndListsTheFolderAgain) {
  Load();
  store.AddFile(UserFile("other.txt"), "");  // came meanwhile: the new listing shows it
  dialog.answer = NewShortcut{"Mail", "C:\\Tools\\mail.exe"};
  Add();
  MemoryShortcut expected;
  expected.target = "C:\\Tools\\mail.exe";
  expected.description = "Mail";
  EXPECT_EQ(shortcuts.Inspect(UserFile("Mail.lnk")), expected);
  auto items = List().Items();
  std::sort(items.begin(), items.end());
  EXPECT_EQ(items, (std::vector<std::string>{"Mail.lnk", "other.txt"}));
  EXPECT_EQ(dialog.cleared, 1);
  EXPECT_TRUE(toolkit.Messages().empty());
}

TEST_F(AddTest, AnExistingShortcutOfThatNameIsReplacedWhole) {
  ASSERT_TRUE(shortcuts.Plant(UserFile("Mail.lnk"), Decorated()));
  Load();
  dialog.answer = NewShortcut{"Mail", "C:\\Tools\\mail.exe"};
  Add();
  auto written = shortcuts.Inspect(UserFile("Mail.lnk"));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->target, "C:\\Tools\\mail.exe");
  EXPECT_EQ(written->arguments, "");
  EXPECT_EQ(written->workingDirectory, "");
  EXPECT_EQ(written->iconLocation, "");
  EXPECT_EQ(List().Items(), std::vector<std::string>{"Mail.lnk"});
}

TEST_F(AddTest, CancelWritesNothingAndKeepsTheTypedTexts) {
  Load();
  Add();
  EXPECT_EQ(dialog.asked, 1);
  EXPECT_EQ(dialog.cleared, 0);
  EXPECT_EQ(shortcuts.WriteAttempts(), 0);
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(AddTest, TheCommonGroupAddsInItsOwnFolder) {
  Load();
  dialog.answer = NewShortcut{"Everyone", "C:\\Tools\\all.exe"};
  Add(SectionId::CommonStartup);
  EXPECT_TRUE(shortcuts.Inspect(folders.commonStartup + "\\Everyone.lnk").has_value());
  EXPECT_EQ(List(SectionId::CommonStartup).Items(), std::vector<std::string>{"Everyone.lnk"});
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(AddTest, ANameThatCannotBeAFileNameIsRefused) {
  Load();
  for (const char* name : {"..\\..\\evil", "a:b", "CON", "Mail."}) {
    dialog.answer = NewShortcut{name, "C:\\Tools\\mail.exe"};
    Add();
  }
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 4u);
  for (const auto& box : shown) {
    EXPECT_NE(box.text.find("cannot be a file name"), std::string::npos) << box.text;
    EXPECT_EQ(box.caption, "Sorry!");
  }
  EXPECT_EQ(shortcuts.WriteAttempts(), 0);
  EXPECT_EQ(dialog.cleared, 0);
}

// A failed write is not shown as an added line, and the typed texts stay for another try.
TEST_F(AddTest, AShortcutThatCannotBeWrittenIsReportedAndTheListStays) {
  Load();
  store.AddFile(UserFile("other.txt"), "");
  store.SetFileFault(UserFile("Mail.lnk"), FileFault::Uncreatable);
  dialog.answer = NewShortcut{"Mail", "C:\\Tools\\mail.exe"};
  Add();
  EXPECT_TRUE(Showed("Cannot write the shortcut " + UserFile("Mail.lnk"), "Error!", kErrorBox));
  EXPECT_EQ(List().Count(), 0);
  EXPECT_EQ(dialog.cleared, 0);
}

TEST_F(AddTest, AVanishedFolderIsReported) {
  Load();
  ASSERT_TRUE(store.RemoveFolder(folders.startup));
  dialog.answer = NewShortcut{"Mail", "C:\\Tools\\mail.exe"};
  Add();
  EXPECT_TRUE(WasShown("Cannot write the shortcut " + UserFile("Mail.lnk")));
  EXPECT_FALSE(store.FolderExists(folders.startup));
}

class UnknownFolderTest : public GroupTest {
 protected:
  UnknownFolderTest() {
    ForgetCommonFolder();
    store.AddFile("C:\\Notes.lnk", "x");  // what an empty folder path would reach
  }
  const std::string kUnknown =
      "The folder of the group \"Common Startup\" is not known, so nothing can be changed there.";
};

TEST_F(UnknownFolderTest, AddSaysSoAndAsksNothing) {
  Load();
  ScriptedAddDialog dialog;
  dialog.answer = NewShortcut{"Notes", "C:\\Tools\\notes.exe"};
  AddGroupShortcut(ws(), Group(SectionId::CommonStartup), dialog);
  const auto* box = Shown(kUnknown);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->caption, "Sorry!");
  EXPECT_EQ(dialog.asked, 0);
  EXPECT_EQ(shortcuts.WriteAttempts(), 0);
  EXPECT_EQ(store.FileBytes("C:\\Notes.lnk"), "x");
}

// Even a line put into the list by hand never reaches a path outside the folders.
TEST_F(UnknownFolderTest, DeleteAndEditOfAStrayLineSaySoAndTouchNothing) {
  Load();
  ui::ListBox& list = List(SectionId::CommonStartup);
  ASSERT_EQ(list.Count(), 0);
  list.Add("Notes.lnk");
  list.SetItemIndex(0);
  DeleteGroupEntry(ws(), Group(SectionId::CommonStartup), "Notes.lnk");
  EditGroupShortcut(ws(), Group(SectionId::CommonStartup), "Notes.lnk", program->frmLink);
  EXPECT_EQ(toolkit.Messages().size(), 2u);
  EXPECT_TRUE(WasShown(kUnknown));
  EXPECT_EQ(store.FileBytes("C:\\Notes.lnk"), "x");
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
}  // namespace tarnix
