// Deleting, adding and editing startup group entries, and which names can be shortcut files.
#include "startupfolders/link_form.h"
#include "startupfolders/shortcut_names.h"
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

TEST_F(DeleteTest, OnlyOkOnASelectedLineDeletesAnyFileOfTheGroupAndTakesItsLine) {
  LoadWithNotes();
  Delete(ui::mb::IdCancel);
  List().SetItemIndex(-1);
  Main().Delete2Click();
  Main().Change2Click();  // an unscripted dialog would throw
  EXPECT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(List().Count(), 2);
  EXPECT_TRUE(shortcuts.Inspect(UserFile("Notes.lnk")).has_value());
  SelectLine("Notes.lnk");
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

class EditTest : public GroupTest {
 protected:
  // Plants the shortcut, loads the program and selects its line.
  void LoadWith(const std::string& name) {
    ASSERT_TRUE(shortcuts.Plant(UserFile(name), Decorated()));
    Create();
    SelectLine(name);
  }
  void Edit() { Main().Change2Click(); }
};

// The name decides, whatever the file holds.
TEST_F(EditTest, AFileNotNamedAsAShortcutIsRefusedAndLeftAlone) {
  LoadWith("notes.lnk.txt");
  Edit();  // an unscripted dialog would throw
  EXPECT_TRUE(Showed("It's a not shortcut file", "Sorry!", ui::mb::Ok | ui::mb::IconInfo));
  EXPECT_EQ(shortcuts.Inspect(UserFile("notes.lnk.txt")), Decorated());
}

// OK, Enter and the close box write changed fields and the description; Cancel and Esc nothing.
TEST_F(EditTest, EachWayOfLeavingTheDialogWritesWhatItShould) {
  enum Way { kOk, kEnter, kCloseBox, kEsc, kCancel };
  const struct {
    Way way;
    const char *arguments, *folder;  // typed into the dialog; null: left as shown
    bool writes;
  } cases[] = {{kOk, nullptr, nullptr, true},
               {kOk, "-b --quiet", nullptr, true},
               {kOk, "", "", true},
               {kEnter, "-entered", nullptr, true},
               {kEsc, "-escaped", nullptr, false},
               {kCancel, "-changed", nullptr, false},
               {kCloseBox, "-closed", nullptr, true}};
  LoadWith("Notes.lnk");
  store.AddFile(UserFile("later.txt"), "");
  for (const auto& c : cases) {
    ASSERT_TRUE(shortcuts.Plant(UserFile("Notes.lnk"), Decorated()));
    const auto bytes = store.FileBytes(UserFile("Notes.lnk"));
    const int writes = shortcuts.WriteAttempts();
    toolkit.OnModal("TfrmLink", [&c](ui::Form& f) {
      Focus(Get<ui::EditBox>(f, "edtArg"));
      if (c.arguments)
        Get<ui::EditBox>(f, "edtArg").SetText(c.arguments);
      if (c.folder)
        Get<ui::EditBox>(f, "edtDir").SetText(c.folder);
      if (c.way == kOk || c.way == kCancel)
        Click(Get<ui::Button>(f, c.way == kOk ? "bbtSave" : "bbtCanc"));
      else if (c.way == kCloseBox)
        CloseBox(f);
      else
        PressKey(f, c.way == kEnter ? ui::vk::Return : ui::vk::Escape);
    });
    Edit();
    MemoryShortcut expected = Decorated();
    if (c.writes) {
      expected.description = "Notes.lnk";
      expected.arguments = c.arguments ? c.arguments : expected.arguments;
      expected.workingDirectory = c.folder ? c.folder : expected.workingDirectory;
    } else
      EXPECT_EQ(store.FileBytes(UserFile("Notes.lnk")), bytes) << c.way;
    EXPECT_EQ(shortcuts.Inspect(UserFile("Notes.lnk")), expected) << c.way;
    EXPECT_EQ(shortcuts.WriteAttempts(), writes + (c.writes ? 1 : 0)) << c.way;
  }
  EXPECT_EQ(List().Items(), std::vector<std::string>{"Notes.lnk"});
}

// The dialog shows the path as listed and what the shortcut holds.
TEST_F(EditTest, TheCommonGroupEditsInItsOwnFolder) {
  ASSERT_TRUE(shortcuts.Plant(UserFile("NOTES.LNK"), Decorated()));
  ASSERT_TRUE(shortcuts.Plant(folders.commonStartup + "\\NOTES.LNK", Decorated()));
  Create();
  SelectLine("NOTES.LNK", SectionId::CommonStartup);
  std::vector<std::string> shown;
  toolkit.OnModal("TfrmLink", [&shown](ui::Form& f) {
    shown = {Get<ui::Label>(f, "lblName").Caption(), Get<ui::EditBox>(f, "edtProg").Text(),
             Get<ui::EditBox>(f, "edtArg").Text(), Get<ui::EditBox>(f, "edtDir").Text()};
    Get<ui::EditBox>(f, "edtArg").SetText("-b");
    Click(Get<ui::Button>(f, "bbtSave"));
  });
  Main().Change3Click();
  EXPECT_EQ(shown, (std::vector<std::string>{folders.commonStartup + "\\NOTES.LNK",
                                             "C:\\Tools\\notes.exe", "-a", "C:\\Tools"}));
  EXPECT_EQ(shortcuts.Inspect(folders.commonStartup + "\\NOTES.LNK")->arguments, "-b");
  EXPECT_EQ(shortcuts.Inspect(UserFile("NOTES.LNK")), Decorated());
}

// Browse puts the chosen path into the program's box only; cancelled, it changes nothing.
TEST(LinkFormTest, BrowsePutsTheChosenPathIntoProgramOnly) {
  HeadlessToolkit toolkit;
  TfrmLink dialog{toolkit};
  dialog.edtProg->SetText("old.exe");
  dialog.edtArg->SetText("-a");
  dialog.edtDir->SetText("C:\\");
  toolkit.QueueOpenFile(std::nullopt);
  toolkit.QueueOpenFile(std::string("C:\\Tools\\new.exe"));
  toolkit.OnModal("TfrmLink", [](ui::Form& f) {
    Click(Get<ui::Button>(f, "btnBrow"));
    EXPECT_EQ(Get<ui::EditBox>(f, "edtProg").Text(), "old.exe");
    Click(Get<ui::Button>(f, "btnBrow"));
    Click(Get<ui::Button>(f, "bbtCanc"));
  });
  dialog.form->ShowModal();
  EXPECT_EQ(dialog.edtProg->Text(), "C:\\Tools\\new.exe");
  EXPECT_EQ(dialog.edtArg->Text(), "-a");
  EXPECT_EQ(dialog.edtDir->Text(), "C:\\");
  ASSERT_EQ(toolkit.FileDialogs().size(), 2u);
  EXPECT_FALSE(toolkit.FileDialogs()[1].save);
  EXPECT_EQ(toolkit.FileDialogs()[1].owner, "frmLink");
}

}  // namespace
}  // namespace tarnix
