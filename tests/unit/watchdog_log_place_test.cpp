#include "watchdog_fixture.h"

namespace tarnix {
namespace {

const char kShellFolders[] =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
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
    store.SetString(Root::CurrentUser, kShellFolders, "Local AppData",
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
