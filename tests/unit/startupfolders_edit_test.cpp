// Editing a startup group's shortcut: which files count, the dialog, and what closing writes.
#include <gtest/gtest.h>

#include "fakes/headless/driver.h"
#include "startupfolders/link_form.h"
#include "unit/startupfolders_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

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
    } else {
      EXPECT_EQ(store.FileBytes(UserFile("Notes.lnk")), bytes) << c.way;
    }
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
