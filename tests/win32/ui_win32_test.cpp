// The Win32 toolkit under Wine: the shared toolkit suite played through real window messages,
// and what only real windows can get wrong, seen as a user, a screen reader or a test driver
// in another process would see it.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/command_line.h"
#include "base/unicode_win32.h"
#include "conformance/ui_conformance.h"
#include "e2e/support/desktop.h"
#include "e2e/support/tarnix_process.h"
#include "fakes/headless/headless_toolkit.h"
#include "ui/win32/bars.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_find.h"
#include "ui/win32/win32_form.h"
#include "ui/win32/win32_toolkit.h"

namespace tarnix::ui::testing {
namespace {

using win32::FindControl;
using win32::FindId;

win32::Win32Toolkit& Loop() {
  static std::unique_ptr<Toolkit> kit = win32::CreateToolkit(GetModuleHandleW(nullptr));
  return static_cast<win32::Win32Toolkit&>(*kit);
}
Toolkit& Kit() {
  return Loop();
}

// Handles messages until done() holds; false when the time ran out first.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000) {
  for (DWORD start = GetTickCount(); !done();) {
    if (GetTickCount() - start > milliseconds)
      return false;
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
      Loop().PumpMessage();
    else
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Handles what is waiting, and what that brings, for a moment.
void Settle(DWORD milliseconds = 100) {
  PumpUntil([] { return false; }, milliseconds);
}

LPARAM KeyFlags(int key) {
  return 1 | static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16);
}

// A key press as the keyboard queues it; the loop makes the character from it.
void PostKey(HWND target, int key, bool alt = false) {
  UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
  LPARAM altFlag = alt ? (1 << 29) : 0;
  PostMessageW(target, down, static_cast<WPARAM>(key), KeyFlags(key) | altFlag);
  PostMessageW(target, up, static_cast<WPARAM>(key),
               KeyFlags(key) | altFlag | static_cast<LPARAM>(0xC0000000u));
}

// A visible window of this process with this class (and caption, when given).
HWND WaitForWindow(const wchar_t* windowClass, const wchar_t* caption = L"",
                   DWORD milliseconds = 5000) {
  return e2e::WaitForWindow(GetCurrentProcessId(), windowClass, milliseconds, caption);
}

// What a message box showed: the style bits rebuilt from its buttons and icon.
struct ShownBox {
  bool seen = false;
  HWND owner = nullptr;
  std::wstring text, caption;
  unsigned style = 0;
};

// Waits for a message box with this caption (any when empty), reads it, presses one of its
// buttons and waits until it has gone.
ShownBox AnswerBox(const wchar_t* caption, int button, DWORD milliseconds = 5000) {
  HWND box = WaitForWindow(L"#32770", caption, milliseconds);
  if (!box)
    return {};
  const unsigned buttons = GetDlgItem(box, IDYES)      ? mb::YesNo
                           : GetDlgItem(box, IDCANCEL) ? mb::OkCancel
                                                       : mb::Ok;
  ShownBox shown{true, GetWindow(box, GW_OWNER), e2e::MessageBoxText(box), e2e::WindowText(box),
                 buttons};
  // The icon's control ID: 0x14 on Windows, 0x440 (stc1) in Wine's template.
  HWND icon = GetDlgItem(box, 0x0014) ? GetDlgItem(box, 0x0014) : GetDlgItem(box, 0x0440);
  const auto drawn = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
  const std::pair<LPCWSTR, unsigned> icons[] = {{IDI_HAND, mb::IconStop},
                                                {IDI_QUESTION, mb::IconQuestion},
                                                {IDI_EXCLAMATION, mb::IconWarning},
                                                {IDI_ASTERISK, mb::IconInfo}};
  for (const auto& [id, bits] : icons) {
    if (icon && IsWindowVisible(icon) && drawn == LoadIconW(nullptr, id))
      shown.style |= bits;
  }
  PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
  for (int wait = 0; wait < 250 && IsWindowVisible(box); ++wait) Sleep(20);
  return shown;
}

// Plays the user from a second thread; joined (after at most its own bounded waits) when
// the test ends.
class User {
 public:
  explicit User(std::function<void()> script) : thread_(std::move(script)) {}
  ~User() {
    if (thread_.joinable())
      thread_.join();
  }

 private:
  std::thread thread_;
};

// Ends what a failed test would leave waiting: after the time given, it closes the
// windows of these classes and answers every message box, until it is destroyed.
class Rescue {
 public:
  Rescue(std::vector<std::wstring> windowClasses, DWORD milliseconds)
      : done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        thread_([this, windowClasses, milliseconds] {
          if (WaitForSingleObject(done_, milliseconds) != WAIT_TIMEOUT)
            return;
          while (WaitForSingleObject(done_, 200) == WAIT_TIMEOUT) {
            for (const std::wstring& windowClass : windowClasses) {
              if (HWND window = FindWindowW(windowClass.c_str(), nullptr))
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            if (HWND box = FindWindowW(L"#32770", nullptr))
              PostMessageW(box, WM_COMMAND, IDOK, 0);
          }
        }) {}
  ~Rescue() {
    SetEvent(done_);
    thread_.join();
    CloseHandle(done_);
  }

 private:
  HANDLE done_;
  std::thread thread_;
};

// The text a tooltip control shows for one of its tools.
std::wstring ToolTipText(HWND tip, HWND toolWindow, UINT_PTR toolId) {
  wchar_t text[256] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = toolWindow;
  tool.uId = toolId;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return text;
}

HWND HwndOf(Control& control) {
  return dynamic_cast<win32::WindowBase&>(control).Hwnd();
}

// Holds the modifier keys down in this thread's key state while alive.
class Held {
 public:
  explicit Held(ShiftState shift) {
    Set(VK_SHIFT, shift.shift);
    Set(VK_CONTROL, shift.ctrl);
    Set(VK_MENU, shift.alt);
  }
  ~Held() {
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) Set(key, false);
  }

 private:
  static void Set(int key, bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }
};

// The user on real windows, in this thread: keys and clicks go through the event loop as the
// system delivers them; what the user does in a modal form or the event loop runs from a
// timer of that loop.
class Win32Target : public UiTarget {
 public:
  Win32Target() : kit_(win32::CreateToolkit(GetModuleHandleW(nullptr))) { current_ = this; }
  ~Win32Target() override { current_ = nullptr; }
  Toolkit& kit() override { return *kit_; }
  void Show(Form& form) override {
    form.Show();
    Drain(200);
  }
  void Press(Form& form, int key, ShiftState shift) override {
    Held held(shift);
    PostKey(Focus(form), key, shift.alt);
    Drain();
  }
  void Type(Form& form, const std::string& text) override {
    for (wchar_t c : Widen(text)) {
      const bool key = c == L'\n' || (c < 128 && iswalnum(c));
      Held held({key && iswupper(c) != 0, false, false});
      if (key)
        PostKey(Focus(form), c == L'\n' ? VK_RETURN : static_cast<int>(towupper(c)));
      else
        PostMessageW(Focus(form), WM_CHAR, c, 1);
      Drain();
    }
  }
  void Click(Form& form, Control& control) override {
    if (auto* tool = dynamic_cast<win32::ToolButtonImpl*>(&control))
      SendMessageW(HwndOf(form), WM_COMMAND, static_cast<WPARAM>(tool->Id()), 0);
    else
      SendMessageW(HwndOf(control), BM_CLICK, 0, 0);
    Drain();
  }
  void Select(ListBox& list, int index) override { Mouse(list, LB_GETITEMRECT, index, false); }
  void DoubleClick(ListBox& list, int index) override { Mouse(list, LB_GETITEMRECT, index, true); }
  void SelectPage(PageControl& pages, int index) override {
    Mouse(pages, TCM_GETITEMRECT, index, false);
  }
  void CloseBox(Form& form) override {
    PostMessageW(HwndOf(form), WM_CLOSE, 0, 0);
    Drain();
  }
  int ShowModal(Form& form, std::function<void()> user) override {
    Later(&form, std::move(user));
    return form.ShowModal();
  }
  void Run(Form& main, std::function<void()> user) override {
    Later(&main, std::move(user));
    kit_->Run(&main, true);
  }
  std::vector<SeenBox> Boxes(const std::function<void()>& act, int answer) override {
    std::vector<SeenBox> seen;
    std::atomic<bool> done{false};
    std::thread answering([&] {
      while (!done) {
        const ShownBox box = AnswerBox(L"", answer, 50);
        if (box.seen)
          seen.push_back({Narrow(box.text), Narrow(box.caption), box.style});
      }
    });
    act();
    Drain();
    done = true;
    answering.join();
    return seen;
  }

 private:
  // The focused window of the form, or the form itself.
  static HWND Focus(Form& form) {
    HWND window = HwndOf(form), focus = GetFocus();
    return focus && (focus == window || IsChild(window, focus)) ? focus : window;
  }
  // A click, or a double click, on the item whose rectangle the message gives.
  void Mouse(Control& control, UINT itemRect, int index, bool twice) {
    HWND window = HwndOf(control);
    RECT rect{};
    SendMessageW(window, itemRect, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(window, twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
    Drain();
  }
  // Handles what the loop holds, and what that brings, for at least `milliseconds`.
  void Drain(DWORD milliseconds = 0) {
    auto& loop = static_cast<win32::Win32Toolkit&>(*kit_);
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < 5000) {
      if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_INPUT | PM_QS_POSTMESSAGE))
        loop.PumpMessage();
      else if (GetTickCount() - start >= milliseconds)
        break;
      else
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  // Runs `user` from the loop that is about to run; a form it leaves open fails the test.
  void Later(Form* form, std::function<void()> user) {
    pending_ = {form, std::move(user)};
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      auto [form, user] = std::move(current_->pending_);
      auto& window = dynamic_cast<win32::Win32Form&>(*form);
      const int closes = window.CloseCount();
      user();
      if (window.CloseCount() == closes && !current_->kit_->Terminated()) {
        ADD_FAILURE() << "'" << form->Name() << "' is still open when the user is done";
        form->IsModal() ? form->SetModalResult(mr::Cancel) : current_->kit_->Terminate();
      }
    });
  }

  std::unique_ptr<Toolkit> kit_;
  std::pair<Form*, std::function<void()>> pending_;
  static Win32Target* current_;
};

Win32Target* Win32Target::current_ = nullptr;

std::unique_ptr<UiTarget> MakeWin32Target() {
  return std::make_unique<Win32Target>();
}

INSTANTIATE_TEST_SUITE_P(Win32, UiConformance,
                         ::testing::Values(UiParam{"Win32", &MakeWin32Target}), UiParamName);

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
// shield on a push button; a picture button draws it itself, before its picture; a tool button
// has no window of its own, so its shield is drawn over its picture.
TEST_F(UiWin32, ShieldsAreDrawnOnPushPictureAndToolButtonsUnderAnElevatedToken) {
  EXPECT_TRUE(Kit().Elevated());
  struct Case {
    const wchar_t* window;
    std::vector<std::function<void(bool)>> shields;
  };
  const auto on = [](auto* control) { return [control](bool s) { control->SetShield(s); }; };
  for (const Case& c : std::vector<Case>{{L"BitBtn2", {on(t->confirm), on(t->ok)}},
                                         {L"ToolBar2", {on(t->side->Button(1))}}}) {
    const std::vector<uint32_t> plain = Pixels(Control(c.window));
    for (const auto& shield : c.shields) shield(true);
    Settle();
    EXPECT_NE(Pixels(Control(c.window)), plain) << c.window;
    for (const auto& shield : c.shields) shield(false);
    Settle();
    EXPECT_EQ(Pixels(Control(c.window)), plain) << c.window;
  }
}

// Wine runs every program as the session's own user, so the main caption names nobody.
TEST_F(UiWin32, UnderWineTheProgramRunsAsTheSessionsUser) {
  EXPECT_EQ(Kit().OtherAccount(), "");
}

// Waits for a file a started program makes; whether it came.
bool FileAppears(const std::wstring& path, DWORD milliseconds = 10000) {
  return e2e::WaitUntil([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; },
                        milliseconds);
}

// The restart starts this very executable through "runas" with the arguments: here the test
// program, asked to run no test and to write its (empty) report where a blank is in the way.
TEST_F(UiWin32, StartElevatedStartsThisExecutableAgainWithTheArguments) {
  const std::wstring report = e2e::TempPath(L"restart probe.xml");
  DeleteFileW(report.c_str());
  const ElevatedStart start = Kit().StartElevated(
      JoinArguments({"--gtest_filter=NoTestHasThisName", "--gtest_output=xml:" + Narrow(report)}));
  EXPECT_TRUE(start.started) << start.error;
  EXPECT_EQ(start.error, "");
  EXPECT_TRUE(FileAppears(report, 30000));
  DeleteFileW(report.c_str());
}

// The restart as administrator passes the arguments through the shell as one line, which the
// new instance splits again.
TEST(CommandLine, JoinedArgumentsSplitBackExactly) {
  using Arguments = std::vector<std::string>;
  const Arguments tricky = {"",
                            "/c",
                            "two words",
                            "tab\there",
                            "\"",
                            "say \"hi\"",
                            "\"edges\"",
                            "trailing\\",
                            "blank \\",
                            "many\\\\\\",
                            "C:\\My Tools\\",
                            "back\\\"quote",
                            "back\\\\\"quotes",
                            "\\\\server\\share",
                            "  ",
                            "\\",
                            "K\u00f6ln",
                            "\u00e9t\u00e9 x"};
  std::vector<Arguments> lists = {{}, tricky, {"", ""}, {"x", "", "y"}};
  for (const std::string& argument : tricky) {
    for (const std::string& next : tricky) lists.push_back({argument, next});
  }
  for (const Arguments& arguments : lists) {
    const std::wstring line = L"tarnix2.exe " + Widen(JoinArguments(arguments));
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    ASSERT_NE(words, nullptr);
    Arguments split;
    for (int i = 1; i < count; ++i) split.push_back(Narrow(words[i]));
    LocalFree(words);
    EXPECT_EQ(split, arguments) << Narrow(line);
    EXPECT_EQ(SplitArguments(Narrow(line)), arguments) << Narrow(line);
  }
}

// The owner-drawn list paints each item's picture left of its text, and keeps the text in the
// control for screen readers.
TEST_F(UiWin32, OwnerDrawnItemsPaintTheirImagesAndKeepTheirTexts) {
  HWND list = Control(L"lsbMarks");
  t->marked->SetItem(0, "edited line");
  EXPECT_EQ(e2e::ListItems(list)[0], L"edited line");
  t->pages->SetActivePage(t->listPage);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  RECT item;
  SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  HDC dc = GetDC(list);
  int scaled = MulDiv(16, Loop().Scale().Dpi(), 120);
  COLORREF centre = GetPixel(dc, item.left + scaled / 2, item.top + scaled / 2);
  COLORREF corner = GetPixel(dc, item.left, item.top);
  ReleaseDC(list, dc);
  EXPECT_GT(GetRValue(centre), 150) << "the red plus";
  EXPECT_LT(GetGValue(centre), 80);
  EXPECT_EQ(corner, GetSysColor(COLOR_WINDOW)) << "magenta is transparent";
}

using Lines = std::vector<std::string>;
const std::string kEmoji = "\xF0\x9F\x98\x80";

// The text page gives back what it was given as the headless page does, control characters and
// long lines included, but it ends at a NUL: which is why a page is compared with its file
// after loading and shown read-only when they differ.
TEST_F(UiWin32, TextPageGivesBackEveryListOfLinesLikeTheHeadlessPageUpToANul) {
  headless::HeadlessToolkit headlessKit;
  std::unique_ptr<Form> headlessForm = headlessKit.CreateForm({"Headless", "THeadless"});
  TextPage* model = headlessForm->AddTextPage({"Memo1"});
  for (const Lines& lines : std::vector<Lines>{{},
                                               {""},
                                               {"", ""},
                                               {"a", ""},
                                               {"a"},
                                               {"", "a"},
                                               {"a", "", ""},
                                               {"", "", "b", ""},
                                               {"a\vb", "form\ffeed", std::string(40000, 'l')}}) {
    const std::string shown = ::testing::PrintToString(lines).substr(0, 80);
    t->memo->SetLines(lines);
    model->SetLines(lines);
    EXPECT_EQ(t->memo->Lines(), lines) << shown;
    EXPECT_EQ(t->memo->Text(), model->Text()) << shown;
    EXPECT_EQ(t->memo->TextLength(), model->TextLength()) << shown;
  }
  t->memo->SetLines({kEmoji});
  EXPECT_EQ(t->memo->Lines(), Lines{kEmoji});
  t->memo->SetLines({"before", std::string("in") + '\0' + "side", "after"});
  EXPECT_EQ(t->memo->Lines(), (Lines{"before", "in"}));
}

TEST_F(UiWin32, TypingAfterTheLastLineAddsALine) {
  t->pages->SetActivePage(t->textPage);
  t->memo->SetLines({"a"});
  t->memo->SetFocus();
  t->memo->SetSelStart(2);
  SendMessageW(Control(L"Memo1"), WM_CHAR, 'b', KeyFlags('B'));
  EXPECT_EQ(t->memo->Lines(), (Lines{"a", "b"}));
  EXPECT_EQ(t->memo->TextLength(), 3);
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

// Hints are the tooltips of real tooltip controls: the toolbars' own, and the form's for its
// other controls.
TEST_F(UiWin32, HintsAreRealToolTips) {
  HWND side = Control(L"ToolBar2");
  auto tip = reinterpret_cast<HWND>(SendMessageW(side, TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(ToolTipText(tip, side, static_cast<UINT_PTR>(FindId(hwnd, L"ToolButton9"))),
            L"Save (F2)");
  t->side->Button(0)->SetHint("Check now");
  EXPECT_EQ(ToolTipText(tip, side, static_cast<UINT_PTR>(FindId(hwnd, L"ToolButton8"))),
            L"Check now");

  t->ok->SetHint("Show version");
  HWND formTip = nullptr;  // the top-level tooltip window the form owns
  do {
    formTip = FindWindowExW(nullptr, formTip, TOOLTIPS_CLASSW, nullptr);
  } while (formTip && GetWindow(formTip, GW_OWNER) != hwnd);
  ASSERT_NE(formTip, nullptr) << "the form's tooltip control";
  EXPECT_EQ(ToolTipText(formTip, hwnd, reinterpret_cast<UINT_PTR>(Control(L"btOk"))),
            L"Show version");
}

// The shortcut each item answers to is written after its caption; a disabled item is greyed
// and does not run when a test driver sends its command ID.
TEST_F(UiWin32, MenuItemsShowTheirShortcutsAndGreyWhenDisabled) {
  HMENU bar = GetMenu(hwnd), file = GetSubMenu(bar, 0);
  auto caption = [](HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return std::wstring(text);
  };
  EXPECT_EQ(caption(file, 0), L"Check it!\tF9");
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(caption(file, 2), L"&Exit\tAlt+X");
  EXPECT_EQ(caption(GetSubMenu(bar, 1), 0), L"&Find\tCtrl+F");
  t->exit->SetEnabled(false);
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_GRAYED);
  t->events.clear();
  SendMessageW(hwnd, WM_COMMAND, GetMenuItemID(file, 2), 0);
  EXPECT_EQ(t->events, std::vector<std::string>{}) << "a disabled item does not run by its ID";
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
      HWND menu = WaitForWindow(L"#32768");
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
  // The user answers the dialog with this title by this button.
  const auto answer = [](const wchar_t* title, int button) {
    return User([=] { PostMessageW(WaitForWindow(L"#32770", title), WM_COMMAND, button, 0); });
  };
  FileDialogSpec spec{"Save registry keys", "*.reg|*.reg", "reg", "C:\\windows", "startup"};
  std::optional<std::string> chosen;
  {
    User user = answer(L"Save registry keys", IDOK);
    chosen = Kit().SaveFileDialog(t->form.get(), spec);
  }
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(_stricmp(chosen->c_str(), "C:\\windows\\startup.reg"), 0) << *chosen;
  spec.title = "Open undo file";
  {
    User user = answer(L"Open undo file", IDCANCEL);
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
    const FormSpec spec{"Border", Narrow(e.windowClass), "Border", 426, 94, e.border};
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

TEST(UiWin32Platform, ProgramsStartThroughTheShellWithTheirArguments) {
  const std::wstring made = e2e::TempPath(L"tarnix started.txt");
  for (const char* program : {"cmd.exe", "\"C:\\windows\\system32\\cmd.exe\""}) {
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
TEST(UiWin32Loop, TerminateEndsTheNestedModalLoopsAndTheEventLoop) {
  Win32Target user;
  Toolkit& kit = user.kit();
  FormSpec spec{"LoopMain", "TLoopMain", "Loop main", 300, 100};
  spec.isMainForm = true;
  auto main = kit.CreateForm(spec);
  auto dialog = kit.CreateForm({"LoopDialog", "TLoopDialog", "Loop dialog", 300, 100});
  auto inner = kit.CreateForm({"LoopInner", "TLoopInner", "Loop inner", 300, 100});
  int result = -1, innerResult = -1, after = 0;
  user.Run(*main, [&] {
    result = user.ShowModal(*dialog, [&] {
      innerResult = user.ShowModal(*inner, [&] { kit.Terminate(); });
      ++after;
    });
    ++after;
  });
  EXPECT_TRUE(kit.Terminated());
  EXPECT_EQ(innerResult, mr::Cancel);
  EXPECT_EQ(result, mr::Cancel);
  EXPECT_EQ(after, 2) << "each modal show returned to its caller";
  EXPECT_FALSE(inner->Visible());
  EXPECT_FALSE(dialog->Visible());
}

// While a form is shown modally the program's other windows take no input, and its message
// boxes belong to it.
TEST_F(UiWin32, AModalFormDisablesTheOtherWindowsUntilItCloses) {
  Rescue rescue({L"TModal"}, 15000);
  auto dialog = Kit().CreateForm({"Modal", "TModal", "Modal", 200, 80});
  Button* ok = dialog->AddButton({"BitBtn1", "", {8, 8, 100, 33}, ButtonKind::Ok});
  bool mainDisabled = false;
  ShownBox shown;
  ok->onClick = [&] {
    mainDisabled = !IsWindowEnabled(hwnd);
    User answering([&] { shown = AnswerBox(L"Question", IDYES); });
    Kit().MessageBox(dialog.get(), "Go on?", "Question", mb::YesNo | mb::IconQuestion);
  };
  User user([] {
    PostMessageW(FindControl(WaitForWindow(L"TModal", L"Modal"), L"BitBtn1"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog->ShowModal(), mr::Ok);
  EXPECT_TRUE(mainDisabled);
  EXPECT_EQ(shown.owner, dynamic_cast<win32::Win32Form&>(*dialog).Hwnd());
  EXPECT_TRUE(IsWindowEnabled(hwnd)) << "the other windows are enabled again";
}

// What a place can hold comes back from the edit boxes and lists unchanged.
TEST_F(UiWin32, EditBoxesAndListsGiveBackLongAndNonAsciiTexts) {
  for (const std::string& value :
       {std::string("load.exe\r\nsecond.exe"), std::string("a\tb"), std::string(40000, 'x'),
        "C:\\" + kEmoji + "\\run.exe", std::string(" padded ")}) {
    t->edit->SetText(value);
    EXPECT_EQ(t->edit->Text(), value);
  }
  const Lines names = {std::string(5000, 'n') + ".lnk", kEmoji + " Mail.lnk", " lead.lnk", ""};
  t->plain->Clear();
  for (const std::string& name : names) t->plain->Add(name);
  EXPECT_EQ(t->plain->Items(), names);
}

// Replacing a long text puts a new window in the page's place (Wine's rich edit empties a long
// text one paragraph at a time); the page keeps its name, its ID, its bounds, its marks and the
// edits that reach it.
TEST_F(UiWin32, AReplacedTextPageKeepsItsPlaceAndItsMarks) {
  Lines many;
  for (int i = 0; i < 10000; ++i) many.push_back("rem line " + std::to_string(i));
  t->memo->SetLines(many);
  t->memo->SetReadOnly(true);
  t->memo->SetModified(true);
  HWND before = Control(L"Memo1");
  ASSERT_NE(before, nullptr);
  const int id = GetDlgCtrlID(before);
  RECT bounds;
  GetWindowRect(before, &bounds);

  t->memo->SetLines({"first", "second"});
  HWND after = Control(L"Memo1");
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
