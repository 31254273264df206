// The change report on its own: its list, each decision, the line editor, what they change.
#include <gtest/gtest.h>

#include <random>

#include "fakes/headless/driver.h"
#include "watchdog/report_form.h"
#include "watchdog/report_list.h"
#include "watchdog/snapshot_digest.h"

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

TEST_F(ReportFormTest, NothingChangesWithoutASelectionAnAcceptedEditOrAnEnabledButton) {
  report.btnSave->SetEnabled(false);
  Show([this] {
    PressKey(*report.form, ui::vk::Return);
    PressKey(*report.form, ui::vk::Delete);
    DoubleClick(*report.ListBox1);
    Select(*report.ListBox1, 0);
    EditTo("changed", "BitBtn2");
    Click(*report.btnEdit);
    toolkit.OnModal("Teditline", [](ui::Form& f) { PressKey(f, ui::vk::Escape); });
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
  EXPECT_FALSE(editline.accepted);
  EXPECT_EQ(toolkit.PendingModalScripts(), 0);
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

using Lines = std::vector<std::string>;
using List = std::vector<ChangeLine>;
constexpr ChangeMark A = ChangeMark::Added;
constexpr ChangeMark D = ChangeMark::Deleted;
constexpr ChangeMark U = ChangeMark::Unchanged;

List Report(const Lines& current, const Lines& snapshot) {
  auto list = BuildReportList(current, snapshot);
  EXPECT_TRUE(list.has_value());
  return list ? list->Lines() : List{};
}

// Case folding must not equate "@" and "`" or "[" and "{" (only the case bit differs).
TEST(WatchdogReportList, CharactersThatOnlyLookLikeACaseChangeDiffer) {
  EXPECT_TRUE(BuildReportList({"@abcdefg"}, {"`abcdefg"}));
  EXPECT_TRUE(BuildReportList({"[abcdefgh"}, {"{abcdefgh"}));
  EXPECT_TRUE(BuildReportList({"@abc"}, {"`abc"}));
  EXPECT_TRUE(BuildReportList({"rem a[1] long line"}, {"rem a{1} long line"}));
  EXPECT_TRUE(BuildReportList({"[start] long enough"}, {"{start} long enough"}));
}

struct ReportCase {
  Lines current, snapshot;
  List shown;
};

TEST(WatchdogReportList, ShowsEachLineOnceWithDeletedLinesAfterTheirSnapshotPredecessor) {
  const ReportCase cases[] = {
      {{"a", "b", "c"}, {"a", "x", "b", "y"}, {{"a", U}, {"x", D}, {"y", D}, {"b", U}, {"c", A}}},
      // Without a place: at the top, in reverse order.
      {{"c"}, {"x", "y", "z"}, {{"z", D}, {"y", D}, {"x", D}, {"c", A}}},
      {{"a"}, {"x", "a"}, {{"x", D}, {"a", U}}},
      // Leading blanks make a change, shown trimmed both ways.
      {{"   SET A=1"}, {"SET A=1"}, {{"SET A=1", D}, {"SET A=1", A}}},
      // Unchanged lines keep their blanks; new blank lines are left out.
      {{" a ", "", "new "}, {" a "}, {{" a ", U}, {"new", A}}},
      {{"x", " ", "y"}, {}, {{"x", A}, {"y", A}}},
      // A place past the end (the blank line before "b" is left out) is appended.
      {{"", "n", "b"}, {"b", "x"}, {{"n", A}, {"b", U}, {"x", D}}},
      // " x" is looked up by its trimmed text, is not found, and goes to the top.
      {{"a"}, {"a", " x"}, {{"x", D}, {"a", U}}},
  };
  for (const ReportCase& c : cases) EXPECT_EQ(Report(c.current, c.snapshot), c.shown);
}

// The same rules carried out the obvious way: linear lookups and inserts into the list.
List Reference(const Lines& current, const Lines& snapshot) {
  auto find = [](const Lines& lines, const std::string& line) -> int {
    for (size_t i = 0; i < lines.size(); ++i) {
      if (LineKey(lines[i]) == LineKey(line))
        return static_cast<int>(i);
    }
    return -1;
  };
  Lines deleted;
  for (const auto& s : snapshot) {
    if (find(current, s) < 0 && !IsBlankLine(s))
      deleted.push_back(TrimLine(s));
  }
  List list;
  for (const auto& c : current) {
    if (find(snapshot, c) >= 0) {
      list.push_back({c, U});
    } else if (!IsBlankLine(c)) {
      list.push_back({TrimLine(c), A});
    }
  }
  for (const auto& d : deleted) {
    size_t at = 0;
    int p = find(snapshot, d);
    if (p > 0) {
      int j = find(current, snapshot[static_cast<size_t>(p) - 1]);
      if (j >= 0)
        at = std::min(static_cast<size_t>(j) + 1, list.size());
    }
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), {d, D});
  }
  return list;
}

TEST(WatchdogReportList, AgreesWithTheObviousWayOnRandomLists) {
  std::mt19937 rng(20261205);
  // The Kelvin sign folds to an ASCII "k".
  const Lines words = {"a",  "A", "b", " b",       "c",         "",         " ",           "d",
                       "D ", "e", "k", "\xC3\x84", "\xC3\xA4 ", "\xC3\xA4", "\xE2\x84\xAA"};
  for (int round = 0; round < 2000; ++round) {
    Lines current, snapshot;
    std::uniform_int_distribution<size_t> length(0, 9), word(0, words.size() - 1);
    for (size_t n = length(rng); n > 0; --n) current.push_back(words[word(rng)]);
    for (size_t n = length(rng); n > 0; --n) snapshot.push_back(words[word(rng)]);
    auto list = BuildReportList(current, snapshot);
    List expected = Reference(current, snapshot);
    bool changed = false;
    for (const auto& line : expected) changed = changed || line.mark != U;
    ASSERT_EQ(list.has_value(), changed) << round;
    // The snapshot's digest stands for it exactly as far as the check looks.
    ASSERT_EQ(LinesDigest(current) == LinesDigest(snapshot), !changed) << round;
    if (list) {
      ASSERT_EQ(list->Lines(), expected) << round;
    }
  }
}

}  // namespace
}  // namespace tarnix
