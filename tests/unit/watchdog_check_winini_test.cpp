#include "unit/user_edits.h"
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

using ui::headless::Click;

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
    return FindSnapshotValue(store, SnapshotKeyPath("Winini"), name).value_or("<missing>");
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
    toolkit.OnModal("Teditline", [](ui::Form& f) {
      ui::headless::Get<ui::EditBox>(f, "edtRow").SetText("fixed-run.exe");
      Click(ui::headless::Get<ui::Button>(f, "BitBtn1"));
    });
    ui::headless::Select(*r.ListBox1, 1);
    Click(*r.btnEdit);
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

TEST_F(CheckWininiTest, ChangeBackIsNotOfferedForAValueTheSnapshotDoesNotHold) {
  ASSERT_TRUE(
      store.OpenKey(Root::LocalMachine, SnapshotKeyPath("Winini"), false)->DeleteValue("Load"));
  OnReport([](TForm1& r) { EXPECT_FALSE(ui::headless::Click(*r.btnCancel)); });
  EXPECT_TRUE(Check());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].lines, (std::vector<ChangeLine>{{"", ChangeMark::Deleted},
                                                    {"old-load.exe", ChangeMark::Added}}));
  EXPECT_FALSE(seen[0].changeBack);
  EXPECT_EQ(Ini("load"), "old-load.exe");
  EXPECT_TRUE(store.DeleteKey(Root::LocalMachine, SnapshotKeyPath("Winini")));
  OnReportClick(&TForm1::BitBtn2);
  OnReportClick(&TForm1::BitBtn2);
  EXPECT_TRUE(Check());
  EXPECT_FALSE(seen[1].changeBack || seen[2].changeBack);
  EXPECT_EQ(Saved("Load"), "old-load.exe");
  EXPECT_EQ(Saved("Run"), "old-run.exe");
  EXPECT_FALSE(Check());
}

TEST_F(CheckWininiTest, ARefusedWinIniWriteIsReportedAndLogsNoOutcome) {
  EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "new-load.exe"));
  Rebuild();
  store.RefuseProfileWrites();
  OnReportClick(&TForm1::btnCancel);
  EXPECT_TRUE(Check());
  EXPECT_EQ(ErrorTexts(), std::vector<std::string>{"Cannot write the load value to win.ini"});
  EXPECT_EQ(Log().find("are cancelled"), std::string::npos);
  EXPECT_EQ(ws.views.load->Text(), "new-load.exe");
}

}  // namespace
}  // namespace tarnix
