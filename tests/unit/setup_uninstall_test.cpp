// The welcome window, the uninstall of /u, the autostart box and the shortcut commands.
#include "setup/first_launch.h"
#include "setup/setup_commands.h"
#include "unit/setup_fixture.h"
#include "watchdog/save_command.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kDone[] = "Please, delete files: Tarnix2.exe and etc. manually";

class UninstallTest : public SetupTest {
 protected:
  // A first start with every box checked, with a writer that makes the shortcut files, and the
  // snapshot that follows.
  void Installed() {
    Start({"/c"});
    FirstLaunchActions(program->ws, {true, true, true}, Recorder());
    ASSERT_TRUE(SaveSnapshot(program->ws));
    toolkit.TakeMessages();
  }
  void Uninstall() {
    toolkit.AnswerNextMessageBox(ui::mb::IdOk);
    Start({"/u"});
  }
};

TEST_F(UninstallTest, RemovesEverythingInstalledAndSaysSo) {
  Installed();
  ASSERT_EQ(written.size(), 4u);
  Uninstall();
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2"));
  for (const ShortcutSpec& spec : written) EXPECT_FALSE(FileExists(spec.path)) << spec.path;
  EXPECT_FALSE(store.FolderExists(Programs("MovendaSoft")));
  const auto* done = Shown(kDone);
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(done->caption, "Uninstall complete successfully!");
  EXPECT_EQ(done->style, ui::mb::Ok);
  EXPECT_TRUE(toolkit.Terminated());
}

TEST_F(UninstallTest, OtherEntriesKeepTheMakersFolder) {
  Installed();
  store.AddFile(Programs("MovendaSoft\\Other tool.lnk"), "link");
  Uninstall();
  EXPECT_FALSE(store.FolderExists(Programs("MovendaSoft\\Tarnix2")));
  EXPECT_TRUE(FileExists(Programs("MovendaSoft\\Other tool.lnk")));
  EXPECT_TRUE(WasShown(kDone));
}

TEST_F(UninstallTest, UnknownFoldersStillRemoveTheRegistryEntriesAndNoFile) {
  Installed();
  store.AddFile("C:\\Tarnix2.lnk", "someone else's");
  EXPECT_TRUE(
      store.DeleteKey(Root::CurrentUser,
                      "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"));
  Uninstall();
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, kSave));
  EXPECT_TRUE(FileExists(Programs("MovendaSoft\\Tarnix2\\Tarnix2.lnk")));
  EXPECT_TRUE(FileExists("C:\\Tarnix2.lnk"));
  EXPECT_TRUE(WasShown(kDone));
}

TEST_F(UninstallTest, ARefusedDeletionIsReportedBeforeTheClosingWords) {
  Installed();
  store.RefuseWrite(Root::LocalMachine, "\\Software\\Movenda");
  toolkit.AnswerNextMessageBox(ui::mb::IdOk);
  Start({"/u"});
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  const auto& shown = toolkit.Messages();
  ASSERT_GE(shown.size(), 2u);
  ASSERT_EQ(shown.back().text, kDone);
  const auto& report = shown[shown.size() - 2];
  EXPECT_EQ(report.caption, "Error!");
  EXPECT_EQ(report.style, ui::mb::Ok | ui::mb::IconStop);
  EXPECT_NE(report.text.find("HKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2\\Save\\HKLM_Run"),
            std::string::npos);
  const std::string productKey = "\r\nHKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2";
  EXPECT_EQ(report.text.substr(report.text.size() - productKey.size()), productKey);
  // The shortcuts went all the same.
  EXPECT_FALSE(FileExists(Desktop("Tarnix2.lnk")));
}

TEST_F(UninstallTest, NothingInstalledIsNothingToFail) {
  if (store.KeyExists(Root::CurrentUser, kRunKey)) {
    ASSERT_TRUE(store.DeleteKey(Root::CurrentUser, kRunKey));
  }
  Create();
  UninstallProgram(program->ws);
  EXPECT_TRUE(WasShown(kDone));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2"));
}

class AutostartTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    store.SetString(Root::CurrentUser, kRunKey, "Mail", "mail.exe /q");
  }
};

TEST_F(AutostartTest, TwiceLeavesOneQuotedValueOneApprovalAndAnAddedStepEachTime) {
  WhileRunning([this] {
    store.SetString(Root::CurrentUser, kRunKey, "Intruder", "evil.exe");
    Click(*Main().N13);
    Click(*Main().N13);
  });
  const RegValue expected{regtype::String, std::string(kQuotedProgram) + " /c"};
  EXPECT_EQ(UserRun("Tarnix2"), expected);
  EXPECT_EQ(SavedUserRun("Tarnix2"), expected);
  // Entries the check has not shown the user stay unapproved.
  EXPECT_FALSE(SavedUserRun("Intruder").has_value());
  auto saved = store.OpenKey(Root::LocalMachine, std::string(kSave) + "\\HKCU_Run", false);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->GetValueNames().size(), 2u);  // Mail from the first start, and Tarnix2
  const std::vector<std::string> steps = StoredSteps();
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.front().substr(0, 2), "2 ");
  EXPECT_EQ(steps.front().substr(22, 2), "2 ");
  EXPECT_EQ(StepEntryName(steps.front()), "Tarnix2");
  EXPECT_EQ(store.Value(Root::CurrentUser, "SOFTWARE\\Tarnix\\" + steps.front(), "Command"),
            (RegValue{regtype::String, kQuotedProgram}));
  // The refresh shows the new entry.
  const auto items = Main().ListBox3->Items();
  EXPECT_EQ(std::count(items.begin(), items.end(), "Tarnix2"), 1);
}

TEST_F(AutostartTest, APathWithoutBlanksIsNotQuoted) {
  store.SetProgramPath("C:\\Tools\\tarnix2.exe");
  Create();
  EnableStartupCheck(program->ws);
  EXPECT_EQ(UserRun("Tarnix2"), (RegValue{regtype::String, "C:\\Tools\\tarnix2.exe /c"}));
}

TEST_F(AutostartTest, ARefusedRunKeyIsAnErrorWithoutStepOrApproval) {
  Create();
  store.RefuseWrite(Root::CurrentUser, kRunKey);
  const size_t stepsBefore = StoredSteps().size();
  toolkit.Dispatch([this] { EnableStartupCheck(program->ws); });
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  EXPECT_FALSE(SavedUserRun("Tarnix2").has_value());
  EXPECT_EQ(StoredSteps().size(), stepsBefore);
  ASSERT_EQ(toolkit.Messages().size(), 1u);
  EXPECT_EQ(toolkit.Messages()[0].style, ui::mb::IconStop);
}

TEST_F(AutostartTest, TheMenuMakesTheDesktopShortcutAndSaysWhenItCannot) {
  WhileRunning([this] { Click(*Main().Createshortcutondesktop1); });
  EXPECT_EQ(shortcuts.ReadShortcut(Desktop("Tarnix2.lnk"))->target, kProgramPath);
  EXPECT_EQ(Shown("Cannot create the shortcut to Tarnix2."), nullptr);

  store.SetFileFault(Desktop("Tarnix2.lnk"), FileFault::Uncreatable);
  WhileRunning([this] { Click(*Main().Createshortcutondesktop1); });
  const auto* shown = Shown("Cannot create the shortcut to Tarnix2.");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->caption, "Error!");
}

const char kGroupLink[] = "MovendaSoft\\Tarnix2\\Tarnix2.lnk";
const char kUninstallLink[] = "MovendaSoft\\Tarnix2\\Uninstall.lnk";

class FirstLaunchTest : public SetupTest {
 protected:
  void Install(const FirstLaunchChoices& choices) {
    FirstLaunchActions(program->ws, choices, Recorder());
  }
};

TEST_F(FirstLaunchTest, EveryCombinationOfBoxesMakesTheGroupAndWhatWasChosen) {
  for (int mask = 0; mask < 8; ++mask) {
    SetUp();
    if (store.KeyExists(Root::CurrentUser, kRunKey)) {
      ASSERT_TRUE(store.DeleteKey(Root::CurrentUser, kRunKey));
    }
    written.clear();
    Create();
    const FirstLaunchChoices choices{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0};
    Install(choices);
    std::vector<std::string> expected = {Programs(kGroupLink), Programs(kUninstallLink)};
    if (choices.programs)
      expected.push_back(Programs("Tarnix2.lnk"));
    if (choices.desktop)
      expected.push_back(Desktop("Tarnix2.lnk"));
    EXPECT_EQ(WrittenPaths(), expected) << "boxes " << mask;
    EXPECT_EQ(UserRun("Tarnix2").has_value(), choices.autostart) << "boxes " << mask;
    EXPECT_TRUE(store.FolderExists(Programs("MovendaSoft\\Tarnix2"))) << "boxes " << mask;
  }
}

// The uninstall shortcut starts the program by its short path (the others are a first start's).
TEST_F(FirstLaunchTest, TheUninstallShortcutPointsAtTheProgramsShortForm) {
  store.AddFile(kProgramPath, "MZ");
  Create();
  Install({false, false, false});
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[1].target, store.ShortPath(kProgramPath));
  EXPECT_EQ(written[1].arguments, " /u");
  EXPECT_EQ(written[1].description, "Uninstall");
  EXPECT_EQ(written[0].description, "tarnix2");
}

// An empty or non-string folder value is an unknown folder, never the drive root.
TEST_F(FirstLaunchTest, AnEmptyOrNonStringFolderValueIsAnUnknownFolder) {
  store.SetString(Root::CurrentUser, kShellFoldersKey, "Desktop", "");
  store.SetValue(Root::CurrentUser, kShellFoldersKey, "Programs",
                 {regtype::Dword, std::string(4, '\1')});
  Create();
  Install({true, true, true});
  EXPECT_EQ(WrittenPaths(), std::vector<std::string>{});
  EXPECT_TRUE(UserRun("Tarnix2").has_value());
}

TEST_F(FirstLaunchTest, AFirstStartShowsTheWindowThenSavesTheSnapshotWithEveryBoxChecked) {
  answerWelcome = false;
  bool shown = false;
  toolkit.OnModal("frmFirst", [&](ui::Form& window) {
    shown = true;
    Click(Get<ui::Button>(window, "Button1"));
  });
  Start({"/c"});
  EXPECT_TRUE(shown);
  EXPECT_TRUE(store.KeyExists(Root::LocalMachine, kSave));
  EXPECT_EQ(UserRun("Tarnix2"), (RegValue{regtype::String, std::string(kQuotedProgram) + " /c"}));
  EXPECT_EQ(SavedUserRun("Tarnix2"), UserRun("Tarnix2"));
  // The program's own writer makes the group through the shortcut interface; every box starts
  // checked.
  EXPECT_EQ(shortcuts.ReadShortcut(Programs(kGroupLink))->target, kProgramPath);
  EXPECT_EQ(shortcuts.ReadShortcut(Programs("Tarnix2.lnk"))->target, kProgramPath);
  EXPECT_EQ(shortcuts.ReadShortcut(Programs(kUninstallLink))->arguments, " /u");
  EXPECT_EQ(shortcuts.ReadShortcut(Desktop("Tarnix2.lnk"))->target, kProgramPath);
  for (const auto& message : toolkit.Messages())
    EXPECT_NE(message.caption, "Error!") << message.text;
}

}  // namespace
}  // namespace tarnix
