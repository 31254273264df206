// Editing a shortcut of a startup group: which files count, what the dialog shows, and what
// each way of closing it writes.
#include "unit/startupfolders_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class EditTest : public GroupTest {
 protected:
  // Plants the shortcut, loads the program and selects its line.
  void LoadWith(const std::string& name, const MemoryShortcut& shortcut = Decorated()) {
    ASSERT_TRUE(shortcuts.Plant(UserFile(name), shortcut));
    Load();
    SelectLine(name);
  }
  void Edit() { Main().Change2Click(); }
  // The dialog as the user saw it: lblName, edtProg, edtArg, edtDir.
  std::vector<std::string> shown;
  void ShowThenPress(const char* button, const std::string& arguments = "") {
    toolkit.OnModal("TfrmLink", [this, button, arguments](ui::Form& f) {
      shown = {Get<ui::Label>(f, "lblName").Caption(), Get<ui::EditBox>(f, "edtProg").Text(),
               Get<ui::EditBox>(f, "edtArg").Text(), Get<ui::EditBox>(f, "edtDir").Text()};
      if (!arguments.empty())
        Get<ui::EditBox>(f, "edtArg").SetText(arguments);
      if (button != nullptr)
        Click(Get<ui::Button>(f, button));
    });
  }
};

TEST_F(EditTest, TheDialogShowsThePathAsListedAndWhatTheShortcutHolds) {
  LoadWith("NOTES.LNK");
  ShowThenPress("bbtCanc");
  Edit();
  EXPECT_EQ(shown, (std::vector<std::string>{UserFile("NOTES.LNK"), "C:\\Tools\\notes.exe", "-a",
                                             "C:\\Tools"}));
}

TEST_F(EditTest, LnkInAnyCaseIsAShortcut) {
  for (const char* name : {"NOTES.LNK", "Mail.Lnk"}) {
    ASSERT_TRUE(shortcuts.Plant(UserFile(name), Decorated()));
  }
  Load();
  for (const char* name : {"NOTES.LNK", "Mail.Lnk"}) {
    SelectLine(name);
    ShowThenPress("bbtCanc");
    Edit();
    EXPECT_EQ(shown.at(0), UserFile(name));
  }
  EXPECT_TRUE(toolkit.Messages().empty());
}

TEST_F(EditTest, OtherFilesAreRefusedAndLeftAlone) {
  store.AddFile(UserFile("notes.lnk.txt"), "text");
  store.AddFile(UserFile("notes"), "text");
  Load();
  for (const char* name : {"notes.lnk.txt", "notes"}) {
    SelectLine(name);
    Edit();  // an unscripted dialog would throw
  }
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 2u);
  for (const auto& box : shown) {
    EXPECT_EQ(box.text, "It's a not shortcut file");
    EXPECT_EQ(box.caption, "Sorry!");
    EXPECT_EQ(box.style, ui::mb::Ok | ui::mb::IconInfo);
  }
  EXPECT_EQ(store.FileBytes(UserFile("notes")), "text");
  EXPECT_EQ(shortcuts.WriteAttempts(), 0);
}

// Each way of leaving the dialog, and what the shortcut then holds: OK, Enter and the close box
// change only the fields whose text changed, plus the description (icon, show command and hot
// key are none of the dialog's business); Cancel and Esc write nothing.
TEST_F(EditTest, EachWayOfLeavingTheDialogWritesWhatItShould) {
  enum Way { kOk, kEnter, kCloseBox, kEsc, kCancel };
  const struct {
    Way way;
    const char *arguments, *folder;  // typed into the dialog; null: left as shown
    bool writes;
  } cases[] = {{kOk, nullptr, nullptr, true},
               {kOk, "-b --quiet", nullptr, true},
               {kOk, "", "", true},
               {kCloseBox, "-closed", nullptr, true},
               {kEnter, "-entered", nullptr, true},
               {kEsc, "-escaped", nullptr, false},
               {kCancel, "-changed", nullptr, false}};
  for (const auto& c : cases) {
    LoadWith("Notes.lnk");
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
}

// A cancelled close clears the flag, and the next edit starts from "save" again.
TEST_F(EditTest, EachEditStartsWithTheSaveFlagSet) {
  LoadWith("Notes.lnk");
  ShowThenPress("bbtCanc");
  Edit();
  toolkit.OnModal("TfrmLink", [](ui::Form& f) { CloseBox(f); });
  Edit();
  EXPECT_EQ(shortcuts.Inspect(UserFile("Notes.lnk"))->description, "Notes.lnk");
}

// Empty fields saved over a damaged shortcut would replace whatever it holds: it is told, and
// the file keeps its bytes.
TEST_F(EditTest, AShortcutThatCannotBeReadIsToldAndLeftAsItIs) {
  for (const std::string bytes : {"garbage", ""}) {
    store.AddFile(UserFile("Broken.lnk"), bytes);
    Load();
    SelectLine("Broken.lnk");
    Edit();  // an unscripted dialog would throw
    const auto* box = Shown("Cannot read the shortcut " + UserFile("Broken.lnk"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->caption, "Error!");
    EXPECT_EQ(store.FileBytes(UserFile("Broken.lnk")), bytes);
    EXPECT_EQ(shortcuts.WriteAttempts(), 0);
  }
}

TEST_F(EditTest, AShortcutThatCannotBeWrittenIsReported) {
  LoadWith("Notes.lnk");
  store.SetFileFault(UserFile("Notes.lnk"), FileFault::Uncreatable);
  ShowThenPress("bbtSave", "-b");
  Edit();
  EXPECT_TRUE(Showed("Cannot write the shortcut " + UserFile("Notes.lnk"), "Error!", kErrorBox));
  store.ClearFaults();
  EXPECT_EQ(shortcuts.Inspect(UserFile("Notes.lnk")), Decorated());
}

TEST_F(EditTest, TheListKeepsItsLines) {
  LoadWith("Notes.lnk");
  store.AddFile(UserFile("later.txt"), "");
  const auto before = List().Items();
  ShowThenPress("bbtSave", "-b");
  Edit();
  EXPECT_EQ(List().Items(), before);
}

TEST_F(EditTest, NoSelectedLineDoesNothing) {
  ASSERT_TRUE(shortcuts.Plant(UserFile("Notes.lnk"), Decorated()));
  Load();
  List().SetItemIndex(-1);
  Edit();
  EXPECT_TRUE(toolkit.Messages().empty());
}

// What the user does on the main window: Enter or a double click on either list.
TEST_F(EditTest, EnterOrDoubleClickInEitherListOpensTheDialog) {
  ASSERT_TRUE(shortcuts.Plant(UserFile("Notes.lnk"), Decorated()));
  ASSERT_TRUE(shortcuts.Plant(folders.commonStartup + "\\All.lnk", Decorated()));
  Load();
  SelectPage(Get<ui::PageControl>(MainForm(), "PageControl1"), 6);
  Select(List(), 0);
  ShowThenPress("bbtCanc");
  PressKey(MainForm(), ui::vk::Return);
  EXPECT_EQ(shown.at(0), UserFile("Notes.lnk"));
  SelectPage(Get<ui::PageControl>(MainForm(), "PageControl1"), 7);
  Select(List(SectionId::CommonStartup), 0);
  ShowThenPress("bbtCanc");
  DoubleClick(List(SectionId::CommonStartup));
  EXPECT_EQ(shown.at(0), folders.commonStartup + "\\All.lnk");
  EXPECT_EQ(toolkit.PendingModalScripts(), 0);
}

TEST_F(EditTest, OtherKeysInTheListOpenNothing) {
  ASSERT_TRUE(shortcuts.Plant(UserFile("Notes.lnk"), Decorated()));
  Load();
  SelectPage(Get<ui::PageControl>(MainForm(), "PageControl1"), 6);
  Select(List(), 0);
  TypeText(MainForm(), "a ");
  EXPECT_TRUE(toolkit.Messages().empty());
}

}  // namespace
}  // namespace tarnix

namespace tarnix {
namespace {

// A program wired without shortcuts says so instead of failing silently or crashing.
TEST(GroupWithoutShortcuts, EditAndAddEndInAnErrorBox) {
  MemoryStore store;
  const std::string file = store.SeedShellFolders().startup + "\\Notes.lnk";
  store.AddFile(file, "x");
  ui::headless::HeadlessToolkit toolkit;
  toolkit.SetAutoAcknowledge(true);
  Program program(store, toolkit);
  const StartupSection& group = program.ws.catalogue.Section(SectionId::Startup);
  program.ws.views.lsbStart->SetItemIndex(0);
  ScriptedAddDialog dialog;
  dialog.answer = NewShortcut{"Mail", "C:\\mail.exe"};
  toolkit.Dispatch([&] { EditGroupShortcut(program.ws, group, "Notes.lnk", program.frmLink); });
  toolkit.Dispatch([&] { AddGroupShortcut(program.ws, group, dialog); });
  ASSERT_EQ(toolkit.Messages().size(), 2u);
  for (const auto& box : toolkit.Messages()) {
    EXPECT_EQ(box.text, "Shortcuts cannot be used here.");
    EXPECT_EQ(box.style & ui::mb::IconStop, ui::mb::IconStop);
  }
  EXPECT_EQ(store.FileBytes(file), "x");
}

}  // namespace
}  // namespace tarnix
