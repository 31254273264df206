// The welcome window and what its closing installs.
#include "setup/first_launch.h"
#include "unit/setup_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

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

TEST_F(FirstLaunchTest, AMissingValueIsAnUnknownFolderNotTheDriveRoot) {
  store.SetString(Root::CurrentUser,
                  "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                  "Desktop", "");
  Create();
  Install({false, true, false});
  EXPECT_EQ(WrittenPaths(),
            (std::vector<std::string>{Programs(kGroupLink), Programs(kUninstallLink)}));
}

TEST_F(FirstLaunchTest, AValueThatIsNotAStringIsAnUnknownFolder) {
  store.SetValue(Root::CurrentUser, kShellFoldersKey, "Programs",
                 {regtype::Dword, std::string(4, '\1')});
  Create();
  Install({true, true, true});
  EXPECT_EQ(WrittenPaths(), std::vector<std::string>{Desktop("Tarnix2.lnk")});
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
