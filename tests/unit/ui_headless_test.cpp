// The headless toolkit: the shared suite, its driver's refusals, and the shared tab order.
#include <gtest/gtest.h>

#include <vector>

#include "conformance/ui_conformance.h"
#include "fakes/headless/driver.h"
#include "ui/key_routing.h"

namespace tarnix::ui::headless {
namespace {

using testing::SeenBox;
using testing::UiConformance;

class HeadlessTarget : public testing::UiTarget {
 public:
  HeadlessTarget() { toolkit_.SetAutoAcknowledge(true); }
  Toolkit& kit() override { return toolkit_; }
  void Show(Form& form) override { form.Show(); }
  void Press(Form& form, int vk, ShiftState shift) override { PressKey(form, vk, shift); }
  void Type(Form& form, const std::string& text) override { TypeText(form, text); }
  void Click(Form&, Control& control) override { headless::Click(control); }
  void Select(ListBox& list, int index) override { headless::Select(list, index); }
  void DoubleClick(ListBox& list, int) override { headless::DoubleClick(list); }
  void SelectPage(PageControl& pages, int index) override { headless::SelectPage(pages, index); }
  void CloseBox(Form& form) override { headless::CloseBox(form); }
  int ShowModal(Form& form, std::function<void()> user) override {
    toolkit_.OnModal(form.Name(), [user](Form&) { user(); });
    return form.ShowModal();
  }
  void Run(Form& main, std::function<void()> user) override {
    toolkit_.OnRun(std::move(user));
    toolkit_.Run(&main, true);
  }
  std::vector<SeenBox> Boxes(const std::function<void()>& act, int answer) override {
    toolkit_.TakeMessages();
    if (answer != mb::IdOk)
      toolkit_.AnswerNextMessageBox(answer);
    act();
    std::vector<SeenBox> seen;
    for (const MessageRecord& box : toolkit_.TakeMessages())
      seen.push_back({box.text, box.caption, box.style});
    return seen;
  }

 private:
  HeadlessToolkit toolkit_;
};

std::unique_ptr<testing::UiTarget> MakeHeadlessTarget() {
  return std::make_unique<HeadlessTarget>();
}

INSTANTIATE_TEST_SUITE_P(Headless, UiConformance,
                         ::testing::Values(testing::UiParam{"Headless", &MakeHeadlessTarget}),
                         testing::UiParamName);

TEST(HeadlessDriver, ActionsNoUserCouldTakeFailTheTest) {
  HeadlessToolkit toolkit;
  testing::TestForm t(toolkit);
  t.form->Show();
  t.marked->SetEnabled(false);
  EXPECT_FALSE(Focus(*t.marked));
  EXPECT_FALSE(Select(*t.marked, 0));
  t.services->SetVisible(false);
  EXPECT_THROW(Focus(*t.services), DriverError) << "a hidden control";
  EXPECT_THROW(Select(*t.plain, 3), DriverError);
  EXPECT_THROW(FindMenuItem(*t.form, "Nothing"), DriverError);

  auto dialog = toolkit.CreateForm({"editline", "Teditline"});
  Button* open = t.form->AddButton({"btnOpen", "Open"});
  open->onClick = [&] { dialog->ShowModal(); };
  EXPECT_THROW(Click(*open), UnexpectedDialog) << "a dialog the test did not script";
  EXPECT_FALSE(dialog->Visible());
  toolkit.OnModal("Teditline", [&](Form&) { Click(*t.ok); });
  EXPECT_THROW(dialog->ShowModal(), DriverError) << "the form is behind the dialog";
  EXPECT_FALSE(dialog->IsModal());
  toolkit.OnModal("Teditline", [](Form&) { throw DriverError("script failed"); });
  EXPECT_THROW(dialog->ShowModal(), DriverError);
  EXPECT_FALSE(dialog->Visible());

  open->onClick = [&] { toolkit.OpenFileDialog(t.form.get(), {}); };
  EXPECT_THROW(Click(*open), UnexpectedDialog);
  open->onClick = [&] { toolkit.MessageBox(t.form.get(), "Sure?", "Attention!", 0x31); };
  EXPECT_THROW(Click(*open), UnexpectedDialog);
  EXPECT_TRUE(toolkit.Messages().size() == 1 && toolkit.Messages()[0].answer == 0)
      << "the unexpected box is recorded for the failure's story, as no error box";
}

TEST(HeadlessDriver, MessageBoxesTakeTheQueuedAnswersThatFitThem) {
  HeadlessToolkit toolkit;
  auto form = toolkit.CreateForm({"mform", "Tmform"});
  toolkit.AnswerNextMessageBox(mb::IdCancel);
  toolkit.AnswerNextMessageBox(mb::IdYes);
  EXPECT_EQ(toolkit.MessageBox(form.get(), "Delete?", "Attention!", 0x31), mb::IdCancel);
  EXPECT_EQ(toolkit.MessageBox(nullptr, "Save?", "Attention!", 0x44), mb::IdYes);
  EXPECT_EQ(toolkit.PendingAnswers(), 0);
  ASSERT_EQ(toolkit.Messages().size(), 2u);
  EXPECT_EQ(toolkit.Messages()[0].owner, "mform");
  EXPECT_EQ(toolkit.Messages()[1].owner, "");

  toolkit.AnswerNextMessageBox(mb::IdYes);
  EXPECT_THROW(toolkit.MessageBox(nullptr, "Sure?", "Attention!", 0x31), DriverError)
      << "an OK/Cancel box has no Yes";
  EXPECT_THROW(toolkit.MessageBox(nullptr, "Done", "Result", 0x40), UnexpectedDialog);
  toolkit.SetAutoAcknowledge(true);
  toolkit.AnswerNextMessageBox(mb::IdNo);
  EXPECT_EQ(toolkit.MessageBox(nullptr, "Done", "Result", 0x40), mb::IdOk);
  EXPECT_EQ(toolkit.PendingAnswers(), 1) << "acknowledged boxes leave the queue alone";
  EXPECT_EQ(toolkit.MessageBox(nullptr, "Save?", "Attention!", 0x44), mb::IdNo);
}

// Tab and Shift+Tab wrap round the stops; from none they start at the first and the last.
TEST(TabStopTest, TabAndShiftTabGoRoundTheStops) {
  int a = 0, b = 0, c = 0, outside = 0;
  const std::vector<int*> stops{&a, &b, &c};
  EXPECT_EQ(NextTabStop(stops, &a, false), &b);
  EXPECT_EQ(NextTabStop(stops, &c, false), &a);
  EXPECT_EQ(NextTabStop(stops, &b, true), &a);
  EXPECT_EQ(NextTabStop(stops, &a, true), &c);
  EXPECT_EQ(NextTabStop(stops, &outside, false), &a);
  EXPECT_EQ(NextTabStop<int>(stops, nullptr, true), &c);
  EXPECT_EQ(NextTabStop(std::vector<int*>{&a}, &a, false), &a);
  EXPECT_EQ(NextTabStop(std::vector<int*>{}, &a, false), nullptr);
}

}  // namespace
}  // namespace tarnix::ui::headless
