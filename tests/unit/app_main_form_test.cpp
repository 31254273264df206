// The main window: what it loads on each platform, some commands, and the rights it shows.
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class MainFormTest : public AppTest {
 protected:
  void SetUp() override {
    folders = store.SeedShellFolders();
    store.SetString(Root::LocalMachine, kRunKey, "Tray", "tray.exe");
    store.SetString(Root::LocalMachine, kRunServicesKey, "Spooler", "spool.exe");
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "mail.exe");
    store.AddFile(folders.startup + "\\Notes.lnk", "L");
    store.AddFile(folders.commonStartup + "\\Common.lnk", "L");
  }
  SeededShellFolders folders;
};

TEST_F(MainFormTest, OnWindows98TheRunServicesListIsReadAndTheNtListsAreDisabled) {
  store.SetPlatform(PlatformPreset::Windows98);
  store.AddFile("C:\\AUTOEXEC.BAT", "SET TEMP=C:\\TEMP\r\n");
  Tmform& m = Create().mform;
  EXPECT_EQ(m.ListBox1->Items(), (std::vector<std::string>{"Tray"}));
  EXPECT_EQ(m.ListBox2->Items(), (std::vector<std::string>{"Spooler"}));
  EXPECT_EQ(program->ws.views.List(SectionId::HklmRunService), m.ListBox2);
  EXPECT_EQ(m.ListBox3->Items(), (std::vector<std::string>{"Mail"}));
  EXPECT_EQ(m.autoex->Lines(), (std::vector<std::string>{"SET TEMP=C:\\TEMP"}));
  EXPECT_TRUE(m.ListBox2->Enabled());
  EXPECT_FALSE(m.lsbComSt->Enabled());
  EXPECT_FALSE(m.lsbNTServ->Enabled());
  EXPECT_EQ(m.btnWins->Caption(), "Win95/98");
  EXPECT_FALSE(program->ws.catalogue.isNT);
}

TEST_F(MainFormTest, OnNtTheRunServicesKeyWaitsForTheFirstRefresh) {
  store.SetPlatform(PlatformPreset::NT4);
  Tmform& m = Create().mform;
  EXPECT_FALSE(m.ListBox2->Enabled());
  EXPECT_EQ(m.ListBox2->Count(), 0);
  EXPECT_TRUE(m.lsbComSt->Enabled());
  EXPECT_TRUE(m.lsbNTServ->Enabled());
  EXPECT_EQ(m.lsbStart->Items(), (std::vector<std::string>{"Notes.lnk"}));
  EXPECT_EQ(m.lsbComSt->Items(), (std::vector<std::string>{"Common.lnk"}));
  EXPECT_EQ(m.btnWins->Caption(), "Win NT ");

  m.N17Click();
  EXPECT_EQ(m.ListBox2->Items(), (std::vector<std::string>{"Spooler"}));
}

// Routing is the routing test's; here each command runs once.
TEST_F(MainFormTest, SaveCheckAndHelpSayWhatTheyDid) {
  Start({}, [&] {
    toolkit.TakeMessages();
    Main().Save1Click();
    Main().Checkit1Click();
    program->frmHelp.ShowTopic(*FindHelpTopic("find"));
    Main().N8Click();
    EXPECT_TRUE(program->frmHelp.form->Visible());
    EXPECT_EQ(program->frmHelp.Current(), kContentsTopic) << "no help file is looked for";
  });
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "Information saved succesfully!");
  EXPECT_TRUE(Showed("There are no changes!", "The check is completed!", 0x40));
}

// Tools start with SW_SHOWDEFAULT; a failed start is told; no shell folders, no folder command.
TEST_F(MainFormTest, ToolsStartWithShowDefaultOrSayWhyNot) {
  Start({}, [&] {
    Click(FindMenuItem(MainForm(), "N12"));
    Click(FindMenuItem(MainForm(), "N14"));
  });
  ASSERT_EQ(toolkit.Programs().size(), 2u);
  EXPECT_EQ(toolkit.Programs()[0].commandLine, "regedit.exe");
  EXPECT_EQ(toolkit.Programs()[1].commandLine, "explorer.exe /root, \"" + folders.startup + "\"");
  for (const auto& started : toolkit.Programs()) EXPECT_EQ(started.showCommand, 10);

  EXPECT_TRUE(
      store.DeleteKey(Root::CurrentUser,
                      "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"));
  toolkit.SetStartProgramError("Cannot start regedit.exe: File not found.");
  Start({}, [&] {
    toolkit.TakeMessages();
    Click(FindMenuItem(MainForm(), "N12"));
    Click(FindMenuItem(MainForm(), "N14"));
  });
  EXPECT_EQ(toolkit.Programs().size(), 3u) << "without shell folders no folder is opened";
  EXPECT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_TRUE(Showed("Cannot start regedit.exe: File not found.", "Error!", kErrorBox));
}

// Leaving a list drops its selection; a right click focuses without selecting.
TEST_F(MainFormTest, RunListFocusStartsOnTheUserListAndLeavingDropsTheSelection) {
  store.SetPlatform(PlatformPreset::Windows98);
  Start({}, [&] {
    EXPECT_TRUE(Main().ListBox3->Focused());
    Select(*Main().ListBox1, 0);
    EXPECT_EQ(Main().ListBox1->ItemIndex(), 0);
    Focus(*Main().ListBox3);
    EXPECT_EQ(Main().ListBox1->ItemIndex(), -1);
    Select(*Main().ListBox3, 0);
    MouseDown(*Main().ListBox2, ui::MouseButton::Right);
    EXPECT_TRUE(Main().ListBox2->Focused());
    EXPECT_EQ(Main().ListBox2->ItemIndex(), -1);
    EXPECT_EQ(Main().ListBox3->ItemIndex(), -1);
    MouseDown(*Main().ListBox1, ui::MouseButton::Left);
    EXPECT_EQ(Main().ListBox2->ItemIndex(), -1);
  });
}

TEST_F(MainFormTest, EnterAnywhereStillReachesTheFocusedControl) {
  Start({}, [&] {
    SelectPage(*Main().PageControl1, 3);
    Focus(*Main().autoex);
    TypeText(MainForm(), "one\rtwo");
    EXPECT_EQ(Main().autoex->Lines(), (std::vector<std::string>{"one", "two"}));
    EXPECT_FALSE(toolkit.Terminated());
  });
}

// Only the snapshot's commands need rights; the caption names another account.
TEST(RightsMarksTest, ShieldsAndCaptionFollowTheRights) {
  for (const bool elevated : {false, true}) {
    MemoryStore store;
    HeadlessToolkit toolkit;
    toolkit.SetElevated(elevated);
    toolkit.SetOtherAccount(elevated ? "admin" : "");
    Program program(store, toolkit);
    const TForm1& report = program.Form1;
    for (const ui::Button* button : {report.BitBtn2, report.btnSave, report.BitBtn1,
                                     report.btnCancel, report.btnEdit, report.Button1}) {
      const bool saves = button == report.BitBtn2 || button == report.btnSave;
      EXPECT_EQ(button->Shield(), saves && !elevated) << button->Name();
    }
    const ui::ToolBar& commands = *program.mform.ToolBar2;
    for (int i = 0; i < commands.ButtonCount(); ++i) {
      const ui::ToolButton* button = commands.Button(i);
      EXPECT_EQ(button->Shield(), button == program.mform.ToolButton9 && !elevated)
          << button->Name();
    }
    EXPECT_EQ(program.mform.form->Caption(),
              elevated ? "Tarnix II - running as admin" : "Tarnix II");
  }
}

}  // namespace
}  // namespace tarnix
