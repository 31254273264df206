#include "watchdog_fixture.h"

namespace tarnix {
namespace {

using ui::headless::MessageRecord;

class SaveTest : public WatchdogTest {
 protected:
  void SetUp() override {
    store.AddFile(Winstart(), "@echo off\r\nrem start\r\n", attr::Hidden | attr::Archive);
    store.SetString(Root::CurrentUser, kRun, "Tool", "tool.exe");
    store.SetValue(Root::LocalMachine, kRun, "Agent",
                   {regtype::ExpandString, "%ProgramFiles%\\a.exe"});
    EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "loader.exe"));
    store.AddFile(shellFolders.startup + "\\Mail.lnk", "lnk");
    Rebuild();
  }
};

TEST_F(SaveTest, SnapshotHoldsEverySectionAndSaysSo) {
  UserEdit(*ws.views.winstart, {"@echo off", "rem edited, not saved"});
  const RegValue binary{regtype::Binary, std::string("\x01\x00\x02", 3)};
  store.SetValue(Root::CurrentUser, kRun, "Blob", binary);
  ASSERT_TRUE(SaveSnapshot(ws));
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Information saved succesfully!");
  EXPECT_EQ(shown[0].caption, "Attention!");
  EXPECT_EQ(shown[0].style, 0x40u);
  EXPECT_EQ(shown[0].owner, "mform");

  EXPECT_EQ(SnapshotLines("Winstart"),
            (std::vector<std::string>{"@echo off", "rem edited, not saved"}));
  EXPECT_EQ(SnapshotLines("Autoexec"), std::vector<std::string>{});
  EXPECT_EQ(SnapshotLines("Startup"), std::vector<std::string>{"Mail.lnk"});
  EXPECT_EQ(SnapshotLines("Common Startup"), std::vector<std::string>{});
  const std::string save = "\\Software\\Movenda\\Tarnix2\\Save\\";
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "HKCU_Run", "Tool")->data, "tool.exe");
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "HKCU_Run", "Blob"), binary);
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "HKLM_Run", "Agent"),
            (RegValue{regtype::ExpandString, "%ProgramFiles%\\a.exe"}));
  // No live key: an empty list.
  EXPECT_EQ(ReadKeyValues(store, Root::LocalMachine, save + "HKLM_RunService")->size(), 0u);
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "Winini", "Load")->data, "loader.exe");
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "Winini", "Run")->data, "");
  TakeSnapshot();  // a second time gives the same snapshot
  toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  EXPECT_FALSE(Check());
}

TEST_F(SaveTest, ARefusedSnapshotWriteIsAnErrorNotASuccess) {
  store.RefuseWrite(Root::LocalMachine, "\\Software");
  EXPECT_FALSE(SaveSnapshot(ws));
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(
      shown[0].text,
      "Error with writing to registry. Possibly,  write access denied to HKLM\\Software\\...");
  EXPECT_EQ(shown[0].caption, "Error!");
  EXPECT_EQ(shown[0].style, 0x10u);
  EXPECT_EQ(shown[0].owner, "mform");
}

TEST_F(SaveTest, SaveWritesEditedPagesKeepingAttributesAndNothingElse) {
  store.AddFile(Place("Config"), "files=40\r\n");
  store.SetFileFault(Place("Config"), FileFault::Unreadable);
  Rebuild();
  UserEdit(*ws.views.winstart, {"@echo off", "rem new"});
  UserEdit(*ws.views.load, "other.exe");
  ws.dataChanged = true;

  SaveAll(ws);
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem new\r\n");
  EXPECT_EQ(store.GetFileAttributes(Winstart()), attr::Hidden | attr::Archive);
  EXPECT_EQ(store.FileWrites(Place("Config")), 0);   // unreadable, never truncated
  EXPECT_FALSE(store.FileBytes(Place("Autoexec")));  // missing, not created
  EXPECT_EQ(store.ReadProfileString("win.ini", "windows", "load", ""), "other.exe");
  EXPECT_EQ(SnapshotLines("Winstart"), (std::vector<std::string>{"@echo off", "rem new"}));
  EXPECT_TRUE(WasShown("Information saved succesfully!"));
  EXPECT_FALSE(AnyTextModified(ws));
  EXPECT_FALSE(ws.dataChanged);
}

TEST_F(SaveTest, AFileThatCannotBeWrittenKeepsItsMarkAndNoSnapshotIsTaken) {
  store.SetFileFault(Winstart(), FileFault::Locked);
  UserEdit(*ws.views.winstart, {"rem lost?"});
  SaveAll(ws);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].text, "Cannot create file " + Winstart());
  EXPECT_EQ(Errors()[0].style, 0x10u);
  EXPECT_FALSE(WasShown("Information saved succesfully!"));
  EXPECT_FALSE(SnapshotExists(store));
  EXPECT_TRUE(ws.views.winstart->Modified());
  EXPECT_TRUE(ws.dataChanged);
}

TEST_F(SaveTest, ALineBeyondTheCodePageIsNamedNotTakenForAPermissionProblem) {
  UserEdit(*ws.views.winstart, {"@echo off", "rem caf\u00e9 ok", "rem \u2713 done"});
  SaveAll(ws);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].text,
            "Line 3 of " + Winstart() +
                " holds a character that the file's code page cannot store, so nothing was "
                "written:\nrem \u2713 done");
  EXPECT_EQ(Errors()[0].style, 0x10u);
  EXPECT_EQ(Errors()[0].owner, "mform");
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem start\r\n");
  EXPECT_FALSE(SnapshotExists(store));
  EXPECT_TRUE(ws.views.winstart->Modified());
}

TEST_F(SaveTest, ARefusedWinIniWriteStopsSaveBeforeTheSnapshot) {
  store.RefuseProfileWrites();
  UserEdit(*ws.views.run, "r.exe");
  SaveAll(ws);
  EXPECT_EQ(ErrorTexts(),
            std::vector<std::string>{"Cannot write the load and run values to win.ini"});
  EXPECT_FALSE(SnapshotExists(store));
  EXPECT_TRUE(ws.views.run->Modified());
}

}  // namespace
}  // namespace tarnix
