// The controls that show the startup places under Wine: what a place can hold and whether the
// control gives it back unchanged. The edit boxes and the lists lose nothing a place can hold;
// the text page ends at a NUL character, which is why a page is compared with its file after
// loading and shown read-only when they differ.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/ui_win32_form.h"
#include "win32/ui_win32_support.h"

namespace tarnix::ui::testing {
namespace {

using Lines = std::vector<std::string>;

class ControlData : public ::testing::Test {
 protected:
  void SetUp() override {
    t = std::make_unique<TestForm>(Kit());
    t->form->Show();
    Settle();
  }
  std::unique_ptr<TestForm> t;
};

const std::string kEmoji = "\xF0\x9F\x98\x80";

TEST_F(ControlData, AnEditBoxGivesBackEveryValueAWinIniKeyCanHold) {
  const std::string values[] = {"load.exe\r\nsecond.exe", "a\tb", std::string(40000, 'x'),
                                "C:\\" + kEmoji + "\\run.exe", " padded "};
  for (const std::string& value : values) {
    t->edit->SetText(value);
    EXPECT_EQ(t->edit->Text(), value);
  }
}

TEST_F(ControlData, AListGivesBackLongAndNonAsciiNames) {
  const Lines names = {std::string(5000, 'n') + ".lnk", kEmoji + " Mail.lnk", " lead.lnk", ""};
  t->plain->Clear();
  for (const std::string& name : names) t->plain->Add(name);
  EXPECT_EQ(t->plain->Items(), names);
}

TEST_F(ControlData, ATextPageKeepsControlCharactersAndLongLinesButEndsAtANul) {
  const Lines kept = {
      "a\x0b"
      "b",
      "form\x0c"
      "feed",
      std::string(40000, 'l'), kEmoji};
  t->memo->SetLines(kept);
  EXPECT_EQ(t->memo->Lines(), kept);

  const Lines withNul = {"before", std::string("in") + '\0' + "side", "after"};
  t->memo->SetLines(withNul);
  EXPECT_EQ(t->memo->Lines(), (Lines{"before", "in"}));
}

}  // namespace
}  // namespace tarnix::ui::testing
