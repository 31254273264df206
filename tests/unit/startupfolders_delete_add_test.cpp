// Deleting and adding startup group entries, and which names can be shortcut files.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "startupfolders/shortcut_names.h"
#include "unit/shown_boxes.h"
#include "unit/startupfolders_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class DeleteTest : public GroupTest {
 protected:
  void LoadWithNotes() {
    ASSERT_TRUE(shortcuts.Plant(UserFile("Notes.lnk"), Decorated()));
    store.AddFile(UserFile("readme.txt"), "text");
    Create();
    SelectLine("Notes.lnk");
  }
  // Deletes the selected line, answering the question.
  void Delete(int answer = ui::mb::IdOk) {
    toolkit.AnswerNextMessageBox(answer);
    Main().Delete2Click();
  }
};

TEST_F(DeleteTest, OkDeletesAnyFileOfTheGroupAndTakesItsLine) {
  LoadWithNotes();
  Delete();
  EXPECT_TRUE(Showed("Are you sure delete Notes.lnk ?", "Attention!",
                     ui::mb::OkCancel | ui::mb::IconWarning));
  EXPECT_EQ(List().Items(), std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(store.FileBytes(UserFile("Notes.lnk")), std::nullopt);
  EXPECT_EQ(store.FileBytes(UserFile("readme.txt")), "text");
  SelectLine("readme.txt");
  Delete();
  EXPECT_TRUE(WasShown("Are you sure delete readme.txt ?"));
  EXPECT_EQ(List().Count(), 0);
  EXPECT_EQ(store.FileBytes(UserFile("readme.txt")), std::nullopt);
}

TEST_F(DeleteTest, CancelOrNoSelectedLineChangesNothing) {
  LoadWithNotes();
  Delete(ui::mb::IdCancel);
  List().SetItemIndex(-1);
  Main().Delete2Click();
  Main().Change2Click();  // an unscripted dialog would throw
  EXPECT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(List().Count(), 2);
  EXPECT_TRUE(shortcuts.Inspect(UserFile("Notes.lnk")).has_value());
}

class AddTest : public GroupTest {
 protected:
  void Add(SectionId id = SectionId::Startup) { AddGroupShortcut(ws(), Group(id), dialog); }
  ScriptedAddDialog dialog;
};

// What another program put in the folder meanwhile is listed too.
TEST_F(AddTest, AddReplacesAShortcutOfThatNameWholeAndListsTheFolderAgain) {
  ASSERT_TRUE(shortcuts.Plant(UserFile("Mail.lnk"), Decorated()));
  Create();
  store.AddFile(UserFile("other.txt"), "");
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

// The refusal says why, as the names' own test shows.
TEST_F(AddTest, ANameThatCannotBeAFileNameIsRefused) {
  Create();
  for (const char* name : {"..\\..\\evil", "a:b", "CON", "Mail."}) {
    dialog.answer = NewShortcut{name, "C:\\Tools\\mail.exe"};
    Add();
    EXPECT_TRUE(Showed(*NameRefusal(name), "Sorry!", ui::mb::Ok | ui::mb::IconInfo)) << name;
  }
  EXPECT_EQ(toolkit.Messages().size(), 4u);
  EXPECT_EQ(shortcuts.WriteAttempts(), 0);
  EXPECT_EQ(dialog.cleared, 0);
}

// Without the common folder nothing is touched: an empty folder path would reach C:\.
TEST_F(AddTest, AnUnknownFolderIsSaidAndNothingOutsideTheFoldersIsTouched) {
  const char shellFolders[] =
      "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  ASSERT_TRUE(
      store.OpenKey(Root::LocalMachine, shellFolders, false)->DeleteValue("Common StartUp"));
  store.AddFile("C:\\Notes.lnk", "x");
  Create();
  ui::ListBox& list = List(SectionId::CommonStartup);
  ASSERT_EQ(list.Count(), 0);
  list.Add("Notes.lnk");
  list.SetItemIndex(0);
  dialog.answer = NewShortcut{"Notes", "C:\\Tools\\notes.exe"};
  Add(SectionId::CommonStartup);
  DeleteGroupEntry(ws(), Group(SectionId::CommonStartup), "Notes.lnk");
  EditGroupShortcut(ws(), Group(SectionId::CommonStartup), "Notes.lnk", program->frmLink);
  const std::string unknown =
      "mform | Sorry! | 64 | The folder of the group \"Common Startup\" is not known, so nothing "
      "can be "
      "changed there.";
  EXPECT_EQ(Boxes(toolkit), std::vector<std::string>(3, unknown));
  EXPECT_EQ(dialog.asked, 0);
  EXPECT_EQ(shortcuts.WriteAttempts(), 0);
  EXPECT_EQ(store.FileBytes("C:\\Notes.lnk"), "x");
  EXPECT_EQ(list.Count(), 1);
}

TEST(ShortcutNames, TheLnkExtensionInAnyCaseMakesAShortcut) {
  for (const char* path : {"C:\\Start\\NOTES.LNK", "C:\\Start\\Notes.Lnk", "C:\\Start\\notes.lnk",
                           "C:notes.lnk", "C:\\Start\\my.notes.lnk"}) {
    EXPECT_TRUE(IsShortcutPath(path)) << path;
  }
  for (const char* path : {"C:\\Start\\notes.lnk.txt", "C:\\Start\\notes", "C:\\Start.lnk\\notes",
                           "C:\\Start\\notes.lnkx", "C:\\Start\\lnk", ""}) {
    EXPECT_FALSE(IsShortcutPath(path)) << path;
  }
}

TEST(ShortcutNames, TheFileNameIsWhatFollowsTheLastSeparator) {
  EXPECT_EQ(FileNameOf("C:\\Start\\Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("C:Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("C:\\Start\\"), "");
}

TEST(ShortcutNames, OrdinaryNamesAreTakenAndOthersRefusedWithTheReason) {
  for (const char* name : {"Mail", "My notes", "Notes 2.0", ".hidden", "CONSOLE", "COM0", "LPT10",
                           "con-tool", "B\xC3\xBCro"}) {
    EXPECT_EQ(NameRefusal(name), std::nullopt) << name;
  }
  const struct {
    std::vector<const char*> names;
    const char* reason;
  } refused[] = {
      {{"a\\b", "a/b", "C:x", "a*", "a?", "say \"hi\"", "<a>", "a|b", "tab\there"},
       "cannot be a file name"},
      {{"Mail.", "Mail ", "..", "."}, "cannot be a file name: it may not end in a dot or a blank."},
      {{"CON", "con", "Nul", "PRN", "AUX", "COM1", "lpt9", "NUL.txt", "CON .x"}, "for a device"},
      {{""}, "A shortcut needs a name."}};
  for (const auto& kind : refused) {
    for (const char* name : kind.names) {
      const auto refusal = NameRefusal(name);
      ASSERT_TRUE(refusal.has_value()) << name;
      EXPECT_NE(refusal->find(kind.reason), std::string::npos) << *refusal;
    }
  }
  EXPECT_EQ(NameRefusal("Mail."),
            "\"Mail.\" cannot be a file name: it may not end in a dot or a blank.");
}

}  // namespace
}  // namespace tarnix
