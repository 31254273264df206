// What the windows show of the rights the program runs with: the shield on the commands that
// always need an administrator, and the account in the caption when it is not the user's own.
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

using namespace ui::headless;

TEST(RightsMarksTest, ShieldsMarkTheSnapshotCommandsOnlyWithoutRights) {
  for (const bool elevated : {false, true}) {
    MemoryStore store;
    HeadlessToolkit toolkit;
    toolkit.SetElevated(elevated);
    Program program(store, toolkit);
    const TForm1& report = program.Form1;
    EXPECT_EQ(report.BitBtn2->Shield(), !elevated) << elevated;
    EXPECT_EQ(report.btnSave->Shield(), !elevated) << elevated;
    EXPECT_EQ(program.mform.ToolButton9->Shield(), !elevated) << elevated;
    // Closing, changing back and editing the report write nothing that needs rights.
    for (const ui::Button* button :
         {report.BitBtn1, report.btnCancel, report.btnEdit, report.Button1}) {
      EXPECT_FALSE(button->Shield()) << button->Name();
    }
    const ui::ToolBar& commands = *program.mform.ToolBar2;
    for (int i = 0; i < commands.ButtonCount(); ++i) {
      const ui::ToolButton* button = commands.Button(i);
      if (button != program.mform.ToolButton9) {
        EXPECT_FALSE(button->Shield()) << button->Name();
      }
    }
  }
}

TEST(RightsMarksTest, TheCaptionNamesTheAccountOnlyWhenItIsAnother) {
  struct Case {
    const char* account;
    const char* caption;
  };
  for (const Case& c : {Case{"", "Tarnix II"}, Case{"admin", "Tarnix II - running as admin"}}) {
    MemoryStore store;
    HeadlessToolkit toolkit;
    toolkit.SetOtherAccount(c.account);
    Program program(store, toolkit);
    EXPECT_EQ(program.mform.form->Caption(), c.caption);
  }
}

}  // namespace
}  // namespace tarnix
