// The shortcut properties dialog on its own: its controls, their order and what each does.
#include <gtest/gtest.h>

#include "fakes/headless/driver.h"
#include "startupfolders/link_form.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class LinkFormTest : public ::testing::Test {
 protected:
  HeadlessForm& Form() { return dynamic_cast<HeadlessForm&>(*dialog.form); }
  ui::Bounds BoundsOf(const std::string& name) {
    return dynamic_cast<Node&>(*Form().FindControl(name)).GetBounds();
  }
  HeadlessToolkit toolkit;
  TfrmLink dialog{toolkit};
};

bool Inside(const ui::Bounds& inner, const ui::Bounds& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

bool Overlap(const ui::Bounds& a, const ui::Bounds& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST_F(LinkFormTest, WindowAndCaptions) {
  EXPECT_EQ(Form().ClassName(), "TfrmLink");
  EXPECT_EQ(Form().Caption(), "Shortcut properties");
  EXPECT_EQ(dialog.lblName->Caption(), "");
  EXPECT_EQ(dialog.Label1->Caption(), "Program");
  EXPECT_EQ(dialog.Label2->Caption(), "Arguments");
  EXPECT_EQ(dialog.Label3->Caption(), "Working Directory");
  EXPECT_EQ(dialog.btnBrow->Caption(), "Browse");
  EXPECT_EQ(dialog.bbtSave->Caption(), "OK");
  EXPECT_EQ(dialog.bbtCanc->Caption(), "Cancel");
  EXPECT_EQ(dialog.Opend.filter, "");
  EXPECT_EQ(dialog.Opend.defaultExtension, "");
}

// Every control lies in the client area and none covers another; the frame holds the fields.
TEST_F(LinkFormTest, ControlsFitAndDoNotOverlap) {
  const ui::Bounds client{0, 0, Form().Spec().clientWidth, Form().Spec().clientHeight};
  const auto& nodes = Form().Nodes();
  const ui::Bounds frame = BoundsOf("Bevel1");
  for (const auto& node : nodes) {
    EXPECT_TRUE(Inside(node->GetBounds(), client)) << node->NodeName();
    for (const auto& other : nodes) {
      if (node == other || node->NodeName() == "Bevel1" || other->NodeName() == "Bevel1")
        continue;
      EXPECT_FALSE(Overlap(node->GetBounds(), other->GetBounds()))
          << node->NodeName() << " and " << other->NodeName();
    }
  }
  for (const char* field : {"Label1", "btnBrow", "edtProg", "Label2", "edtArg", "Label3", "edtDir"})
    EXPECT_TRUE(Inside(BoundsOf(field), frame)) << field;
}

TEST_F(LinkFormTest, TabOrder) {
  std::vector<std::string> names;
  for (Node* node : Form().TabOrder()) names.push_back(node->NodeName());
  EXPECT_EQ(names, (std::vector<std::string>{"btnBrow", "edtProg", "edtArg", "edtDir", "bbtSave",
                                             "bbtCanc"}));
}

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
