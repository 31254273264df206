// The check of the logon lists: views, Winlogon values, RunOnce, and an empty snapshot.
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

const char kVersion[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kWinlogon[] = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

class LogonListsTest : public WatchdogTest {
 protected:
  void SetUp() override {
    store.SetString(Root::LocalMachine, kRun, "Base", "base.exe");
    store.SetString(Root::LocalMachine, kWinlogon, "Shell", "explorer.exe");
    store.SetString(Root::LocalMachine, kWinlogon, "Userinit", "userinit.exe,");
    store.SetString(Root::LocalMachine, kWinlogon, "DefaultUserName", "me");
    Put(6, "Once", "setup.exe /finish");
    Put(6, "Twice", "b.exe");
    Rebuild();
    TakeSnapshot();
  }
  OpenedKey Open(int runList) {
    const RunKeyLocation where = RunListKey(runList);
    return store.OpenKey(where.root, where.path, true, where.view);
  }
  void Put(int runList, const std::string& name, const std::string& command) {
    ASSERT_TRUE(Open(runList)->WriteString(name, command));
  }
  // The snapshot as one saved before these lists were watched.
  void ForgetTheLists() {
    for (const char* key : {"HKLM32_Run", "HKLM_RunOnce", "HKLM32_RunOnce", "HKCU_RunOnce",
                            "HKLM_PolicyRun", "HKCU_PolicyRun", "Winlogon"})
      ASSERT_TRUE(store.DeleteKey(Root::LocalMachine, SnapshotKeyPath(key)));
  }
  std::string Get(int runList, const std::string& name) {
    return Open(runList)->ReadValue(name).value_or(RegValue{0, "<none>"}).data;
  }
};

TEST_F(LogonListsTest, ANewEntryInEachListIsReportedAndChangedBackInItsView) {
  for (int runList = kRunListCount; runList < kRegistryListCount - 1; ++runList) {
    SCOPED_TRACE(runList);
    seen.clear();
    Put(runList, "Intruder", "evil.exe");
    OnReportClick(&TForm1::btnCancel);
    EXPECT_TRUE(Check());
    const std::string place = ws.catalogue.RunList(runList).place;
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].heading, place);
    EXPECT_EQ(seen[0].lines.back(), (ChangeLine{"evil.exe", ChangeMark::Added}));
    EXPECT_EQ(Get(runList, "Intruder"), "<none>");
    EXPECT_NE(Log().find("The changes in:" + place + " are cancelled"), std::string::npos);
  }
  EXPECT_EQ(store.Value(Root::LocalMachine, kRun, "Base"), (RegValue{regtype::String, "base.exe"}));
}

TEST_F(LogonListsTest, AnExtendedShellIsReportedByNameAndChangedBackAloneOfItsKey) {
  store.SetString(Root::LocalMachine, kWinlogon, "Shell", "explorer.exe evil.exe");
  store.SetString(Root::LocalMachine, kWinlogon, "DefaultUserName", "other");
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].lines,
            (std::vector<ChangeLine>{{"Shell=explorer.exe", ChangeMark::Deleted},
                                     {"Shell=explorer.exe evil.exe", ChangeMark::Added},
                                     {"Userinit=userinit.exe,", ChangeMark::Unchanged}}));
  EXPECT_EQ(Get(9, "Shell"), "explorer.exe");
  EXPECT_EQ(Get(9, "DefaultUserName"), "other");
  EXPECT_EQ(ReadKeyValues(store, Root::LocalMachine, SnapshotKeyPath("Winlogon"))->size(), 2u);
  // Swapped values are a change, although every command is still there.
  store.SetString(Root::LocalMachine, kWinlogon, "Shell", "userinit.exe,");
  store.SetString(Root::LocalMachine, kWinlogon, "Userinit", "explorer.exe");
  EXPECT_FALSE(NothingChangedSinceSnapshot(store, ws.catalogue));
}

TEST_F(LogonListsTest, ARunOnceEntryThatRanIsNoChangeAndChangeBackNeverMakesItAgain) {
  ASSERT_TRUE(Open(6)->DeleteValue("Once"));
  EXPECT_TRUE(NothingChangedSinceSnapshot(store, ws.catalogue));
  EXPECT_FALSE(Check());
  Put(6, "Twice", "b.exe /evil");
  Put(6, "New", "n.exe");
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].lines, (std::vector<ChangeLine>{{"b.exe", ChangeMark::Deleted},
                                                    {"b.exe /evil", ChangeMark::Added},
                                                    {"n.exe", ChangeMark::Added}}));
  EXPECT_EQ(Get(6, "Twice"), "b.exe");
  EXPECT_EQ(Get(6, "New") + Get(6, "Once"), "<none><none>");
}

TEST_F(LogonListsTest, AnEarlierSnapshotTakesTheListsInQuietlyWithOneLogLine) {
  ForgetTheLists();
  Put(3, "Old32", "old32.exe");
  EXPECT_FALSE(NothingChangedSinceSnapshot(store, ws.catalogue));
  EXPECT_FALSE(Check());
  EXPECT_TRUE(seen.empty());
  const std::string line =
      "Taken into the snapshot without a report, as it held nothing of them yet: ";
  const size_t at = Log().find(line);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(Log().find(line, at + 1), std::string::npos);
  EXPECT_NE(Log().find(ws.catalogue.RunList(9).place + "\r\n", at), std::string::npos);
  EXPECT_TRUE(store.Value(Root::LocalMachine, SnapshotKeyPath("HKLM32_Run"), "Old32"));
  EXPECT_TRUE(NothingChangedSinceSnapshot(store, ws.catalogue));
  Put(3, "New32", "new32.exe");
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
}

TEST_F(LogonListsTest, ATakeInThatIsRefusedIsToldOnceAndReportsNothing) {
  ForgetTheLists();
  store.RefuseWrite(Root::LocalMachine, kSnapshotRoot);
  Put(4, "Intruder", "evil.exe");
  EXPECT_FALSE(Check());
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(ErrorTexts(), std::vector<std::string>{kSnapshotWriteError});
  EXPECT_EQ(Log().find("Taken into the snapshot"), std::string::npos);
}

}  // namespace
}  // namespace tarnix
