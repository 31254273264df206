// The controls that show the startup places under Wine: what a place can hold and whether the
// control gives it back unchanged. The edit boxes and the lists lose nothing a place can hold;
// the text page ends at a NUL character, which is why a page is compared with its file after
// loading and shown read-only when they differ.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/ui_conformance.h"
#include "ui/win32/win32_find.h"
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

// Replacing a long text puts a new window in the page's place (Wine's rich edit empties a long
// text one paragraph at a time); the page keeps its name, its ID, its bounds, its marks and the
// edits that reach it.
TEST_F(ControlData, AReplacedTextPageKeepsItsPlaceAndItsMarks) {
  Lines many;
  for (int i = 0; i < 10000; ++i) many.push_back("rem line " + std::to_string(i));
  t->memo->SetLines(many);
  t->memo->SetReadOnly(true);
  t->memo->SetModified(true);
  HWND before = win32::FindControl(FindWindowW(L"TUiTest", L"Every control"), L"Memo1");
  ASSERT_NE(before, nullptr);
  const int id = GetDlgCtrlID(before);
  RECT bounds;
  GetWindowRect(before, &bounds);

  t->memo->SetLines({"first", "second"});
  HWND after = win32::FindControl(FindWindowW(L"TUiTest", L"Every control"), L"Memo1");
  ASSERT_NE(after, nullptr);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(GetDlgCtrlID(after), id);
  RECT now;
  GetWindowRect(after, &now);
  EXPECT_TRUE(EqualRect(&now, &bounds));
  EXPECT_EQ(t->memo->Lines(), (Lines{"first", "second"}));
  EXPECT_TRUE(t->memo->Modified());
  EXPECT_TRUE(t->memo->ReadOnly());
  EXPECT_EQ(t->memo->FindText("second", 0, t->memo->TextLength()), 6);

  t->memo->SetReadOnly(false);
  t->memo->SetModified(false);
  t->memo->SetSelStart(0);
  SendMessageW(after, WM_CHAR, L'x', 0);
  EXPECT_TRUE(t->memo->Modified());
  EXPECT_EQ(t->memo->Lines(), (Lines{"xfirst", "second"}));
}

}  // namespace
}  // namespace tarnix::ui::testing
