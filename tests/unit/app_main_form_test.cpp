// The main window: what its construction loads on each platform, its layout as the user sees
// it, and what some of its commands do when the user reaches them.
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

TEST_F(MainFormTest, ConstructionBindsTheWorkspaceAndPreparesTheProgramFiles) {
  store.SetProgramPath("D:\\Tools\\Tarnix\\tarnix2.exe");
  Program& p = Create();
  EXPECT_EQ(p.ws.logPath, "D:\\Tools\\Tarnix\\tx2log.txt");
  EXPECT_EQ(p.ws.mainForm, p.mform.form.get());
  EXPECT_EQ(p.ws.views.List(SectionId::Startup), p.mform.lsbStart);
  EXPECT_EQ(p.ws.views.List(SectionId::HklmRunService), p.mform.ListBox2);
  EXPECT_EQ(p.ws.views.Page(SectionId::Winstart), p.mform.winstart);
  EXPECT_EQ(p.ws.views.status, p.mform.StatusBar1);
  EXPECT_EQ(p.mform.backup.initialFolder, "C:\\WINDOWS");
  EXPECT_EQ(p.mform.undodiag.defaultExtension, "REG");
  EXPECT_TRUE(store.KeyExists(Root::CurrentUser, "\\SOFTWARE\\Tarnix"));
  EXPECT_FALSE(AnyTextModified(p.ws));
}

TEST_F(MainFormTest, TheUserSeesTheDesignedPagesHeadingsAndHints) {
  Tmform& m = Create().mform;
  std::vector<std::string> tabs;
  for (int i = 0; i < m.PageControl1->PageCount(); ++i) {
    tabs.push_back(m.PageControl1->Page(i)->Caption());
  }
  EXPECT_EQ(tabs,
            (std::vector<std::string>{"Registry", "Win.ini", "Config", "Autoexec", "Winstart.bat",
                                      "NT Services", "Startup Group", "Common Startup Group"}));
  EXPECT_EQ(m.Label6->Caption() + m.Label7->Caption(), "Current user");
  EXPECT_EQ(m.ToolButton1->Hint(), "Delete  (DEL)");
  EXPECT_EQ(m.ToolButton5->Hint(), "Save all keys to file  (CTRL+S)");
  EXPECT_EQ(m.ToolButton12->Hint(), "Add ");
  EXPECT_EQ(m.btnWins->Hint(), "Show version");
  EXPECT_EQ(m.Save1->Caption(), "Sa&ve ");
  EXPECT_TRUE(m.Change1->IsDefault());
  EXPECT_EQ(MainForm().Caption(), "Tarnix II");
}

// A menu item as the user reads it: name, caption, shortcut, and "(default)" when bold.
std::string Describe(const ui::MenuItem& item) {
  const ui::Shortcut key = item.GetShortcut();
  std::string shortcut;
  if (key.vk >= ui::vk::F1 && key.vk <= ui::vk::F9) {
    shortcut = "F" + std::to_string(key.vk - ui::vk::F1 + 1);
  } else if (key.vk == ui::vk::Delete || key.vk == ui::vk::Insert) {
    shortcut = key.vk == ui::vk::Delete ? "Del" : "Ins";
  } else if (key.vk != 0) {
    shortcut = std::string(key.shift.ctrl ? "Ctrl+" : "Alt+") + static_cast<char>(key.vk);
  }
  return item.Name() + "|" + item.Caption() + "|" + shortcut +
         (item.IsDefault() ? "|(default)" : "");
}

template <typename Menu>
std::vector<std::string> DescribeItems(const Menu& menu) {
  std::vector<std::string> lines;
  for (int i = 0; i < menu.Count(); ++i) {
    lines.push_back(Describe(*menu.Item(i)));
  }
  return lines;
}

TEST_F(MainFormTest, MenusReadAsDesigned) {
  Tmform& m = Create().mform;
  EXPECT_EQ(DescribeItems(*m.MainMenu1),
            (std::vector<std::string>{"N1|&File|", "N16|&Edit|", "N7|&Help|"}));
  EXPECT_EQ(
      DescribeItems(*m.N1),
      (std::vector<std::string>{
          "Checkit1|Check it!|F9", "Save1|Sa&ve |F2", "N13|&Check system on startup|",
          "Createshortcutondesktop1|Create shortcut &on desktop|",
          "CreateshortcutinProgramsmenu1|Create &shortcut in "
          "Programs menu|",
          "N2|-|", "Showhistorylog1|&Show history log|", "Clearhistorylog1|Clear history &log|",
          "N20|-|", "N12|&Registry editor|", "N14|S&tartup folder|", "N10|-|", "N6|&Exit|Alt+X"}));
  EXPECT_EQ(DescribeItems(*m.N16),
            (std::vector<std::string>{"Find1|&Find|Ctrl+F", "FindNext1|Find &Next|F3", "N19|-|",
                                      "N17|&Refresh|F5"}));
  EXPECT_EQ(DescribeItems(*m.N7), (std::vector<std::string>{"N8|&Help|F1", "N9|&About Tarnix|"}));
  EXPECT_EQ(DescribeItems(*m.PopupMenu1),
            (std::vector<std::string>{"Delete1|Delete|Del", "Add1|Add|Ins",
                                      "Change1|Edit||(default)", "Undo1|&Undo|Ctrl+Z",
                                      "Undofromprevioussessions1|Undo previous sessions|Ctrl+R",
                                      "Saveallkeystofile1|Save all keys to file|Ctrl+S"}));
  EXPECT_EQ(DescribeItems(*m.st_pop),
            (std::vector<std::string>{"Delete2|&Delete|Del", "Add2|&Add|Ins",
                                      "Change2|&Edit||(default)"}));
  EXPECT_EQ(DescribeItems(*m.comstup),
            (std::vector<std::string>{"Delete3|&Delete|Del", "Add3|&Add|Ins",
                                      "Change3|&Edit||(default)"}));
  for (ui::ListBox* list : {m.ListBox1, m.ListBox2, m.ListBox3}) {
    EXPECT_EQ(list->GetPopupMenu(), m.PopupMenu1);
  }
  EXPECT_EQ(m.lsbStart->GetPopupMenu(), m.st_pop);
  EXPECT_EQ(m.lsbComSt->GetPopupMenu(), m.comstup);
}

TEST_F(MainFormTest, ToolButtonHintsReadAsDesigned) {
  Tmform& m = Create().mform;
  std::vector<std::string> hints;
  for (ui::ToolBar* bar : {m.ToolBar1, m.ToolBar2, m.ToolBar3, m.ToolBar4}) {
    for (int i = 0; i < bar->ButtonCount(); ++i) {
      hints.push_back(bar->Button(i)->Name() + "|" + bar->Button(i)->Hint());
    }
  }
  EXPECT_EQ(
      hints,
      (std::vector<std::string>{
          "ToolButton1|Delete  (DEL)", "ToolButton2|Edit (Enter)", "ToolButton3|Add  (INS)",
          "ToolButton4|Undo (CTRL+Z)", "ToolButton5|Save all keys to file  (CTRL+S)",
          "ToolButton15|Undo previous session (CTRL+R)", "ToolButton8|Check! (F9)",
          "ToolButton9|Save (F2)", "ToolButton10|Find (CTRL+F)", "ToolButton11|Refresh (F5)",
          "ToolButton13|Help", "ToolButton14|Exit", "ToolButton6|Delete", "ToolButton7|Change",
          "ToolButton12|Add ", "ToolButton16|Delete", "ToolButton17|Change", "ToolButton18|Add"}));
}

TEST_F(MainFormTest, SaveByF2MenuAndToolbar) {
  Start({}, [&] {
    toolkit.TakeMessages();
    PressKey(MainForm(), ui::vk::F2);
    Click(FindMenuItem(MainForm(), "Save1"));
    Click(*Main().ToolButton9);
  });
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 3u);
  for (const MessageRecord& box : shown) {
    EXPECT_EQ(box.text, "Information saved succesfully!");
  }
}

TEST_F(MainFormTest, RefreshByKeyMenuAndToolbarShowsValuesAddedOutside) {
  Start({}, [&] {
    store.SetString(Root::CurrentUser, kRunKey, "ByF5", "a.exe");
    PressKey(MainForm(), ui::vk::F5);
    EXPECT_EQ(Main().ListBox3->Items(), (std::vector<std::string>{"Mail", "ByF5"}));
    store.SetString(Root::CurrentUser, kRunKey, "ByMenu", "b.exe");
    Click(FindMenuItem(MainForm(), "N17"));
    EXPECT_EQ(Main().ListBox3->Count(), 3);
    store.SetString(Root::CurrentUser, kRunKey, "ByButton", "c.exe");
    Click(*Main().ToolButton11);
    EXPECT_EQ(Main().ListBox3->Count(), 4);
  });
}

// No help file is looked for: the help is the program's own window, opened at the contents.
TEST_F(MainFormTest, HelpOpensTheContentsByF1AndByTheToolbar) {
  Start({}, [&] {
    toolkit.TakeMessages();
    TfrmHelp& help = program->frmHelp;
    PressKey(MainForm(), ui::vk::F1);
    EXPECT_TRUE(help.form->Visible());
    EXPECT_EQ(help.Current(), kContentsTopic);
    Click(*help.btnClose);
    EXPECT_FALSE(help.form->Visible());
    help.ShowTopic(*FindHelpTopic("find"));
    Click(*Main().ToolButton13);
    EXPECT_EQ(help.Current(), kContentsTopic);
    EXPECT_TRUE(toolkit.Messages().empty()) << "no question about a help file";
  });
}

TEST_F(MainFormTest, CheckWithoutChangesSaysSoByF9AndByTheToolbar) {
  Start({}, [&] {
    toolkit.TakeMessages();
    PressKey(MainForm(), ui::vk::F9);
    Click(*Main().ToolButton8);
  });
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 2u);
  for (const MessageRecord& box : shown) {
    EXPECT_EQ(box.text, "There are no changes!");
    EXPECT_EQ(box.caption, "The check is completed!");
    EXPECT_EQ(box.style, 0x40u);
  }
}

TEST_F(MainFormTest, RegistryEditorAndStartupFolderAreStartedWithShowDefault) {
  Start({}, [&] {
    Click(FindMenuItem(MainForm(), "N12"));
    Click(FindMenuItem(MainForm(), "N14"));
  });
  ASSERT_EQ(toolkit.Programs().size(), 2u);
  EXPECT_EQ(toolkit.Programs()[0].commandLine, "regedit.exe");
  EXPECT_EQ(toolkit.Programs()[0].showCommand, 10);
  EXPECT_EQ(toolkit.Programs()[1].commandLine, "explorer.exe /root, \"" + folders.startup + "\"");
  EXPECT_EQ(toolkit.Programs()[1].showCommand, 10);
}

TEST_F(MainFormTest, AToolThatCannotStartIsReportedInAnErrorBox) {
  toolkit.SetStartProgramError("Cannot start regedit.exe: File not found.");
  Start({}, [&] {
    toolkit.TakeMessages();
    Click(FindMenuItem(MainForm(), "N12"));
  });
  const auto& shown = toolkit.Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Cannot start regedit.exe: File not found.");
  EXPECT_EQ(shown[0].caption, "Error!");
  EXPECT_EQ(shown[0].style, ui::mb::Ok | ui::mb::IconStop);
}

TEST_F(MainFormTest, StartupFolderCommandDoesNothingWithoutShellFolders) {
  EXPECT_TRUE(
      store.DeleteKey(Root::CurrentUser,
                      "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"));
  Start({}, [&] { Click(FindMenuItem(MainForm(), "N14")); });
  EXPECT_TRUE(toolkit.Programs().empty());
}

TEST_F(MainFormTest, VersionButtonShowsTheVersionLine) {
  store.SetPlatformVersion({2, 5, 1, 2600, "Service Pack 3"});
  Start({}, [&] {
    toolkit.TakeMessages();
    Click(*Main().btnWins);
  });
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(toolkit.Messages()[0].text, "Win NT  5.1 Service Pack 3 Build:2600");
  EXPECT_EQ(toolkit.Messages()[0].caption, "Version OS");
  EXPECT_EQ(toolkit.Messages()[0].style, 0x40u);
}

TEST_F(MainFormTest, RunListFocusStartsOnTheUserListAndExitDropsTheSelection) {
  Start({}, [&] {
    EXPECT_TRUE(Main().ListBox3->Focused());
    Select(*Main().ListBox1, 0);
    EXPECT_EQ(Main().ListBox1->ItemIndex(), 0);
    Focus(*Main().ListBox3);
    EXPECT_EQ(Main().ListBox1->ItemIndex(), -1);
  });
}

TEST_F(MainFormTest, RightClickFocusesAListWithoutSelecting) {
  store.SetPlatform(PlatformPreset::Windows98);
  Start({}, [&] {
    Select(*Main().ListBox3, 0);
    MouseDown(*Main().ListBox2, ui::MouseButton::Right);
    EXPECT_TRUE(Main().ListBox2->Focused());
    EXPECT_EQ(Main().ListBox2->ItemIndex(), -1);
    EXPECT_EQ(Main().ListBox3->ItemIndex(), -1);
    MouseDown(*Main().ListBox1, ui::MouseButton::Left);
    EXPECT_EQ(Main().ListBox2->ItemIndex(), -1);
  });
}

// Del, Ins and Ctrl+S belong to the run lists' pop-up menu only while a run list has the
// focus; elsewhere the control keeps them.
TEST_F(MainFormTest, PopupShortcutsLeaveOtherControlsTheirKeys) {
  EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "abc"));
  Start({}, [&] {
    SelectPage(*Main().PageControl1, 1);
    Focus(*Main().load);
    Main().load->SetSelStart(0);
    PressKey(MainForm(), ui::vk::Delete);
    EXPECT_EQ(Main().load->Text(), "bc");
    EXPECT_TRUE(Main().load->Modified());
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

}  // namespace
}  // namespace tarnix
