// "&Check system on startup" and the two shortcut commands of the File menu.
#include "setup/setup_commands.h"
#include "unit/setup_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

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
  const std::vector<std::string> steps = Steps();
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
  const size_t stepsBefore = Steps().size();
  toolkit.Dispatch([this] { EnableStartupCheck(program->ws); });
  EXPECT_FALSE(UserRun("Tarnix2").has_value());
  EXPECT_FALSE(SavedUserRun("Tarnix2").has_value());
  EXPECT_EQ(Steps().size(), stepsBefore);
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

}  // namespace
}  // namespace tarnix
