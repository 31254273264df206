// The Win32 toolkit under Wine, driven through real window messages as a user, a screen
// reader or a test driver in another process would.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "base/command_line.h"
#include "base/unicode_win32.h"
#include "fakes/headless/headless_toolkit.h"
#include "ui/win32/win32_find.h"
#include "win32/ui_win32_form.h"
#include "win32/ui_win32_support.h"

namespace tarnix::ui::testing {
namespace {

using win32::ControlName;
using win32::FindControl;
using win32::FindId;

class UiWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    t = std::make_unique<TestForm>(Kit());
    t->form->Show();
    hwnd = FindWindowW(L"TUiTest", L"Every control");
    ASSERT_NE(hwnd, nullptr);
    Settle();
  }
  HWND Control(const wchar_t* name) { return FindControl(hwnd, name); }

  std::unique_ptr<TestForm> t;
  HWND hwnd = nullptr;
};

TEST_F(UiWin32, FormIsFoundByClassAndOwnedByTheApplicationWindow) {
  HWND app = GetWindow(hwnd, GW_OWNER);
  wchar_t className[64] = {};
  GetClassNameW(app, className, 64);
  EXPECT_STREQ(className, L"TApplication");
  EXPECT_EQ(TextOf(app), L"Tarnix UI test");
  EXPECT_EQ(FindWindowW(L"TApplication", L"Tarnix UI test"), app);
  Kit().SetTitle("Renamed");
  EXPECT_EQ(TextOf(app), L"Renamed");
  Kit().SetTitle(kTitle);

  RECT client;
  GetClientRect(hwnd, &client);
  int dpi = Loop().Scale().Dpi();
  EXPECT_EQ(client.right, MulDiv(660, dpi, 120));
  EXPECT_EQ(client.bottom, MulDiv(470, dpi, 120));
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
}

TEST_F(UiWin32, ControlsAreStandardWindowsFoundByNameWithTheirCaptions) {
  struct Expected {
    const wchar_t *name, *windowClass, *text;
  };
  for (const Expected& e : std::vector<Expected>{
           {L"btOk", L"Button", L"OK"},
           {L"btCanc", L"Button", L"Cancel"},
           {L"BitBtn2", L"Button", L"OK! That's right!"},
           {L"rbAuto", L"Button", L"Automatic"},
           {L"chbAuto", L"Button", L"Check it"},
           {L"GroupBox1", L"Button", L"Start type"},
           {L"Label1", L"Static", L"Plain"},
           {L"Edit1", L"Edit", L""},
           {L"ListBox1", L"ListBox", L""},
           {L"PageControl1", WC_TABCONTROLW, L""},
           {L"ToolBar1", TOOLBARCLASSNAMEW, L""},
           {L"StatusBar1", STATUSCLASSNAMEW, L"Ready"},
           {L"ProgressBar1", PROGRESS_CLASSW, L""},
           {L"TabSheet2", L"TarnixContainer", L"Texts"},
       }) {
    HWND control = Control(e.name);
    ASSERT_NE(control, nullptr) << e.name;
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    EXPECT_EQ(_wcsicmp(className, e.windowClass), 0) << e.name << " is " << className;
    EXPECT_EQ(TextOf(control), e.text) << e.name;
    EXPECT_EQ(ControlName(control), e.name);
    EXPECT_GE(GetDlgCtrlID(control), 1000);
  }
  wchar_t memoClass[64] = {};
  GetClassNameW(Control(L"Memo1"), memoClass, 64);
  EXPECT_EQ(_wcsnicmp(memoClass, L"RichEdit", 8), 0) << memoClass;
  EXPECT_EQ(t->form->FindControl("ListBox1"), t->plain);
  EXPECT_EQ(t->form->FindControl("ToolButton9"), t->side->Button(1));
}

// What the window shows, pixel by pixel.
std::vector<uint32_t> Pixels(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  HDC dc = GetDC(window);
  HDC memory = CreateCompatibleDC(dc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = rect.right;
  info.bmiHeader.biHeight = rect.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, rect.right, rect.bottom, dc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(first, first + rect.right * rect.bottom);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, dc);
  return pixels;
}

// Wine gives every program an elevated administrator's token. The common controls draw the
// shield on a push button; a picture button draws it itself, before its picture.
TEST_F(UiWin32, ShieldMarksPushAndPictureButtonsUnderAnElevatedToken) {
  EXPECT_TRUE(Kit().Elevated());
  HWND confirm = Control(L"BitBtn2");
  const std::vector<uint32_t> plain = Pixels(confirm);
  t->confirm->SetShield(true);
  t->ok->SetShield(true);
  Settle();
  EXPECT_TRUE(t->confirm->Shield());
  EXPECT_TRUE(t->ok->Shield());
  EXPECT_FALSE(t->cancel->Shield());
  EXPECT_NE(Pixels(confirm), plain);
  EXPECT_TRUE(SaveScreenshot(hwnd, "ui_test_shield.bmp"));
  EXPECT_EQ(TextOf(confirm), L"OK! That's right!");
  t->confirm->SetShield(false);
  t->ok->SetShield(false);
  Settle();
  EXPECT_FALSE(t->confirm->Shield());
  EXPECT_EQ(Pixels(confirm), plain);
}

// A tool button has no window of its own: its shield is drawn over its picture.
TEST_F(UiWin32, ShieldOverAToolButtonsPicture) {
  HWND bar = Control(L"ToolBar2");
  const std::vector<uint32_t> plain = Pixels(bar);
  ToolButton* button = t->side->Button(1);
  button->SetShield(true);
  Settle();
  EXPECT_TRUE(button->Shield());
  EXPECT_FALSE(t->side->Button(0)->Shield());
  EXPECT_NE(Pixels(bar), plain);
  EXPECT_TRUE(SaveScreenshot(hwnd, "ui_test_tool_shield.bmp"));
  button->SetShield(false);
  Settle();
  EXPECT_EQ(Pixels(bar), plain);
}

// Wine runs every program as the session's own user, so the main caption names nobody.
TEST_F(UiWin32, UnderWineTheProgramRunsAsTheSessionsUser) {
  EXPECT_EQ(Kit().OtherAccount(), "");
}

// The restart starts this very executable through "runas" with the arguments: here the test
// program, asked to run no test and to write its (empty) report where a blank is in the way.
TEST_F(UiWin32, StartElevatedStartsThisExecutableAgainWithTheArguments) {
  wchar_t temp[MAX_PATH];
  const std::wstring report =
      std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"restart probe.xml";
  DeleteFileW(report.c_str());
  const ElevatedStart start = Kit().StartElevated(
      JoinArguments({"--gtest_filter=NoTestHasThisName", "--gtest_output=xml:" + Narrow(report)}));
  EXPECT_TRUE(start.started) << start.error;
  EXPECT_EQ(start.error, "");
  bool written = false;
  for (int tries = 0; tries < 300 && !written; ++tries) {
    written = GetFileAttributesW(report.c_str()) != INVALID_FILE_ATTRIBUTES;
    Sleep(100);
  }
  EXPECT_TRUE(written);
  DeleteFileW(report.c_str());
}

// The restart as administrator passes the arguments through the shell as one line, which the
// new instance splits again.
TEST(CommandLine, JoinedArgumentsSplitBackExactly) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"/c"},
      {"/c", "extra"},
      {"C:\\Program Files\\Tarnix2\\", "a b", "tab\there"},
      {"say \"hi\"", "back\\\"slash", "", "\\\\server\\share\\"},
      {"K\u00f6ln", "\u00e9t\u00e9 x"},
  };
  for (const std::vector<std::string>& arguments : cases) {
    const std::wstring line = L"tarnix2.exe " + Widen(JoinArguments(arguments));
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    ASSERT_NE(words, nullptr);
    std::vector<std::string> split;
    for (int i = 1; i < count; ++i) split.push_back(Narrow(words[i]));
    LocalFree(words);
    EXPECT_EQ(split, arguments) << Narrow(line);
  }
}

TEST_F(UiWin32, ListItemsAndSelection) {
  HWND list = Control(L"ListBox1");
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
  t->plain->Insert(1, "Between");
  t->plain->Delete(3);
  EXPECT_EQ(t->plain->Items(), (std::vector<std::string>{"Alpha", "Between", "Bravo"}));
  EXPECT_EQ(ListItem(list, 1), L"Between");
  EXPECT_THROW(t->plain->Item(7), std::out_of_range);

  int clicks = 0;
  t->plain->onClick = [&] { ++clicks; };
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(t->plain->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  t->plain->SetItemIndex(0);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(clicks, 1) << "a selection by the program is no click";
  t->plain->SetItemIndex(-1);
  EXPECT_EQ(t->plain->ItemIndex(), -1);

  // The selection follows the lines, as the headless list's does.
  t->plain->SetItemIndex(1);
  t->plain->Insert(0, "First");
  EXPECT_EQ(t->plain->ItemIndex(), 2);
  t->plain->SetItem(2, "Edited");
  EXPECT_EQ(t->plain->ItemIndex(), 2);
  t->plain->Delete(0);
  EXPECT_EQ(t->plain->ItemIndex(), 1);
  t->plain->Delete(1);
  EXPECT_EQ(t->plain->ItemIndex(), -1) << "deleting the selected line leaves none selected";
  t->plain->SetItemIndex(7);
  EXPECT_EQ(t->plain->ItemIndex(), -1);
}

TEST_F(UiWin32, OwnerDrawnItemsKeepTheirImagesAndTexts) {
  HWND list = Control(L"lsbMarks");
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LBS_OWNERDRAWFIXED);
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LBS_HASSTRINGS);
  EXPECT_EQ(ListItem(list, 1), L"deleted line");
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 1, 0), 1);
  t->marked->SetItem(0, "edited line");
  EXPECT_EQ(t->marked->ItemImage(0), 0) << "an edited line keeps its mark";
  EXPECT_EQ(ListItem(list, 0), L"edited line");
  t->marked->Add("no mark");
  EXPECT_EQ(t->marked->ItemImage(3), -1);

  // The red plus of the first line is on the screen, left of its text.
  t->pages->SetActivePage(t->listPage);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  RECT item;
  SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  HDC dc = GetDC(list);
  int scaled = MulDiv(16, Loop().Scale().Dpi(), 120);
  COLORREF centre = GetPixel(dc, item.left + scaled / 2, item.top + scaled / 2);
  COLORREF corner = GetPixel(dc, item.left, item.top);
  ReleaseDC(list, dc);
  EXPECT_GT(GetRValue(centre), 150);
  EXPECT_LT(GetGValue(centre), 80);
  EXPECT_EQ(corner, GetSysColor(COLOR_WINDOW)) << "magenta is transparent";

  HWND services = Control(L"lsbServ");
  EXPECT_TRUE(GetWindowLongW(services, GWL_STYLE) & LBS_OWNERDRAWVARIABLE);
  EXPECT_EQ(ListItem(services, 0), L"Running service");
  EXPECT_GT(SendMessageW(services, LB_GETITEMHEIGHT, 0, 0), 5);
}

TEST_F(UiWin32, ModifiedMarksComeFromTypingOnly) {
  t->pages->SetActivePage(t->textPage);
  t->memo->SetLines({"first", "second"});
  t->edit->SetText("load.exe");
  EXPECT_FALSE(t->memo->Modified());
  EXPECT_FALSE(t->edit->Modified());
  EXPECT_EQ(SendMessageW(Control(L"Edit1"), EM_GETMODIFY, 0, 0), 0);

  t->edit->SetFocus();
  Settle();
  PostKey(Control(L"Edit1"), 'A');
  Settle();
  EXPECT_TRUE(t->edit->Modified());
  EXPECT_NE(SendMessageW(Control(L"Edit1"), EM_GETMODIFY, 0, 0), 0);
  t->edit->SetText("other.exe");
  EXPECT_TRUE(t->edit->Modified()) << "setting the text keeps the mark";
  t->edit->SetModified(false);
  EXPECT_EQ(SendMessageW(Control(L"Edit1"), EM_GETMODIFY, 0, 0), 0);

  t->memo->SetFocus();
  t->memo->SetSelStart(0);
  SendMessageW(Control(L"Memo1"), WM_CHAR, 'x', KeyFlags('X'));
  EXPECT_TRUE(t->memo->Modified());
  EXPECT_EQ(t->memo->Lines(), (std::vector<std::string>{"xfirst", "second"}));
  t->memo->SetModified(false);
  EXPECT_EQ(SendMessageW(Control(L"Memo1"), EM_GETMODIFY, 0, 0), 0);
  t->memo->SetModified(true);
  t->memo->Clear();
  EXPECT_FALSE(t->memo->Modified());
  EXPECT_TRUE(t->memo->Lines().empty());
}

TEST_F(UiWin32, TextPageGivesBackEveryListOfLinesAsSetLikeTheHeadlessPage) {
  headless::HeadlessToolkit headlessKit;
  std::unique_ptr<Form> headlessForm = headlessKit.CreateForm({"Headless", "THeadless"});
  TextPage* model = headlessForm->AddTextPage({"Memo1"});
  for (const auto& lines : std::vector<std::vector<std::string>>{
           {}, {""}, {"", ""}, {"a", ""}, {"a"}, {"", "a"}, {"a", "", ""}, {"", "", "b", ""}}) {
    std::string shown = "{";
    for (const std::string& line : lines) shown += "\"" + line + "\" ";
    shown += "}";
    t->memo->SetLines(lines);
    model->SetLines(lines);
    EXPECT_EQ(t->memo->Lines(), lines) << shown;
    EXPECT_EQ(t->memo->Text(), model->Text()) << shown;
    EXPECT_EQ(t->memo->TextLength(), model->TextLength()) << shown;
  }
}

TEST_F(UiWin32, TypingAfterTheLastLineAddsALine) {
  t->pages->SetActivePage(t->textPage);
  t->memo->SetLines({"a"});
  t->memo->SetFocus();
  t->memo->SetSelStart(2);
  SendMessageW(Control(L"Memo1"), WM_CHAR, 'b', KeyFlags('B'));
  EXPECT_EQ(t->memo->Lines(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(t->memo->TextLength(), 3);
}

TEST_F(UiWin32, TextPageCountsALineBreakAsOneAndFindsIgnoringCase) {
  t->memo->SetLines({"abab", "NET use", "net"});
  EXPECT_EQ(t->memo->Text(), "abab\r\nNET use\r\nnet");
  EXPECT_EQ(t->memo->TextLength(), 4 + 1 + 7 + 1 + 3);
  int length = t->memo->TextLength();
  EXPECT_EQ(t->memo->FindText("ab", 0, length), 0);
  EXPECT_EQ(t->memo->FindText("ab", 3, length - 3), -1);
  EXPECT_EQ(t->memo->FindText("net", 0, length), 5);
  EXPECT_EQ(t->memo->FindText("net", 6, length - 6), 13);
  t->memo->SetSelStart(5);
  EXPECT_EQ(t->memo->SelStart(), 5);
  CHARRANGE range{};
  SendMessageW(Control(L"Memo1"), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.cpMin, 5);
  EXPECT_EQ(range.cpMax, 5);
  LONG style = GetWindowLongW(Control(L"Memo1"), GWL_STYLE);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_TRUE(style & WS_VSCROLL);
}

TEST_F(UiWin32, FindTextAgreesWithTheHeadlessPageOnEveryStartAndLength) {
  headless::HeadlessToolkit headlessKit;
  std::unique_ptr<Form> headlessForm = headlessKit.CreateForm({"Headless", "THeadless"});
  TextPage* model = headlessForm->AddTextPage({"Memo1"});
  for (const auto& lines : std::vector<std::vector<std::string>>{
           {"abab", "xab"}, {"", "AB", "", "b"}, {"Übel über", "ÜBER"}}) {
    t->memo->SetLines(lines);
    model->SetLines(lines);
    ASSERT_EQ(t->memo->TextLength(), model->TextLength());
    int length = model->TextLength();
    for (const char* what : {"AB", "ab", "b", "x", "abx", "", "BER"}) {
      for (int start = -1; start <= length + 1; ++start) {
        for (int span : {length - start, 1, 2, 3, 0, -1}) {
          EXPECT_EQ(t->memo->FindText(what, start, span), model->FindText(what, start, span))
              << "\"" << what << "\" from " << start << " over " << span << " in " << lines[0];
        }
      }
    }
  }
  t->memo->SetLines({"abab", "xab"});
  int length = t->memo->TextLength();
  EXPECT_EQ(length, 8);
  EXPECT_EQ(t->memo->FindText("AB", 0, length), 0);
  EXPECT_EQ(t->memo->FindText("AB", 1, length - 1), 2);
  EXPECT_EQ(t->memo->FindText("AB", 3, length - 3), 6) << "the line break counts as one";
  EXPECT_EQ(t->memo->FindText("AB", 7, length - 7), -1);
  EXPECT_EQ(t->memo->FindText("", 0, length), -1);
}

TEST_F(UiWin32, KeyPreviewSeesKeysBeforeTheControl) {
  t->plain->onKeyDown = [this](int& key, ShiftState) { t->Note("KeyDown " + std::to_string(key)); };
  t->plain->onKeyPress = [this](int& ch) { t->Note("KeyPress " + std::to_string(ch)); };
  t->plain->SetFocus();
  Settle();
  t->events.clear();
  PostKey(Control(L"ListBox1"), 'Q');
  Settle();
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 81", "KeyDown 81", "FormKeyPress 113",
                                                 "KeyPress 113"}));

  t->form->onFormKeyDown = [this](int& key, ShiftState) {
    t->Note("FormKeyDown " + std::to_string(key));
    key = 0;
  };
  t->events.clear();
  PostKey(Control(L"ListBox1"), 'Q');
  Settle();
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 81"}))
      << "a key the preview takes reaches nothing else, not even as a character";
}

TEST_F(UiWin32, AKeyThatClosesTheFormGoesNoFurther) {
  t->plain->onKeyDown = [this](int& key, ShiftState) { t->Note("KeyDown " + std::to_string(key)); };
  t->form->onFormKeyDown = [this](int& key, ShiftState) {
    t->Note("FormKeyDown " + std::to_string(key));
    if (key == VK_ESCAPE)
      t->form->Close();
  };
  t->pages->SetActivePage(t->listPage);
  t->plain->SetFocus();
  Settle();
  t->events.clear();
  PostKey(Control(L"ListBox1"), VK_ESCAPE);
  Settle();
  EXPECT_FALSE(t->form->Visible());
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 27"}))
      << "neither the control's handlers nor the key's character";
}

TEST_F(UiWin32, F1AsksForTheFormsHelpAfterTheKeyHandlers) {
  std::vector<int> asked;
  Kit().onHelp = [&](Form& form, int context) {
    EXPECT_EQ(&form, t->form.get());
    asked.push_back(context);
  };
  t->plain->SetFocus();
  Settle();
  t->events.clear();
  PostKey(Control(L"ListBox1"), VK_F1);
  Settle();
  Kit().onHelp = nullptr;
  EXPECT_EQ(asked, std::vector<int>{105});
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 112"}))
      << "key preview sees F1 first; it makes no character";
}

TEST_F(UiWin32, PopupShortcutsComeBeforeMainMenuShortcutsOnlyInTheirList) {
  t->plain->SetFocus();
  Settle();
  t->events.clear();
  PostKey(Control(L"ListBox1"), VK_DELETE);
  PostKey(Control(L"ListBox1"), VK_INSERT);
  PostKey(Control(L"ListBox1"), VK_F9);
  Settle();
  EXPECT_EQ(t->events, (std::vector<std::string>{"Delete1", "Add1", "Checkit1"}));

  t->pages->SetActivePage(t->textPage);
  t->edit->SetText("abc");
  t->edit->SetFocus();
  t->edit->SetSelStart(0);
  Settle();
  t->events.clear();
  PostKey(Control(L"Edit1"), VK_DELETE);
  PostKey(Control(L"Edit1"), VK_F9);
  Settle();
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 46", "Checkit1"}));
  EXPECT_EQ(t->edit->Text(), "bc") << "Del keeps its meaning in an edit box";

  t->popDelete->SetEnabled(false);
  t->plain->SetFocus();
  Settle();
  t->events.clear();
  PostKey(Control(L"ListBox1"), VK_DELETE);
  Settle();
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 46"}));
}

TEST_F(UiWin32, ModifiedShortcutsOfTheMainMenu) {
  t->plain->SetFocus();
  Settle();
  t->events.clear();
  {
    CtrlHeld ctrl;
    PostKey(Control(L"ListBox1"), 'F');
    Settle();
  }
  PostKey(Control(L"ListBox1"), 'X', true);
  Settle();
  EXPECT_EQ(t->events, (std::vector<std::string>{"Find1", "N6"}));

  t->find->SetEnabled(false);
  t->events.clear();
  {
    CtrlHeld ctrl;
    PostKey(Control(L"ListBox1"), 'F');
    Settle();
  }
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 70", "FormKeyPress 6"}))
      << "a disabled item leaves the key to the form";
}

TEST_F(UiWin32, EnterAndEscFromARichEditReachTheFormPreview) {
  t->pages->SetActivePage(t->textPage);
  t->memo->SetLines({"one"});
  t->memo->SetFocus();
  t->memo->SetSelStart(1);
  Settle();
  t->events.clear();
  PostKey(Control(L"Memo1"), VK_RETURN);
  Settle();
  PostKey(Control(L"Memo1"), VK_ESCAPE);
  Settle();
  EXPECT_EQ(t->events, (std::vector<std::string>{"FormKeyDown 13", "FormKeyPress 13",
                                                 "FormKeyDown 27", "FormKeyPress 27", "btCanc"}));
  EXPECT_EQ(t->memo->Lines().size(), 2u) << "Enter is a new line in the page";
}

TEST_F(UiWin32, TabMovesInTabOrderAndTheLeftControlHearsItsExit) {
  int exits = 0;
  t->plain->onExit = [&] { ++exits; };
  t->pages->SetActivePage(t->listPage);
  t->plain->SetFocus();
  Settle();
  PostKey(Control(L"ListBox1"), VK_TAB);
  Settle();
  EXPECT_TRUE(t->marked->Focused());
  EXPECT_EQ(exits, 1);
  PostKey(Control(L"lsbMarks"), VK_TAB);
  PostKey(Control(L"lsbServ"), VK_TAB);
  Settle();
  EXPECT_TRUE(t->ok->Focused());
  EXPECT_EQ(t->form->ActiveControl(), t->ok);
}

TEST_F(UiWin32, AFocusGivenBeforeTheFormIsShownTakesEffectWhenItAppears) {
  TestForm other(Kit(), false);
  other.form->SetCaption("Second form");
  other.services->SetFocus();
  other.form->Show();
  Settle();
  EXPECT_EQ(GetFocus(), FindControl(FindWindowW(L"TUiTest", L"Second form"), L"lsbServ"));
  EXPECT_EQ(other.form->ActiveControl(), other.services);
  other.form->Hide();
  t->form->Show();
  Settle();
  EXPECT_EQ(GetActiveWindow(), hwnd);
}

TEST_F(UiWin32, RadiosOfOneParentExcludeEachOther) {
  EXPECT_TRUE(t->first->Checked());
  EXPECT_TRUE(t->alone->Checked());
  SendMessageW(Control(L"rbManual"), BM_CLICK, 0, 0);
  EXPECT_TRUE(t->second->Checked());
  EXPECT_FALSE(t->first->Checked());
  EXPECT_TRUE(t->alone->Checked()) << "another parent, another group";
  t->first->SetChecked(true);
  EXPECT_FALSE(t->second->Checked());
  SendMessageW(Control(L"chbAuto"), BM_CLICK, 0, 0);
  EXPECT_FALSE(t->check->Checked());
}

TEST_F(UiWin32, PagesSwitchOnTheTabControlsNotification) {
  HWND tabs = Control(L"PageControl1");
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(Control(L"ListBox1")));
  EXPECT_FALSE(IsWindowVisible(Control(L"Memo1")));
  int changes = 0;
  t->pages->onChange = [&] { ++changes; };
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(hwnd, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(t->pages->ActivePage(), t->textPage);
  EXPECT_TRUE(IsWindowVisible(Control(L"Memo1")));
  EXPECT_FALSE(IsWindowVisible(Control(L"ListBox1")));
  EXPECT_EQ(changes, 1);
}

TEST_F(UiWin32, ToolButtonsAndMenuItemsRunByTheirCommandIds) {
  HWND bar = Control(L"ToolBar1");
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
  int id = FindId(hwnd, L"ToolButton2");
  wchar_t text[64] = {};
  SendMessageW(bar, TB_GETBUTTONTEXTW, id, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Edit (Enter)");
  t->events.clear();
  SendMessageW(hwnd, WM_COMMAND, id, 0);
  SendMessageW(hwnd, WM_COMMAND, FindId(hwnd, L"Checkit1"), 0);
  t->tools->Button(1)->SetEnabled(false);
  t->checkIt->SetEnabled(false);
  SendMessageW(hwnd, WM_COMMAND, id, 0);
  SendMessageW(hwnd, WM_COMMAND, FindId(hwnd, L"Checkit1"), 0);
  EXPECT_EQ(t->events, (std::vector<std::string>{"ToolButton2", "Checkit1"}));
  EXPECT_EQ(SendMessageW(bar, TB_ISBUTTONENABLED, id, 0), 0);

  NMTTDISPINFOW tip{};
  tip.hdr = {bar, static_cast<UINT_PTR>(id), static_cast<UINT>(TTN_GETDISPINFOW)};
  SendMessageW(hwnd, WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip.lpszText, nullptr);
  EXPECT_STREQ(tip.lpszText, L"Edit (Enter)") << "the tooltip shows the hint";
}

TEST_F(UiWin32, HintsAreRealToolTips) {
  for (const wchar_t* barName : {L"ToolBar1", L"ToolBar2"}) {
    HWND bar = Control(barName);
    auto tip = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tip, nullptr) << barName;
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
  }
  struct Expected {
    const wchar_t *bar, *button, *hint;
  };
  for (const Expected& e : std::vector<Expected>{{L"ToolBar1", L"ToolButton1", L"Delete  (DEL)"},
                                                 {L"ToolBar1", L"ToolButton3", L"Add  (INS)"},
                                                 {L"ToolBar2", L"ToolButton9", L"Save (F2)"}}) {
    HWND bar = Control(e.bar);
    auto tip = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    EXPECT_EQ(ToolTipText(tip, bar, static_cast<UINT_PTR>(FindId(hwnd, e.button))), e.hint);
  }
  t->side->Button(0)->SetHint("Check now");
  HWND side = Control(L"ToolBar2");
  EXPECT_EQ(ToolTipText(reinterpret_cast<HWND>(SendMessageW(side, TB_GETTOOLTIPS, 0, 0)), side,
                        static_cast<UINT_PTR>(FindId(hwnd, L"ToolButton8"))),
            L"Check now");

  t->ok->SetHint("Show version");
  t->check->SetHint("Checks at start");
  struct Search {
    HWND form, tip;
  } search{hwnd, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        if (_wcsicmp(className, TOOLTIPS_CLASSW) || GetWindow(window, GW_OWNER) != s->form)
          return TRUE;
        s->tip = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  ASSERT_NE(search.tip, nullptr) << "the form's tooltip control";
  EXPECT_EQ(ToolTipText(search.tip, hwnd, reinterpret_cast<UINT_PTR>(Control(L"btOk"))),
            L"Show version");
  EXPECT_EQ(ToolTipText(search.tip, hwnd, reinterpret_cast<UINT_PTR>(Control(L"chbAuto"))),
            L"Checks at start");
  EXPECT_EQ(t->ok->Hint(), "Show version");
}

TEST_F(UiWin32, MenuCaptionsShowShortcutsAndTheDefaultItem) {
  HMENU bar = GetMenu(hwnd);
  ASSERT_NE(bar, nullptr);
  auto caption = [](HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return std::wstring(text);
  };
  EXPECT_EQ(caption(bar, 0), L"&File");
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(caption(file, 0), L"Check it!\tF9");
  EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(FindId(hwnd, L"Checkit1")));
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(caption(file, 2), L"&Exit\tAlt+X");
  EXPECT_EQ(caption(GetSubMenu(bar, 1), 0), L"&Find\tCtrl+F");
  t->exit->SetEnabled(false);
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(UiWin32, StatusAndProgress) {
  wchar_t text[64] = {};
  SendMessageW(Control(L"StatusBar1"), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Ready");
  EXPECT_EQ(t->status->PanelText(0), "Ready");
  EXPECT_EQ(SendMessageW(Control(L"StatusBar1"), SB_GETPARTS, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Control(L"ProgressBar1"), PBM_GETPOS, 0, 0), 60);
  t->progress->SetPosition(100);
  EXPECT_EQ(t->progress->Position(), 100);
}

TEST_F(UiWin32, ScreenshotOfTheForm) {
  t->pages->SetActivePage(t->listPage);
  t->marked->SetItemIndex(1);
  t->plain->SetFocus();
  t->form->Repaint();
  Settle(300);
  EXPECT_TRUE(SaveScreenshot(hwnd, "ui_test_form.bmp"));
  t->pages->SetActivePage(t->textPage);
  t->memo->SetLines({"@echo off", "SET PATH=C:\\WINDOWS;C:\\WINDOWS\\COMMAND", "lh mouse.com"});
  t->edit->SetText("C:\\Program Files\\tool.exe");
  t->form->Repaint();
  Settle(300);
  EXPECT_TRUE(SaveScreenshot(hwnd, "ui_test_form_texts.bmp"));
}

}  // namespace
}  // namespace tarnix::ui::testing

namespace tarnix::ui::testing {
namespace {

TEST_F(UiWin32, MessageBoxesShowTextCaptionAndButtonsAsAsked) {
  Rescue rescue({}, 15000);
  ShownBox shown;
  int answer = 0;
  {
    User user([&] { shown = AnswerBox(L"Attention!", IDCANCEL); });
    answer = Kit().MessageBox(t->form.get(), "Are you sure to delete this entry?", "Attention!",
                              mb::OkCancel | mb::IconWarning);
  }
  EXPECT_TRUE(shown.seen);
  EXPECT_EQ(shown.owner, hwnd);
  EXPECT_EQ(shown.text, L"Are you sure to delete this entry?");
  EXPECT_TRUE(shown.hasCancel);
  EXPECT_FALSE(shown.hasYes);
  EXPECT_EQ(shown.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
  EXPECT_EQ(answer, mb::IdCancel);
  {
    User user([&] { shown = AnswerBox(L"Attention!", IDYES); });
    answer =
        Kit().MessageBox(t->form.get(), "Save changes?", "Attention!", mb::YesNo | mb::IconInfo);
  }
  EXPECT_TRUE(shown.hasYes);
  EXPECT_FALSE(shown.hasCancel);
  EXPECT_EQ(shown.icon, LoadIconW(nullptr, IDI_ASTERISK));
  EXPECT_EQ(answer, mb::IdYes);
}

TEST_F(UiWin32, AnExceptionInAHandlerIsShownInTheErrorBoxAndTheProgramGoesOn) {
  Rescue rescue({}, 15000);
  t->confirm->onClick = [] { throw std::runtime_error("Error with writing to registry."); };
  ShownBox shown;
  std::atomic<bool> answered{false};
  {
    User user([&] {
      shown = AnswerBox(L"Tarnix UI test", IDOK);
      answered = true;
    });
    PostMessageW(Control(L"BitBtn2"), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return answered.load(); }, 8000));
  }
  EXPECT_EQ(shown.text, L"Error with writing to registry.");
  EXPECT_FALSE(shown.hasCancel);
  EXPECT_FALSE(shown.hasYes);
  EXPECT_TRUE(shown.hasIcon);
  EXPECT_EQ(shown.icon, LoadIconW(nullptr, IDI_HAND)) << "the stop icon";
  Settle();
  t->events.clear();
  SendMessageW(Control(L"btCanc"), BM_CLICK, 0, 0);
  EXPECT_EQ(t->events, (std::vector<std::string>{"btCanc"}));
}

struct Dialog {
  Dialog(const std::string& className, const std::string& caption) {
    FormSpec spec;
    spec.name = className.substr(1);
    spec.className = className;
    spec.caption = caption;
    spec.clientWidth = 360;
    spec.clientHeight = 120;
    form = Kit().CreateForm(spec);
    edit = form->AddEdit({"edtRow", {8, 8, 340, 24}, "", false});
    ok = form->AddButton({"BitBtn1", "", {8, 60, 100, 33}, ButtonKind::Ok});
    cancel = form->AddButton({"BitBtn2", "", {120, 60, 100, 33}, ButtonKind::Cancel});
    other = form->AddButton({"Button1", "Other", {232, 60, 100, 33}});
    close = form->AddButton({"BitBtn3", "", {232, 96, 100, 20}, ButtonKind::Close});
    form->onClose = [this] { ++closings; };
  }
  HWND Find(const wchar_t* windowClass, const wchar_t* caption) {
    return WaitForWindow(windowClass, caption);
  }
  std::unique_ptr<Form> form;
  EditBox* edit;
  Button* ok;
  Button* cancel;
  Button* other;
  Button* close;
  int closings = 0;
};

TEST_F(UiWin32, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  Rescue rescue({L"TEditline"}, 20000);
  Dialog dialog("TEditline", "Edit Line");
  auto press = [&](int key) {
    User user([&] {
      HWND found = WaitForWindow(L"TEditline", L"Edit Line");
      PostKey(FindControl(found, L"edtRow"), key);
    });
    return dialog.form->ShowModal();
  };
  EXPECT_EQ(press(VK_RETURN), mr::Ok);
  EXPECT_EQ(press(VK_ESCAPE), mr::Cancel);
  int closed;
  {
    User user([&] { PostMessageW(WaitForWindow(L"TEditline", L"Edit Line"), WM_CLOSE, 0, 0); });
    closed = dialog.form->ShowModal();
  }
  EXPECT_EQ(closed, mr::Cancel);
  EXPECT_EQ(dialog.form->ModalResult(), mr::Cancel) << "the close box gives Cancel";
  EXPECT_EQ(dialog.closings, 3) << "every closing runs onClose";
  EXPECT_FALSE(dialog.form->IsModal());
  EXPECT_FALSE(dialog.form->Visible());
}

TEST_F(UiWin32, ACloseButtonAndCloseByTheProgramEndTheModalShowWithCancel) {
  Rescue rescue({L"TEditline"}, 20000);
  Dialog dialog("TEditline", "Edit Line");
  dialog.other->onClick = [&] { dialog.form->Close(); };
  for (const wchar_t* button : {L"BitBtn3", L"Button1"}) {
    int closings = dialog.closings;
    int result;
    {
      User user([button] {
        HWND found = WaitForWindow(L"TEditline", L"Edit Line");
        PostMessageW(FindControl(found, button), BM_CLICK, 0, 0);
      });
      result = dialog.form->ShowModal();
    }
    EXPECT_EQ(result, mr::Cancel) << button;
    EXPECT_EQ(dialog.form->ModalResult(), mr::Cancel) << button;
    EXPECT_EQ(dialog.closings, closings + 1) << button << ": onClose once";
    EXPECT_FALSE(dialog.form->Visible());
  }
}

TEST_F(UiWin32, ModalFormsNestAndEachReturnsItsResult) {
  Rescue rescue({L"TInner", L"TOuter"}, 25000);
  Dialog outer("TOuter", "Outer dialog");
  Dialog inner("TInner", "Inner dialog");
  int innerResult = 0, answer = 0;
  bool outerDisabled = false, mainDisabled = false;
  outer.other->onClick = [&] { innerResult = inner.form->ShowModal(); };
  inner.other->onClick = [&] {
    outerDisabled = !IsWindowEnabled(FindWindowW(L"TOuter", nullptr));
    mainDisabled = !IsWindowEnabled(hwnd);
    answer = Kit().MessageBox(inner.form.get(), "Go on?", "Question", mb::YesNo | mb::IconQuestion);
  };
  ShownBox shown;
  User user([&] {
    HWND outerWindow = WaitForWindow(L"TOuter", L"Outer dialog");
    PostMessageW(FindControl(outerWindow, L"Button1"), BM_CLICK, 0, 0);
    HWND innerWindow = WaitForWindow(L"TInner", L"Inner dialog");
    PostMessageW(FindControl(innerWindow, L"Button1"), BM_CLICK, 0, 0);
    shown = AnswerBox(L"Question", IDYES);
    PostMessageW(FindControl(innerWindow, L"BitBtn1"), BM_CLICK, 0, 0);
    for (DWORD start = GetTickCount();
         IsWindowVisible(innerWindow) && GetTickCount() - start < 5000;)
      Sleep(20);
    PostMessageW(FindControl(outerWindow, L"BitBtn2"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(outer.form->ShowModal(), mr::Cancel);
  EXPECT_EQ(innerResult, mr::Ok);
  EXPECT_EQ(answer, mb::IdYes);
  EXPECT_EQ(shown.owner, FindWindowW(L"TInner", nullptr));
  EXPECT_TRUE(outerDisabled);
  EXPECT_TRUE(mainDisabled);
  EXPECT_TRUE(IsWindowEnabled(hwnd)) << "the other windows are enabled again";
}

TEST_F(UiWin32, APopupMenuOnARightClickRunsTheChosenItemWithoutSelecting) {
  Rescue rescue({L"#32768"}, 15000);
  std::vector<MouseButton> presses;
  t->plain->onMouseDown = [&](MouseButton button, int, int) { presses.push_back(button); };
  HWND list = Control(L"ListBox1");
  t->plain->SetItemIndex(-1);
  t->plain->SetFocus();
  Settle();
  t->events.clear();
  UINT defaultItem = 0;
  std::atomic<bool> chosen{false};
  {
    User user([&] {
      HWND menu = WaitForWindow(L"#32768", nullptr);
      auto handle = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
      defaultItem = GetMenuDefaultItem(handle, FALSE, 0);
      for (int key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostKey(menu, key);
      chosen = true;
    });
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
    PostMessageW(list, WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_TRUE(PumpUntil([&] { return chosen.load() && !t->events.empty(); }, 8000));
  }
  EXPECT_EQ(t->events, (std::vector<std::string>{"Add1"}));
  EXPECT_EQ(presses, (std::vector<MouseButton>{MouseButton::Right}));
  EXPECT_EQ(t->plain->ItemIndex(), -1) << "the right button does not select";
  EXPECT_EQ(defaultItem, static_cast<UINT>(FindId(hwnd, L"Change1")));
}

TEST_F(UiWin32, FileDialogsTakeFilterExtensionFolderAndName) {
  Rescue rescue({}, 20000);
  FileDialogSpec spec{"Save registry keys", "*.reg|*.reg", "reg", "C:\\windows", "startup"};
  std::optional<std::string> chosen;
  {
    User user(
        [] { PostMessageW(WaitForWindow(L"#32770", L"Save registry keys"), WM_COMMAND, IDOK, 0); });
    chosen = Kit().SaveFileDialog(t->form.get(), spec);
  }
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(_stricmp(chosen->c_str(), "C:\\windows\\startup.reg"), 0) << *chosen;
  spec.title = "Open undo file";
  {
    User user(
        [] { PostMessageW(WaitForWindow(L"#32770", L"Open undo file"), WM_COMMAND, IDCANCEL, 0); });
    chosen = Kit().OpenFileDialog(t->form.get(), spec);
  }
  EXPECT_FALSE(chosen.has_value());
}

TEST(UiWin32Forms, BorderStylesGiveTheirFramesAndTheDesignedClientArea) {
  struct Expected {
    BorderStyle border;
    const wchar_t* windowClass;
    bool caption, systemMenu, minimiseBox;
  };
  int dpi = Loop().Scale().Dpi();
  for (const Expected& e :
       std::vector<Expected>{{BorderStyle::FixedSingle, L"TBorderMain", true, true, true},
                             {BorderStyle::Dialog, L"TBorderDialog", true, true, false},
                             {BorderStyle::DialogNoSysMenu, L"TfrmFirst", true, false, false},
                             {BorderStyle::None, L"TfrmSplash", false, false, false}}) {
    FormSpec spec;
    spec.name = "Border";
    spec.className = std::string(e.windowClass, e.windowClass + wcslen(e.windowClass));
    spec.caption = "Border";
    spec.clientWidth = 426;
    spec.clientHeight = 94;
    spec.border = e.border;
    auto form = Kit().CreateForm(spec);
    form->Show();
    HWND window = FindWindowW(e.windowClass, L"Border");
    ASSERT_NE(window, nullptr) << spec.className;
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, e.caption) << spec.className;
    EXPECT_EQ((style & WS_SYSMENU) != 0, e.systemMenu) << spec.className;
    EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, e.minimiseBox) << spec.className;
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) << spec.className;
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, MulDiv(426, dpi, 120)) << spec.className;
    EXPECT_EQ(client.bottom, MulDiv(94, dpi, 120)) << spec.className;
    form->Hide();
  }
}

// Waits for a file a started program makes; whether it came.
bool FileAppears(const std::wstring& path) {
  DWORD start = GetTickCount();
  while (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount() - start > 10000)
      return false;
    Sleep(50);
  }
  return true;
}

TEST(UiWin32Platform, ProgramsStartThroughTheShellWithTheirArguments) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  for (const char* program : {"cmd.exe", "\"C:\\windows\\system32\\cmd.exe\""}) {
    std::wstring made = std::wstring(folder) + L"tarnix started.txt";
    DeleteFileW(made.c_str());
    std::string line = std::string(program) + "  /c type nul > \"" + Narrow(made) + "\"";
    EXPECT_EQ(Kit().StartProgram(line, sw::Normal), "") << line;
    EXPECT_TRUE(FileAppears(made)) << line;
    DeleteFileW(made.c_str());
  }
}

TEST(UiWin32Platform, AProgramThatCannotStartIsReportedWithTheReason) {
  for (const char* line : {"no_such_program_anywhere.exe", "no_such_program_anywhere.exe /x",
                           "\"C:\\no such folder\\no_such_program_anywhere.exe\" /x"}) {
    std::string error = Kit().StartProgram(line, sw::Normal);
    EXPECT_EQ(error.rfind("Cannot start ", 0), 0u) << line << ": " << error;
    EXPECT_NE(error.find("no_such_program_anywhere.exe: "), std::string::npos) << error;
    EXPECT_EQ(error.find(" /x"), std::string::npos) << "the arguments are not the program";
    EXPECT_GT(error.size(), error.find(": ") + 2) << "a reason follows";
  }
}

// A toolkit of its own: its end request cannot be taken back.
TEST(UiWin32Loop, TerminateEndsTheNestedModalLoopAndTheEventLoop) {
  Rescue rescue({L"TLoopDialog", L"TLoopMain"}, 20000);
  auto kit = win32::CreateToolkit(GetModuleHandleW(nullptr));
  FormSpec mainSpec;
  mainSpec.name = "LoopMain";
  mainSpec.className = "TLoopMain";
  mainSpec.caption = "Loop main";
  mainSpec.clientWidth = 300;
  mainSpec.clientHeight = 100;
  mainSpec.isMainForm = true;
  auto mainForm = kit->CreateForm(mainSpec);
  FormSpec dialogSpec = mainSpec;
  dialogSpec.className = "TLoopDialog";
  dialogSpec.caption = "Loop dialog";
  dialogSpec.isMainForm = false;
  auto dialog = kit->CreateForm(dialogSpec);
  dialogSpec.className = "TLoopInner";
  dialogSpec.caption = "Loop inner";
  auto inner = kit->CreateForm(dialogSpec);
  Button* open = mainForm->AddButton({"btnOpen", "Open", {8, 8, 100, 30}});
  Button* openInner = dialog->AddButton({"btnOpen", "Open", {8, 8, 100, 30}});
  Button* quit = inner->AddButton({"btnQuit", "Quit", {8, 8, 100, 30}});
  int result = -1, innerResult = -1, after = 0;
  open->onClick = [&] {
    result = dialog->ShowModal();
    ++after;
  };
  openInner->onClick = [&] {
    innerResult = inner->ShowModal();
    ++after;
  };
  quit->onClick = [&] { kit->Terminate(); };
  User user([] {
    PostMessageW(FindControl(WaitForWindow(L"TLoopMain", L"Loop main"), L"btnOpen"), BM_CLICK, 0,
                 0);
    PostMessageW(FindControl(WaitForWindow(L"TLoopDialog", L"Loop dialog"), L"btnOpen"), BM_CLICK,
                 0, 0);
    PostMessageW(FindControl(WaitForWindow(L"TLoopInner", L"Loop inner"), L"btnQuit"), BM_CLICK, 0,
                 0);
  });
  kit->Run(mainForm.get(), true);
  EXPECT_TRUE(kit->Terminated());
  EXPECT_EQ(innerResult, mr::Cancel);
  EXPECT_EQ(result, mr::Cancel);
  EXPECT_EQ(after, 2) << "each modal show returned to its caller";
  EXPECT_FALSE(inner->Visible());
  EXPECT_FALSE(dialog->Visible());
}

TEST(UiWin32Loop, ClosingTheMainFormEndsTheEventLoop) {
  Rescue rescue({}, 20000);
  auto kit = win32::CreateToolkit(GetModuleHandleW(nullptr));
  FormSpec spec;
  spec.name = "Closing";
  spec.className = "TClosingMain";
  spec.caption = "Closing main";
  spec.clientWidth = 200;
  spec.clientHeight = 80;
  spec.isMainForm = true;
  auto mainForm = kit->CreateForm(spec);
  int closings = 0;
  mainForm->onClose = [&] { ++closings; };
  User user([] { PostMessageW(WaitForWindow(L"TClosingMain", L"Closing main"), WM_CLOSE, 0, 0); });
  DWORD start = GetTickCount();
  kit->Run(mainForm.get(), true);
  EXPECT_LT(GetTickCount() - start, 15000u);
  EXPECT_TRUE(kit->Terminated());
  EXPECT_EQ(closings, 1);
  EXPECT_FALSE(mainForm->Visible());
}

}  // namespace
}  // namespace tarnix::ui::testing
