#include "watchdog_fixture.h"

namespace tarnix {
namespace {

using ui::headless::Click;

class CheckRunsTest : public WatchdogTest {
 protected:
  void SetUp() override {
    store.SetString(Root::CurrentUser, kRun, "Tool", "tool.exe /min");
    store.SetValue(Root::CurrentUser, kRun, "Agent",
                   {regtype::ExpandString, "%ProgramFiles%\\a.exe"});
    store.SetString(Root::LocalMachine, kRun, "Base", "base.exe");
    Rebuild();
    TakeSnapshot();
  }
  std::optional<RegValue> Live(const std::string& name) {
    return store.Value(Root::CurrentUser, kRun, name);
  }
  std::optional<RegValue> Saved(const std::string& name) {
    return store.Value(Root::LocalMachine, SnapshotKeyPath("HKCU_Run"), name);
  }
};

TEST_F(CheckRunsTest, ANewValueIsReportedAddedWithOnlyChangeBackOffered) {
  store.SetString(Root::CurrentUser, kRun, "Intruder", "evil.exe");
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].heading,
            "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(seen[0].lines.back(), (ChangeLine{"evil.exe", ChangeMark::Added}));
  EXPECT_TRUE(seen[0].changeBack);
  EXPECT_FALSE(seen[0].edit || seen[0].deleteLine || seen[0].saveList);
  // The buttons are editable again for the next report.
  EXPECT_TRUE(report.btnEdit->Enabled() && report.Button1->Enabled() && report.btnSave->Enabled());
}

TEST_F(CheckRunsTest, ChangeBackRestoresTypesDeletesNewValuesAndKeepsTheKeyAndSubkeys) {
  store.SetString(Root::CurrentUser, kRun, "Intruder", "evil.exe");
  store.SetString(Root::CurrentUser, std::string(kRun) + "\\OtherTool", "x", "1");
  ASSERT_TRUE(store.OpenKey(Root::CurrentUser, kRun, false)->DeleteValue("Agent"));
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_FALSE(Live("Intruder"));
  EXPECT_EQ(Live("Agent"), (RegValue{regtype::ExpandString, "%ProgramFiles%\\a.exe"}));
  EXPECT_TRUE(store.Value(Root::CurrentUser, std::string(kRun) + "\\OtherTool", "x"));
  EXPECT_NE(Log().find(" are cancelled\r\n" + kDivider +
                       "\r\ntool.exe /min\r\n%ProgramFiles%\\a.exe\r\n"),
            std::string::npos);
  EXPECT_EQ(ws.views.runLists[2]->Items(), (std::vector<std::string>{"Tool", "Agent"}));
  EXPECT_FALSE(Check());
}

TEST_F(CheckRunsTest, ConfirmCopiesTheLiveValuesWithTheirTypes) {
  store.SetValue(Root::CurrentUser, kRun, "Count", Dword(42));
  OnReport([](TForm1& r) {
    EXPECT_EQ(r.List().back(), (ChangeLine{"dword:0000002a", ChangeMark::Added}));
    Click(*r.BitBtn2);
  });
  EXPECT_TRUE(Check());
  EXPECT_EQ(Saved("Count"), Dword(42));
  EXPECT_EQ(Saved("Agent")->type, regtype::ExpandString);
  EXPECT_FALSE(Check());
  store.SetValue(Root::CurrentUser, kRun, "Count", Dword(43));
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  EXPECT_EQ(seen.back().lines.back(), (ChangeLine{"dword:0000002b", ChangeMark::Added}));
}

// A key that does not exist is an empty list: its entries are gone, and OK approves that.
TEST_F(CheckRunsTest, AGoneRunKeyIsReportedConfirmEmptiesItsSnapshotChangeBackRecreatesIt) {
  EXPECT_TRUE(store.DeleteKey(Root::CurrentUser, kRun));
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(seen[0].lines.size(), 2u);
  EXPECT_EQ(Live("Tool")->data, "tool.exe /min");
  EXPECT_TRUE(store.DeleteKey(Root::CurrentUser, kRun));
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(ReadKeyValues(store, Root::LocalMachine, SnapshotKeyPath("HKCU_Run"))->size(), 0u);
  EXPECT_FALSE(Check());
}

// A briefly unreadable key must not cost the approved list nor approve what nobody saw.
TEST_F(CheckRunsTest, AnUnreadableKeyIsToldOnceAndNeitherReportedNorApprovedUntilItCanBeRead) {
  const std::string place = Place("HKCU_Run");
  store.SetString(Root::CurrentUser, kRun, "Hidden", "hidden.exe");
  store.RefuseOpen(Root::CurrentUser, kRun);
  // Another place changes too, and the user approves whatever is shown.
  store.SetString(Root::LocalMachine, kRun, "Also", "also.exe");
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].heading.find("HKEY_LOCAL_MACHINE"), 0u);
  EXPECT_EQ(ErrorTexts(),
            std::vector<std::string>{"Cannot read " + place + ", so it was not checked."});
  EXPECT_EQ(Log().find(place), std::string::npos);
  EXPECT_TRUE(Saved("Tool") && Saved("Agent"));
  EXPECT_FALSE(Saved("Hidden"));
  EXPECT_FALSE(NothingChangedSinceSnapshot(store, ws.catalogue));

  store.ClearFaults();
  seen.clear();
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].lines,
            (std::vector<ChangeLine>{{"tool.exe /min", ChangeMark::Unchanged},
                                     {"%ProgramFiles%\\a.exe", ChangeMark::Unchanged},
                                     {"hidden.exe", ChangeMark::Added}}));
}

// Closing the report decides nothing; only decisions carried out are logged.
TEST_F(CheckRunsTest, ClosingChangesNothingAndOnlyADecisionCarriedOutIsLogged) {
  store.SetValue(Root::CurrentUser, kRun, "Intruder", {regtype::ExpandString, "%T%\\e.exe"});
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  EXPECT_EQ(Live("Intruder"), (RegValue{regtype::ExpandString, "%T%\\e.exe"}));
  EXPECT_FALSE(Saved("Intruder"));
  EXPECT_EQ(Log().find(" are "), std::string::npos);
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  EXPECT_NE(Log().find(Place("HKCU_Run") + " are confirmed"), std::string::npos);
}

class CheckWininiTest : public WatchdogTest {
 protected:
  void SetUp() override {
    EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "old-load.exe"));
    EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "run", "old-run.exe"));
    Rebuild();
    TakeSnapshot();
  }
  std::string Ini(const char* key) {
    return store.ReadProfileString("win.ini", "windows", key, "");
  }
  std::string Saved(const char* name) {
    const StoredWinini saved = ReadSnapshotWinini(store, SnapshotKeyPath("Winini"));
    return (std::string(name) == kSnapshotLoad ? saved.load : saved.run).value_or("<missing>");
  }
  std::string LoadHeading() { return Place("Winini") + " Parameter Load="; }
  std::string RunHeading() { return Place("Winini") + " Parameter Run="; }
};

TEST_F(CheckWininiTest, ALoadChangeShowsOldAndNewWithoutDeleteLine) {
  EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "OLD-LOAD.EXE"));
  Rebuild();
  OnReportClick(&TForm1::BitBtn1);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].heading, LoadHeading());
  EXPECT_EQ(seen[0].lines, (std::vector<ChangeLine>{{"old-load.exe", ChangeMark::Deleted},
                                                    {"OLD-LOAD.EXE", ChangeMark::Added}}));
  EXPECT_FALSE(seen[0].deleteLine);
  EXPECT_TRUE(seen[0].changeBack && seen[0].saveList);
  EXPECT_TRUE(report.Button1->Enabled());
}

// Each decision acts on its own value only.
TEST_F(CheckWininiTest, ChangeBackOfLoadAndConfirmOfRunTouchOnlyTheirValue) {
  EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "new-load.exe"));
  EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "run", "new-run.exe"));
  Rebuild();
  OnReportClick(&TForm1::btnCancel);
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].heading, RunHeading());
  EXPECT_EQ(Ini("load"), "old-load.exe");
  EXPECT_EQ(Ini("run"), "new-run.exe");
  EXPECT_EQ(Saved("Load"), "old-load.exe");
  EXPECT_EQ(Saved("Run"), "new-run.exe");
  EXPECT_NE(Log().find("The changes in:" + LoadHeading() + " are cancelled\r\nold-load.exe" +
                       kDivider + "\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(
      Log().find("The changes in:" + RunHeading() + " are confirmed\r\n" + kDivider + "\r\n\r\n"),
      std::string::npos);
}

TEST_F(CheckWininiTest, SaveListTakesTheEditedNewValueForWinIniAndSnapshot) {
  EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "run", "new-run.exe"));
  Rebuild();
  OnReport([this](TForm1& r) {
    EditLine(r, 1, "fixed-run.exe");
    Click(*r.btnSave);
  });
  EXPECT_TRUE(Check());
  EXPECT_EQ(Ini("run"), "fixed-run.exe");
  EXPECT_EQ(Ini("load"), "old-load.exe");
  EXPECT_EQ(Saved("Run"), "fixed-run.exe");
  EXPECT_EQ(ws.views.run->Text(), "fixed-run.exe");
  EXPECT_NE(Log().find(RunHeading() + " are cancelled\r\nfixed-run.exe" + kDivider),
            std::string::npos);
}

}  // namespace
}  // namespace tarnix
