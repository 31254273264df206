#include "watchdog_fixture.h"

namespace tarnix {
namespace {

using ui::headless::Click;
using ui::headless::Select;
using Lines = std::vector<std::string>;

class CheckLinesTest : public WatchdogTest {
 protected:
  void SetUp() override {
    store.AddFile(Winstart(), "@echo off\r\nrem one\r\n", attr::Hidden | attr::Archive);
    store.AddFile(Folder("Keep.lnk"), "k");
    store.AddFile(Folder("Drop.lnk"), "d");
    Rebuild();
    TakeSnapshot();
  }
  std::string Folder(const std::string& name) { return shellFolders.startup + "\\" + name; }
  void ChangeWinstart() {
    store.AddFile(Winstart(), "@echo off\r\nrem two\r\n", attr::Hidden | attr::Archive);
    Rebuild();
  }
};

// Change back writes the file even when read-only or gone since loading, keeping attributes.
TEST_F(CheckLinesTest, ChangeBackRestoresTheFileKeepingItsAttributes) {
  store.AddFile(Winstart(), "@echo off\r\nrem two\r\n", attr::ReadOnly | attr::Hidden);
  Rebuild();
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem one\r\n");
  EXPECT_EQ(store.GetFileAttributes(Winstart()), attr::ReadOnly | attr::Hidden);
  EXPECT_EQ(ws.views.winstart->Lines(), (Lines{"@echo off", "rem one"}));
  EXPECT_NE(Log().find("The changes in:" + Winstart() + " are cancelled\r\n" + kDivider +
                       "\r\n@echo off\r\nrem one\r\n" + kDivider + "\r\n"),
            std::string::npos);

  ChangeWinstart();
  EXPECT_TRUE(store.SetFileAttributes(Winstart(), attr::Normal));
  EXPECT_TRUE(store.DeleteFile(Winstart()));
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem one\r\n");
  EXPECT_TRUE(Errors().empty());
}

// Without its snapshot subkey a file is not restored; an empty snapshot restores an empty file.
TEST_F(CheckLinesTest, ChangeBackNeedsTheSnapshotSubkeyAndAnEmptyOneEmptiesTheFile) {
  EXPECT_TRUE(store.DeleteKey(Root::LocalMachine, SnapshotKeyPath("Winstart")));
  OnReport([](TForm1& r) { EXPECT_FALSE(Click(*r.btnCancel)); });
  EXPECT_TRUE(Check());
  EXPECT_FALSE(seen[0].changeBack);
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem one\r\n");
  ASSERT_TRUE(WriteSnapshotLines(store, SnapshotKeyPath("Winstart"), {}));
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.FileBytes(Winstart()), "");
}

TEST_F(CheckLinesTest, SaveListWritesTheEditedListToFileAndSnapshot) {
  store.AddFile(Winstart(), "@echo off\r\n  rem one\r\nrem extra\r\n");
  Rebuild();
  OnReport([this](TForm1& r) {
    // rem one (deleted, trimmed), rem one (added, trimmed), rem extra (added)
    EditLine(r, 3, "rem EXTRA edited");
    Select(*r.ListBox1, 2);
    Click(*r.Button1);
    Click(*r.btnSave);
  });
  EXPECT_TRUE(Check());
  const Lines saved = {"@echo off", "rem one", "rem EXTRA edited"};
  EXPECT_EQ(FileLines(Winstart()), saved);
  EXPECT_EQ(SnapshotLines("Winstart"), saved);
  EXPECT_NE(Log().find("are made manually\r\n" + kDivider +
                       "\r\n @echo off\r\n- rem one\r\n+rem EXTRA edited\r\n"),
            std::string::npos);
}

TEST_F(CheckLinesTest, AFileThatCannotBeReadIsNotCheckedAndNeverWritten) {
  store.SetFileFault(Winstart(), FileFault::Unreadable);
  Rebuild();
  EXPECT_FALSE(Check());
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(ErrorTexts(),
            std::vector<std::string>{"Cannot read " + Winstart() + ", so it was not checked."});
  store.ClearFaults();
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem one\r\n");
  EXPECT_EQ(SnapshotLines("Winstart"), (Lines{"@echo off", "rem one"}));
}

TEST_F(CheckLinesTest, FolderSaveListDeletesOnlyFilesTakenOutOfTheList) {
  store.AddFile(Folder("New.lnk"), "n");
  store.AddFile(Folder(" Spaced.lnk "), "s");
  Rebuild();
  OnReport([](TForm1& r) {
    EXPECT_FALSE(r.btnEdit->Enabled());
    // Keep.lnk, Drop.lnk unchanged; New.lnk, Spaced.lnk added (trimmed): drop Drop.lnk.
    for (int i = 0; i < r.ListBox1->Count(); ++i) {
      if (r.ListBox1->Item(i) == "Drop.lnk")
        Select(*r.ListBox1, i);
    }
    Click(*r.Button1);
    Click(*r.btnSave);
  });
  EXPECT_TRUE(Check());
  EXPECT_FALSE(seen[0].edit);
  EXPECT_FALSE(seen[0].changeBack);
  EXPECT_FALSE(store.FileBytes(Folder("Drop.lnk")));
  EXPECT_TRUE(store.FileBytes(Folder("Keep.lnk")));
  EXPECT_TRUE(store.FileBytes(Folder("New.lnk")));
  EXPECT_TRUE(store.FileBytes(Folder(" Spaced.lnk ")));
  EXPECT_EQ(ws.views.lsbStart->Count(), 3);
}

// A Shell Folders value naming no folder must not replace the approved group listing.
TEST_F(CheckLinesTest, AFolderValueThatNamesNoFolderIsNotCheckedAndKeepsItsSnapshot) {
  const std::string shellKey =
      "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  const std::string notChecked =
      "The folder of the group \"Startup\" is not known (HKEY_CURRENT_USER" + shellKey +
      "\\StartUp names no folder), so it was not checked.";
  store.AddFile("C:\\a file", "x");
  for (const std::string value : {"", "C:\\does\\not\\exist", "C:\\a file"}) {
    store.SetString(Root::CurrentUser, shellKey, "StartUp", value);
    Rebuild();
    EXPECT_FALSE(Check()) << value;
    const auto told = toolkit.TakeMessages();
    ASSERT_EQ(told.size(), 1u) << value;
    EXPECT_EQ(told[0].text, notChecked);
    ASSERT_TRUE(SaveSnapshot(ws));
    EXPECT_EQ(SnapshotLines("Startup"), (std::vector<std::string>{"Drop.lnk", "Keep.lnk"}))
        << value;
    EXPECT_FALSE(NothingChangedSinceSnapshot(store, ws.catalogue));
    toolkit.TakeMessages();
  }
}

// No to the save question leaves the typed load value unsaved but compared.
TEST_F(CheckLinesTest, SectionsAreReportedInTheirFixedOrderBetweenOneStartAndEndLine) {
  store.AddFile(Folder("New.lnk"), "n");
  store.SetString(Root::CurrentUser, kRun, "New", "new.exe");
  ChangeWinstart();
  UserEdit(*ws.views.load, "x.exe");
  toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  for (int i = 0; i < 4; ++i) OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 4u);
  const std::vector<std::string> order = {Winstart(), shellFolders.startup + "\\",
                                          Place("HKCU_Run"), Place("Winini") + " Parameter Load="};
  size_t at = Log().find("Start check ");
  EXPECT_EQ(at, 0u);
  for (size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(seen[i].heading, order[i]);
    at = Log().find("Changes found in:" + order[i] + "\r\n", at);
    EXPECT_NE(at, std::string::npos) << order[i];
  }
  EXPECT_NE(Log().find("End check ", at), std::string::npos);
  EXPECT_EQ(Log().find("Start check ", 1), std::string::npos);
  EXPECT_EQ(store.ReadProfileString("win.ini", "windows", "load", "none"), "none");
  EXPECT_EQ(ws.views.load->Text(), "");
}

TEST_F(CheckLinesTest, TheSaveQuestionSavesFilesButNotTheSnapshot) {
  UserEdit(*ws.views.winstart, {"@echo off", "rem typed"});
  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  EXPECT_EQ(Boxes(toolkit).at(0),
            "mform | Attention! | 68 | The data were changed! Save before check ?");
  EXPECT_EQ(FileLines(Winstart()), (Lines{"@echo off", "rem typed"}));
  EXPECT_EQ(SnapshotLines("Winstart"), (Lines{"@echo off", "rem one"}));
  EXPECT_FALSE(AnyTextModified(ws));
  EXPECT_FALSE(ws.dataChanged);
}

TEST_F(CheckLinesTest, EditsThatCannotBeSavedStopTheCheckAndStayEdited) {
  store.SetFileFault(Winstart(), FileFault::Locked);
  UserEdit(*ws.views.winstart, {"rem typed"});
  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  EXPECT_THROW(Check(), StoreError);
  EXPECT_EQ(ws.views.winstart->Lines(), Lines{"rem typed"});
  EXPECT_TRUE(ws.views.winstart->Modified());
  EXPECT_EQ(Log(), "");
}

// Text files the page cannot show or read: never write back what nobody has seen.
// A winstart.bat of 10,000 lines with a NUL byte in line 5,001.
std::string LongFileWithNul(const std::string& appended = "") {
  std::string bytes;
  for (int i = 1; i <= 10000; ++i) {
    std::string line = "rem line " + std::to_string(i);
    if (i == 5001)
      line += std::string(1, '\0') + "hidden";
    bytes += line + "\r\n";
  }
  return bytes + appended;
}

class TextFilesTest : public WatchdogTest {
 protected:
  void SetUp() override {
    store.AddFile(Winstart(), LongFileWithNul());
    Rebuild();
    TakeSnapshot();
  }
};

TEST_F(TextFilesTest, APageThatCannotShowItsFileIsReadOnlySaysWhyAndIsNeverWrittenBack) {
  ui::TextPage& page = *ws.views.winstart;
  EXPECT_TRUE(page.ReadOnly());
  EXPECT_EQ(page.Lines().size(), 5001u);
  EXPECT_EQ(ws.views.status->PanelText(0),
            Winstart() +
                " is shown read-only: from line 5001 on it holds what the page cannot "
                "show.");

  ui::headless::TypeText(*mainForm, "x");
  UserEdit(page, {"x"});
  SaveAll(ws);
  EXPECT_EQ(store.FileBytes(Winstart()), LongFileWithNul());
  EXPECT_EQ(SnapshotLines("Winstart")->size(), 10000u);

  store.AddFile(Winstart(), "@echo off\r\n");
  Rebuild();
  EXPECT_FALSE(page.ReadOnly());
  EXPECT_EQ(ws.views.status->PanelText(0), "");
}

TEST_F(TextFilesTest, ChangeBackRestoresTheWholeFileBeyondTheNul) {
  store.AddFile(Winstart(), LongFileWithNul("start intruder.exe\r\n"));
  Rebuild();
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.FileBytes(Winstart()), LongFileWithNul());
}

using UnreadableTextTest = WatchdogTest;

TEST_F(UnreadableTextTest, AFirstLaunchMakesNoSnapshotForItSoItCanNeverBeEmptiedLater) {
  store.AddFile(Winstart(), "@echo off\r\nrem one\r\n");
  store.SetFileFault(Winstart(), FileFault::Unreadable);
  Rebuild();
  EXPECT_FALSE(Check());
  EXPECT_EQ(firstLaunches, 1);
  EXPECT_TRUE(WasShown(
      "These places could not be read, so they were left out of the snapshot and keep the one "
      "they had:\r\n" +
      Winstart() + "\r\n"));
  EXPECT_EQ(SnapshotLines("Winstart"), std::nullopt);

  // Readable again: the lines are reported, but nothing offers to empty the file.
  store.ClearFaults();
  Rebuild();
  OnReport([](TForm1& r) {
    EXPECT_FALSE(r.btnCancel->Enabled());
    Click(*r.BitBtn1);
  });
  EXPECT_TRUE(Check());
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem one\r\n");
}

}  // namespace
}  // namespace tarnix
