// The REGEDIT4 export: its bytes, the save dialog, the two closing boxes, and what a value
// the file cannot hold or a file that cannot be written does.
#include "runlists/export.h"
#include "unit/runlists_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kFile[] = "C:\\Backup\\tarnix.reg";
const std::string kHeader = "REGEDIT4\r\n\r\n";
const std::string kMachineRun =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n";
const std::string kServices =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices]\n";
const std::string kUserRun =
    "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n";

class ExportTest : public RunListsTest {
 protected:
  void SetUp() override {
    RunListsTest::SetUp();
    store.AddFolder("C:\\Backup");
  }
  void EmptyRunKeys() {
    EXPECT_TRUE(store.DeleteKey(Root::LocalMachine, kRunKey));
    EXPECT_TRUE(store.DeleteKey(Root::LocalMachine, kRunServicesKey));
    EXPECT_TRUE(store.DeleteKey(Root::CurrentUser, kRunKey));
  }
  std::string File() { return store.FileBytes(kFile).value_or("<none>"); }
  void ExportByToolbar() {
    toolkit.QueueSaveFile(std::string(kFile));
    Click(*Main().ToolButton5);
  }
};

TEST_F(ExportTest, TheWorkedExampleByteForByte) {
  EmptyRunKeys();
  store.SetString(Root::LocalMachine, kRunKey, "MyApp", "C:\\Tools\\app.exe /s");
  WhileRunning([&] { ExportByToolbar(); });
  EXPECT_EQ(File(), kHeader + kMachineRun + "\"MyApp\"=\"C:\\\\Tools\\\\app.exe /s\"\r\n\r\n" +
                        kServices + "\r\n" + kUserRun + "\r\n");
}

TEST_F(ExportTest, EmptyListsStillGiveAllThreeKeys) {
  EmptyRunKeys();
  WhileRunning([&] { ExportByToolbar(); });
  EXPECT_EQ(File(), kHeader + kMachineRun + "\r\n" + kServices + "\r\n" + kUserRun + "\r\n");
}

TEST_F(ExportTest, NamesAndDataAreEscapedAndTypedValuesKeepTheirType) {
  store.SetString(Root::CurrentUser, kRunKey, "Dir\\\"Q\" é", "\"C:\\a b\\x.exe\" /é");
  store.SetValue(Root::CurrentUser, kRunKey, "Exp", {regtype::ExpandString, "%A%\\é"});
  store.SetValue(Root::CurrentUser, kRunKey, "Num", {regtype::Dword, std::string("\x2a\0\0\0", 4)});
  // "é", "two" as the registry keeps a multi-string: UTF-16, each with its zero, one more zero.
  store.SetValue(Root::CurrentUser, kRunKey, "Multi",
                 {regtype::MultiString, std::string("\xE9\0\0\0t\0w\0o\0\0\0\0\0", 14)});
  store.SetString(Root::CurrentUser, kRunKey, "Lines", "a.exe\r\n@=dword:00000001");
  store.SetString(Root::CurrentUser, kRunKey, "Empty", "");
  WhileRunning([&] { ExportByToolbar(); });
  EXPECT_EQ(File(), kHeader + kMachineRun + "\"Tray\"=\"C:\\\\Tools\\\\tray.exe\"\r\n\r\n" +
                        kServices + "\"Spooler\"=\"spool.exe\"\r\n\r\n" + kUserRun +
                        "\"Mail\"=\"mail.exe /q\"\r\n"
                        "\"Dir\\\\\\\"Q\\\" \xE9\"=\"\\\"C:\\\\a b\\\\x.exe\\\" /\xE9\"\r\n"
                        "\"Exp\"=hex(2):25,41,25,5c,e9,00\r\n"
                        "\"Num\"=dword:0000002a\r\n"
                        "\"Multi\"=hex(7):e9,00,74,77,6f,00,00\r\n"
                        "\"Lines\"=hex(1):61,2e,65,78,65,0d,0a,40,3d,64,77,6f,72,64,3a,30,30,30,"
                        "30,30,30,30,31,00\r\n"
                        "\"Empty\"=\"\"\r\n\r\n");
}

// What another program changed since the lists were read is exported as it is now.
TEST_F(ExportTest, TheRunListsAsTheyAreNow) {
  WhileRunning([&] {
    DeleteLine(0, 0);
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "changed.exe");
    store.SetString(Root::CurrentUser, kRunKey, "New", "new.exe");
    ExportByToolbar();
  });
  EXPECT_EQ(File(), kHeader + kMachineRun + "\r\n" + kServices +
                        "\"Spooler\"=\"spool.exe\"\r\n\r\n" + kUserRun +
                        "\"Mail\"=\"changed.exe\"\r\n\"New\"=\"new.exe\"\r\n\r\n");
}

TEST_F(ExportTest, TheSaveDialogProposesTarnixRegInTheWindowsFolder) {
  WhileRunning([&] {
    toolkit.TakeMessages();
    toolkit.QueueSaveFile(std::nullopt);
    Click(*Main().ToolButton5);
  });
  ASSERT_EQ(toolkit.FileDialogs().size(), 1u);
  const FileDialogRecord& dialog = toolkit.FileDialogs()[0];
  EXPECT_TRUE(dialog.save);
  EXPECT_EQ(dialog.spec.fileName, "tarnix.reg");
  EXPECT_EQ(dialog.spec.filter, "*.reg|*.reg");
  EXPECT_EQ(dialog.spec.defaultExtension, "REG");
  EXPECT_EQ(dialog.spec.initialFolder, "C:\\WINDOWS");
  EXPECT_TRUE(toolkit.Messages().empty());
  EXPECT_FALSE(store.FileBytes(kFile).has_value());
}

TEST_F(ExportTest, TheToolbarAndTheMenuCloseWithDifferentBoxes) {
  WhileRunning([&] {
    toolkit.TakeMessages();
    ExportByToolbar();
    Focus(List(2));
    toolkit.QueueSaveFile(std::string(kFile));
    PressKey(MainForm(), ui::vk::Key('S'), {false, true, false});
  });
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, kFile);
  EXPECT_EQ(shown[0].caption, "Registry key's Run,RunServices saved!");
  EXPECT_EQ(shown[0].style, ui::mb::Ok);
  EXPECT_EQ(shown[1].text, kFile);
  EXPECT_EQ(shown[1].caption, "File created successfully!");
  EXPECT_EQ(shown[1].style, ui::mb::IconInfo);
  EXPECT_EQ(store.FileWrites(kFile), 2);
}

TEST_F(ExportTest, AnEntryTheCodePageCannotHoldIsNamedAndTheOldFileKept) {
  store.AddFile(kFile, "old");
  store.SetString(Root::CurrentUser, kRunKey, "日本", "x.exe");
  store.SetString(Root::LocalMachine, kRunKey, "Check", "✓.exe");
  WhileRunning([&] {
    toolkit.TakeMessages();
    ExportByToolbar();
  });
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(toolkit.Messages()[0].text,
            "The entry \"Check\" of "
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run "
            "holds a character that a REGEDIT4 file cannot hold. Nothing was written.");
  EXPECT_EQ(toolkit.Messages()[0].style, ui::mb::IconStop);
  EXPECT_EQ(File(), "old");
}

// A name ends where its quotes end: one that holds a line break cannot be written at all.
TEST_F(ExportTest, ANameWithALineBreakIsNamedAndTheOldFileKept) {
  store.AddFile(kFile, "old");
  store.SetString(Root::CurrentUser, kRunKey, "Two\r\n[HKEY_LOCAL_MACHINE\\X]", "x.exe");
  WhileRunning([&] {
    toolkit.TakeMessages();
    ExportByToolbar();
  });
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_NE(toolkit.Messages()[0].text.find("holds a line break or another control character"),
            std::string::npos);
  EXPECT_EQ(File(), "old");
}

TEST_F(ExportTest, AFileThatCannotBeCreatedIsReportedWithoutTheClosingBox) {
  store.AddFile(kFile, "old");
  for (FileFault fault : {FileFault::Uncreatable, FileFault::WriteDenied}) {
    store.SetFileFault(kFile, fault);
    WhileRunning([&] {
      toolkit.TakeMessages();
      ExportByToolbar();
    });
    // A denied file is told like any other: no offer to restart follows.
    ASSERT_EQ(toolkit.Messages().size(), 1u);
    EXPECT_EQ(toolkit.Messages()[0].text, std::string("Cannot create file ") + kFile);
    EXPECT_EQ(toolkit.Messages()[0].caption, "Error!");
    EXPECT_EQ(toolkit.Messages()[0].owner, "mform");
    EXPECT_EQ(toolkit.Messages()[0].style, ui::mb::Ok | ui::mb::IconStop);
    EXPECT_EQ(File(), "old");
  }
}

TEST_F(ExportTest, ExportingTwiceReplacesTheFirstFile) {
  WhileRunning([&] {
    ExportByToolbar();
    DeleteLine(2, 0);
    ExportByToolbar();
  });
  EXPECT_EQ(File(), kHeader + kMachineRun + "\"Tray\"=\"C:\\\\Tools\\\\tray.exe\"\r\n\r\n" +
                        kServices + "\"Spooler\"=\"spool.exe\"\r\n\r\n" + kUserRun + "\r\n");
}

}  // namespace
}  // namespace tarnix
