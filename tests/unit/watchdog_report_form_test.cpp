#include <gtest/gtest.h>

#include "fakes/headless/driver.h"
#include "watchdog/report_form.h"
#include "watchdog/watchdog_resources.h"

namespace tarnix {
namespace {

using namespace ui::headless;

class ReportFormTest : public ::testing::Test {
 protected:
  ReportFormTest() : report(toolkit, editline), editline(toolkit) {
    report.SetList({{"kept", ChangeMark::Unchanged},
                    {"gone", ChangeMark::Deleted},
                    {"new", ChangeMark::Added}});
  }
  HeadlessForm& Form() { return static_cast<HeadlessForm&>(*report.form); }
  // Shows the report; `user` acts while it is open.
  ReportResult Show(std::function<void()> user) {
    toolkit.OnModal("TForm1", [user](ui::Form&) { user(); });
    return report.ShowReport();
  }
  void EditTo(const std::string& text, const char* button) {
    toolkit.OnModal("Teditline", [text, button](ui::Form& f) {
      Get<ui::EditBox>(f, "edtRow").SetText(text);
      Click(Get<ui::Button>(f, button));
    });
  }
  std::vector<std::string> Items() { return report.ListBox1->Items(); }

  HeadlessToolkit toolkit;
  TForm1 report;  // created before its editor, as at start-up
  Teditline editline;
};

TEST_F(ReportFormTest, WindowAndControlsAreAsDesigned) {
  const ui::FormSpec& spec = Form().Spec();
  EXPECT_EQ(spec.name, "Form1");
  EXPECT_EQ(spec.caption, "Attention! Tarnix find out changes!");
  EXPECT_EQ(spec.clientWidth, 605);
  EXPECT_EQ(spec.clientHeight, 421);
  EXPECT_TRUE(spec.keyPreview);
  EXPECT_EQ(spec.helpContext, 105);
  auto caption = [this](const char* name) { return Get<HeadlessButton>(Form(), name).Caption(); };
  EXPECT_EQ(caption("btnEdit"), "Edit");
  EXPECT_EQ(caption("Button1"), "Delete Line");
  EXPECT_EQ(caption("btnSave"), "Save current list");
  EXPECT_EQ(caption("BitBtn2"), "OK! That's right!");
  EXPECT_EQ(caption("btnCancel"), "Change Back!");
  EXPECT_EQ(Get<HeadlessButton>(Form(), "BitBtn1").Spec().kind, ui::ButtonKind::Close);
  EXPECT_EQ(Get<HeadlessLabel>(Form(), "Label2").Caption(), "Deleted or changed");
  EXPECT_EQ(Get<HeadlessLabel>(Form(), "Label3").Caption(), "Added");
  const ui::ListBoxSpec& list = Get<HeadlessListBox>(Form(), "ListBox1").Spec();
  EXPECT_EQ(list.itemHeight, 16);
  ASSERT_NE(list.images, nullptr);
  EXPECT_EQ(static_cast<HeadlessImageList*>(list.images)->Spec().bitmapResources,
            (std::vector<int>{IDB_MARK_ADDED, IDB_MARK_DELETED, IDB_MARK_UNCHANGED}));
  EXPECT_EQ(Get<HeadlessPicture>(Form(), "Image1").Spec().bitmapResource, IDB_MARK_DELETED);
  EXPECT_EQ(Get<HeadlessPicture>(Form(), "Image2").Spec().bitmapResource, IDB_MARK_ADDED);
  // The decisions lie on the bottom panel, at 376 in the window.
  const HeadlessButton& changeBack = Get<HeadlessButton>(Form(), "btnCancel");
  const ui::Bounds b = changeBack.GetBounds();
  EXPECT_EQ((std::vector<int>{b.left, b.top, b.width, b.height}),
            (std::vector<int>{232, 8, 145, 33}));
  ASSERT_NE(changeBack.ParentNode(), nullptr);
  EXPECT_EQ(changeBack.ParentNode()->NodeName(), "Panel1");
  std::vector<std::string> order;
  for (Node* node : Form().TabOrder()) order.push_back(node->NodeName());
  const std::vector<std::string> tabStops = {"ListBox1", "BitBtn1", "BitBtn2", "btnCancel",
                                             "btnEdit",  "Button1", "btnSave"};
  EXPECT_EQ(order, tabStops);
}

TEST_F(ReportFormTest, EachDecisionButtonSetsItsResultAndCloses) {
  EXPECT_EQ(Show([this] { Click(*report.BitBtn2); }), ReportResult::Confirm);
  EXPECT_EQ(Show([this] { Click(*report.btnCancel); }), ReportResult::ChangeBack);
  EXPECT_EQ(Show([this] { Click(*report.btnSave); }), ReportResult::SaveList);
  EXPECT_EQ(Show([this] { Click(*report.BitBtn1); }), ReportResult::None);
  EXPECT_EQ(Show([this] { PressKey(*report.form, ui::vk::Escape); }), ReportResult::None);
  EXPECT_EQ(Show([this] { CloseBox(*report.form); }), ReportResult::None);
  EXPECT_FALSE(report.form->Visible());
}

TEST_F(ReportFormTest, EditReplacesTheTextKeepingTheMarkAndEnablesSave) {
  report.btnSave->SetEnabled(false);
  Show([this] {
    Select(*report.ListBox1, 2);
    EditTo("newer", "BitBtn1");
    PressKey(*report.form, ui::vk::Return);
    EXPECT_EQ(editline.edtRow->Text(), "newer");
  });
  EXPECT_EQ(report.List()[2], (ChangeLine{"newer", ChangeMark::Added}));
  EXPECT_TRUE(report.btnSave->Enabled());
}

TEST_F(ReportFormTest, CancellingTheEditorChangesNothing) {
  report.btnSave->SetEnabled(false);
  Show([this] {
    Select(*report.ListBox1, 0);
    EditTo("changed", "BitBtn2");
    Click(*report.btnEdit);
    toolkit.OnModal("Teditline", [](ui::Form& f) { PressKey(f, ui::vk::Escape); });
    DoubleClick(*report.ListBox1);
  });
  EXPECT_EQ(Items(), (std::vector<std::string>{"kept", "gone", "new"}));
  EXPECT_FALSE(report.btnSave->Enabled());
  EXPECT_FALSE(editline.accepted);
}

TEST_F(ReportFormTest, DeleteLineRemovesTheSelectedLine) {
  report.btnSave->SetEnabled(false);
  Show([this] {
    Select(*report.ListBox1, 1);
    PressKey(*report.form, ui::vk::Delete);
    Select(*report.ListBox1, 0);
    Click(*report.Button1);
  });
  EXPECT_EQ(report.List(), (std::vector<ChangeLine>{{"new", ChangeMark::Added}}));
  EXPECT_TRUE(report.btnSave->Enabled());
}

TEST_F(ReportFormTest, KeysAndDoubleClickDoNothingWithoutASelectionOrAnEnabledButton) {
  report.btnSave->SetEnabled(false);
  Show([this] {
    PressKey(*report.form, ui::vk::Return);
    PressKey(*report.form, ui::vk::Delete);
    DoubleClick(*report.ListBox1);
    report.btnEdit->SetEnabled(false);
    report.Button1->SetEnabled(false);
    Select(*report.ListBox1, 1);
    PressKey(*report.form, ui::vk::Return);
    PressKey(*report.form, ui::vk::Delete);
    DoubleClick(*report.ListBox1);
  });
  EXPECT_EQ(Items(), (std::vector<std::string>{"kept", "gone", "new"}));
  EXPECT_FALSE(report.btnSave->Enabled());
  EXPECT_EQ(toolkit.PendingModalScripts(), 0);
}

TEST_F(ReportFormTest, TheLineEditorIsAsDesigned) {
  auto& form = static_cast<HeadlessForm&>(*editline.form);
  EXPECT_EQ(form.Spec().caption, "Edit Line");
  EXPECT_EQ(form.Spec().clientWidth, 620);
  EXPECT_EQ(form.Spec().clientHeight, 103);
  EXPECT_EQ(form.Spec().border, ui::BorderStyle::Dialog);
  EXPECT_EQ(form.DefaultButton()->Name(), "BitBtn1");
  EXPECT_EQ(form.CancelButton()->Name(), "BitBtn2");
  toolkit.OnModal("Teditline", [](ui::Form& f) { PressKey(f, ui::vk::Return); });
  EXPECT_TRUE(editline.Execute("x"));
  toolkit.OnModal("Teditline", [](ui::Form&) {});
  EXPECT_FALSE(editline.Execute("x"));
}

}  // namespace
}  // namespace tarnix
