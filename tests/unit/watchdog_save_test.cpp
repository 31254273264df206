#include "unit/shown_boxes.h"
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

using Lines = std::vector<std::string>;

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
  EXPECT_EQ(Boxes(toolkit), Lines{"mform | Attention! | 64 | Information saved succesfully!"});

  EXPECT_EQ(SnapshotLines("Winstart"), (Lines{"@echo off", "rem edited, not saved"}));
  EXPECT_EQ(SnapshotLines("Autoexec"), Lines{});
  EXPECT_EQ(SnapshotLines("Startup"), Lines{"Mail.lnk"});
  EXPECT_EQ(SnapshotLines("Common Startup"), Lines{});
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
  EXPECT_EQ(Boxes(toolkit),
            Lines{"mform | Error! | 16 | Error with writing to registry. Possibly,  "
                  "write access denied to HKLM\\Software\\..."});
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
  EXPECT_EQ(SnapshotLines("Winstart"), (Lines{"@echo off", "rem new"}));
  EXPECT_TRUE(WasShown("Information saved succesfully!"));
  EXPECT_FALSE(AnyTextModified(ws));
  EXPECT_FALSE(ws.dataChanged);
}

TEST_F(SaveTest, AFileThatCannotBeWrittenKeepsItsMarkAndNoSnapshotIsTaken) {
  store.SetFileFault(Winstart(), FileFault::Locked);
  UserEdit(*ws.views.winstart, {"rem lost?"});
  SaveAll(ws);
  EXPECT_EQ(Boxes(toolkit), Lines{"mform | Error! | 16 | Cannot create file " + Winstart()});
  EXPECT_FALSE(SnapshotExists(store));
  EXPECT_TRUE(ws.views.winstart->Modified());
  EXPECT_TRUE(ws.dataChanged);
}

TEST_F(SaveTest, ALineBeyondTheCodePageIsNamedNotTakenForAPermissionProblem) {
  UserEdit(*ws.views.winstart, {"@echo off", "rem caf\u00e9 ok", "rem \u2713 done"});
  SaveAll(ws);
  EXPECT_EQ(Boxes(toolkit), Lines{"mform | Error! | 16 | Line 3 of " + Winstart() +
                                  " holds a character that the file's code page cannot store, so "
                                  "nothing was written:\nrem \u2713 done"});
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
