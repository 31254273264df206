#include "watchdog_fixture.h"

namespace tarnix {
namespace {

class LogTest : public WatchdogTest {
 protected:
  LogTest() : WatchdogTest(PlatformPreset::Windows98) {}
};

TEST_F(LogTest, AConfirmedAutoexecLineIsLoggedByteForByte) {
  store.AddFile("C:\\AUTOEXEC.BAT", "PATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND\r\nPROMPT $p$g\r\n");
  Rebuild();
  TakeSnapshot();
  store.AddFile("C:\\AUTOEXEC.BAT",
                "PATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND\r\nSET TEMP=C:\\TEMP\r\nPROMPT $p$g\r\n");
  Rebuild();
  store.SetNow({2026, 12, 5, 16, 44, 3});
  store.AddFile(kLogPath, "an earlier check\r\n");
  OnReport([this](TForm1& r) {
    store.SetNow({2026, 12, 5, 16, 44, 9});
    ui::headless::Click(*r.BitBtn2);
  });

  EXPECT_TRUE(Check());
  EXPECT_EQ(Log(),
            "an earlier check\r\n"
            "Start check 05.12.2026 at:16:44:03\r\n"
            "Changes found in:C:\\AUTOEXEC.BAT\r\n"
            "-------------------------------------------------------\r\n"
            " PATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND\r\n"
            "+SET TEMP=C:\\TEMP\r\n"
            " PROMPT $p$g\r\n"
            "-------------------------------------------------------\r\n"
            "The changes in:C:\\AUTOEXEC.BAT are confirmed\r\n"
            "-------------------------------------------------------\r\n"
            "End check              at:16:44:09\r\n"
            "-------------------------------------------------------\r\n");
  // OK took the file's lines as they are now.
  EXPECT_EQ(SnapshotLines("Autoexec"),
            (std::vector<std::string>{"PATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND", "SET TEMP=C:\\TEMP",
                                      "PROMPT $p$g"}));
  EXPECT_FALSE(Check());
}

TEST_F(LogTest, ALineTheCodePageCannotHoldIsSpelledOutAndTheOthersStayAsTheyAre) {
  store.SetString(Root::CurrentUser, kRun, "Tool", "C:\\M\xC3\xBCller\\tool.exe");
  Rebuild();
  TakeSnapshot();
  store.SetString(Root::CurrentUser, kRun, "Chat", "C:\\\xE5\xBE\xAE\xE4\xBF\xA1\\wx.exe");
  OnReportClick(&TForm1::btnCancel);

  EXPECT_TRUE(Check());
  EXPECT_TRUE(Errors().empty());
  EXPECT_FALSE(store.Value(Root::CurrentUser, kRun, "Chat"));
  const std::string label = Place("HKCU_Run");
  EXPECT_NE(Log().find("Changes found in:" + label + "\r\n" + kDivider +
                       "\r\n C:\\M\xFCller\\tool.exe\r\n+C:\\<U+5FAE><U+4FE1>\\wx.exe\r\n" +
                       kDivider + "\r\nThe changes in:" + label + " are cancelled\r\n" + kDivider +
                       "\r\nC:\\M\xFCller\\tool.exe\r\n" + kDivider + "\r\nEnd check "),
            std::string::npos);
}

TEST_F(LogTest, ShowOpensTheLogMaximizedOwnedByTheMainWindow) {
  ShowHistoryLog(ws);
  toolkit.SetShellExecuteResult(2);  // no such file
  ShowHistoryLog(ws);
  const auto& call = toolkit.ShellCalls().at(0);
  EXPECT_EQ(call.owner + " " + call.verb + " " + call.file, "mform open " + std::string(kLogPath));
  EXPECT_EQ(call.showCommand, 3);
  EXPECT_EQ(Boxes(toolkit),
            std::vector<std::string>{"mform | Error! | 16 | Cannot open " + std::string(kLogPath)});
}

// Told once, the restart offered once, and every decision is still carried out.
TEST_F(LogTest, ALogWriteRefusedForLackOfRightsOffersTheRestartOnceAndTheCheckGoesOn) {
  store.AddFile(Winstart(), "a\r\n");
  store.SetString(Root::CurrentUser, kRun, "Tool", "tool.exe");
  Rebuild();
  TakeSnapshot();
  store.AddFile(Winstart(), "a\r\nb\r\n");
  store.SetString(Root::CurrentUser, kRun, "New", "new.exe");
  Rebuild();
  toolkit.SetElevated(false);
  store.AddFile(kLogPath, "old\r\n");
  store.SetFileFault(kLogPath, FileFault::WriteDenied);
  OnReportClick(&TForm1::BitBtn2);
  OnReportClick(&TForm1::btnCancel);
  toolkit.AnswerNextMessageBox(ui::mb::IdNo);

  EXPECT_TRUE(Check());
  EXPECT_EQ(ErrorTexts(),
            std::vector<std::string>{std::string("Cannot write to history log ") + kLogPath});
  EXPECT_EQ(toolkit.Messages().back().style, ui::mb::YesNo | ui::mb::IconQuestion);
  EXPECT_EQ(toolkit.PendingAnswers(), 0);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(SnapshotLines("Winstart"), (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(store.Value(Root::CurrentUser, kRun, "New"));
  EXPECT_EQ(Log(), "old\r\n");
}

TEST_F(LogTest, ClearAsksAndDeletesOnlyOnYes) {
  store.AddFile(kLogPath, "old\r\n");
  toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  ClearHistoryLog(ws);
  EXPECT_EQ(Log(), "old\r\n");
  EXPECT_EQ(Boxes(toolkit), std::vector<std::string>{
                                "mform | Attention! | 68 | Are you sure to clear history log ?"});

  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  ClearHistoryLog(ws);
  EXPECT_FALSE(store.FileBytes(kLogPath));
  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  ClearHistoryLog(ws);
  EXPECT_EQ(Errors().size(), 0u);
}

TEST(WatchdogLogText, DatesAndTextBeyondAscii) {
  EXPECT_EQ(ShortDate({2026, 1, 2, 3, 4, 5}), "02.01.2026");
  EXPECT_EQ(SpellOutBeyondAscii("a\xC3\xA4\xF0\x9F\x98\x80 b"), "a<U+00E4><U+1F600> b");
  EXPECT_EQ(SpellOutBeyondAscii("\xC2\x80\x7F"), "<U+0080>\x7F");
}

const char kLocalLog[] = "C:\\Users\\ann\\AppData\\Local\\Tarnix2\\tx2log.txt";

// A user who may not write under Program Files logs in the local folder, for every command.
class LogPlaceTest : public WatchdogTest {
 protected:
  LogPlaceTest() {
    store.AddFile(kLogPath, "admin's\r\n");
    TakeSnapshot();
  }
  void KnowLocalFolder() {
    store.AddFolder("C:\\Users\\ann\\AppData\\Local");
    store.SetString(Root::CurrentUser, kShellFoldersKey, "Local AppData",
                    "C:\\Users\\ann\\AppData\\Local");
  }
  void DenyProgramFolder() {
    store.SetFileFault("C:\\Program Files\\Tarnix2", FileFault::WriteDenied);
  }
};

TEST_F(LogPlaceTest, AUserWhoMayNotWriteBesideTheProgramLogsInTheLocalFolder) {
  KnowLocalFolder();
  DenyProgramFolder();
  EXPECT_FALSE(Check());
  EXPECT_TRUE(toolkit.Messages().empty());
  EXPECT_EQ(store.FileBytes(kLogPath), "admin's\r\n");
  EXPECT_EQ(store.FileBytes(kLocalLog).value_or("").rfind("Start check ", 0), 0u);

  ShowHistoryLog(ws);
  ASSERT_EQ(toolkit.ShellCalls().size(), 1u);
  EXPECT_EQ(toolkit.ShellCalls()[0].file, kLocalLog);
  toolkit.AnswerNextMessageBox(ui::mb::IdYes);
  ClearHistoryLog(ws);
  EXPECT_FALSE(store.FileBytes(kLocalLog));
  EXPECT_EQ(store.FileBytes(kLogPath), "admin's\r\n");
}

TEST_F(LogPlaceTest, TheLogBesideTheProgramStaysWhereItCanBeWritten) {
  KnowLocalFolder();
  EXPECT_FALSE(Check());
  EXPECT_EQ(store.FileBytes(kLogPath).value_or("").rfind("admin's\r\nStart check ", 0), 0u);
  EXPECT_EQ(store.GetFileAttributes("C:\\Users\\ann\\AppData\\Local\\Tarnix2"), kInvalidAttributes);
  ShowHistoryLog(ws);
  EXPECT_EQ(toolkit.ShellCalls().at(0).file, kLogPath);
}

// Without a folder of the user's own the refusal is told as before.
TEST_F(LogPlaceTest, WithoutALocalFolderTheRefusalIsTold) {
  DenyProgramFolder();
  toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  EXPECT_FALSE(Check());
  EXPECT_EQ(ErrorTexts(),
            std::vector<std::string>{std::string("Cannot write to history log ") + kLogPath});
}

}  // namespace
}  // namespace tarnix
