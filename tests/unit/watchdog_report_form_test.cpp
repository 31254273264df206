// The change report on its own: each decision, the line editor, and what they change.
#include <gtest/gtest.h>

#include "fakes/headless/driver.h"
#include "watchdog/report_form.h"

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

TEST_F(ReportFormTest, EachDecisionButtonSetsItsResultAndCloses) {
  EXPECT_EQ(Show([this] { Click(*report.BitBtn2); }), ReportResult::Confirm);
  EXPECT_EQ(Show([this] { Click(*report.btnCancel); }), ReportResult::ChangeBack);
  EXPECT_EQ(Show([this] { Click(*report.btnSave); }), ReportResult::SaveList);
  EXPECT_EQ(Show([this] { Click(*report.BitBtn1); }), ReportResult::None);
  EXPECT_EQ(Show([this] { PressKey(*report.form, ui::vk::Escape); }), ReportResult::None);
  EXPECT_EQ(Show([this] { CloseBox(*report.form); }), ReportResult::None);
  EXPECT_FALSE(report.form->Visible());
}

TEST_F(ReportFormTest, CancelledEditsChangeNothing) {
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

TEST_F(ReportFormTest, EditKeepsTheMarkDeleteLineRemovesAndBothEnableSave) {
  report.btnSave->SetEnabled(false);
  Show([this] {
    Select(*report.ListBox1, 2);
    EditTo("newer", "BitBtn1");
    PressKey(*report.form, ui::vk::Return);
    EXPECT_EQ(editline.edtRow->Text(), "newer");
    Select(*report.ListBox1, 1);
    PressKey(*report.form, ui::vk::Delete);
    Select(*report.ListBox1, 0);
    Click(*report.Button1);
  });
  EXPECT_EQ(report.List(), (std::vector<ChangeLine>{{"newer", ChangeMark::Added}}));
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

}  // namespace
}  // namespace tarnix
