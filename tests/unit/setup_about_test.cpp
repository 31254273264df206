// The about box: its two addresses opened through the shell, and its OK.
#include "setup/about.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class AboutTest : public AppTest {
 protected:
  // Opens the box from the Help menu; `act` runs while it is shown.
  void WithAboutBox(std::function<void(TAboutBox&)> act) {
    WhileRunning([this, act] {
      toolkit.OnModal("AboutBox", [this, act](ui::Form&) {
        shown = true;
        act(program->AboutBox);
      });
      Click(*Main().N9);
    });
    EXPECT_TRUE(shown);
  }
  bool shown = false;
};

TEST_F(AboutTest, OkClosesTheBox) {
  WithAboutBox([](TAboutBox& box) {
    Click(*box.OKButton);
    EXPECT_FALSE(box.form->Visible());
  });
}

TEST_F(AboutTest, TheButtonsOpenTheWebPageAndAMailMaximised) {
  WithAboutBox([](TAboutBox& box) {
    Click(*box.ToolButton1);
    Click(*box.ToolButton2);
  });
  const auto& calls = toolkit.ShellCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].verb, "open");
  EXPECT_EQ(calls[0].file, "http://www.movenda.example/");
  EXPECT_EQ(calls[0].owner, "AboutBox");
  EXPECT_EQ(calls[1].file, "mailto:tarnix@movenda.example");
  for (const auto& call : calls) {
    EXPECT_EQ(call.showCommand, ui::sw::Maximized);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.folder, "");
  }
}

TEST_F(AboutTest, AnAddressThatCannotBeOpenedIsSaid) {
  toolkit.SetShellExecuteResult(31);  // no program is associated with the address
  WithAboutBox([](TAboutBox& box) { Click(*box.ToolButton2); });
  EXPECT_TRUE(Showed("Cannot open mailto:tarnix@movenda.example", "Error!", kErrorBox));
}

}  // namespace
}  // namespace tarnix
