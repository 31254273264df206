// The shortcut properties dialog on its own: what each of its buttons does.
#include <gtest/gtest.h>

#include "fakes/headless/driver.h"
#include "startupfolders/link_form.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class LinkFormTest : public ::testing::Test {
 protected:
  HeadlessToolkit toolkit;
  TfrmLink dialog{toolkit};
};

TEST_F(LinkFormTest, BrowsePutsTheChosenPathIntoProgramOnly) {
  dialog.edtProg->SetText("old.exe");
  dialog.edtArg->SetText("-a");
  dialog.edtDir->SetText("C:\\");
  toolkit.QueueOpenFile(std::string("C:\\Tools\\new.exe"));
  toolkit.OnModal("TfrmLink", [](ui::Form& f) { Click(Get<ui::Button>(f, "btnBrow")); });
  dialog.form->ShowModal();
  EXPECT_EQ(dialog.edtProg->Text(), "C:\\Tools\\new.exe");
  EXPECT_EQ(dialog.edtArg->Text(), "-a");
  EXPECT_EQ(dialog.edtDir->Text(), "C:\\");
  ASSERT_EQ(toolkit.FileDialogs().size(), 1u);
  EXPECT_FALSE(toolkit.FileDialogs()[0].save);
  EXPECT_EQ(toolkit.FileDialogs()[0].owner, "frmLink");
}

TEST_F(LinkFormTest, BrowseCancelledChangesNothing) {
  dialog.edtProg->SetText("old.exe");
  toolkit.QueueOpenFile(std::nullopt);
  toolkit.OnModal("TfrmLink", [](ui::Form& f) { Click(Get<ui::Button>(f, "btnBrow")); });
  dialog.form->ShowModal();
  EXPECT_EQ(dialog.edtProg->Text(), "old.exe");
}

TEST_F(LinkFormTest, OkSetsTheSaveFlagAndCancelClearsIt) {
  dialog.save = false;
  toolkit.OnModal("TfrmLink", [](ui::Form& f) { Click(Get<ui::Button>(f, "bbtSave")); });
  EXPECT_EQ(dialog.form->ShowModal(), ui::mr::Ok);
  EXPECT_TRUE(dialog.save);
  toolkit.OnModal("TfrmLink", [](ui::Form& f) { Click(Get<ui::Button>(f, "bbtCanc")); });
  dialog.form->ShowModal();
  EXPECT_FALSE(dialog.save);
}

TEST_F(LinkFormTest, TheCloseBoxLeavesTheSaveFlagAlone) {
  for (bool flag : {true, false}) {
    dialog.save = flag;
    toolkit.OnModal("TfrmLink", [](ui::Form& f) { CloseBox(f); });
    dialog.form->ShowModal();
    EXPECT_EQ(dialog.save, flag);
  }
}

}  // namespace
}  // namespace tarnix
