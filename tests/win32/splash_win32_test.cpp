// The splash window without the common controls, which the first window that needs them loads
// (version 6); the progress bar the splash draws itself; controls subclassed without them.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "setup/splash_form.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/control_base.h"
#include "ui/win32/win32_toolkit.h"

namespace tarnix::ui::testing {
namespace {

Toolkit& Kit() {
  static std::unique_ptr<Toolkit> kit = win32::CreateToolkit(GetModuleHandleW(nullptr));
  return *kit;
}

HWND HwndOf(Control& control) {
  return dynamic_cast<win32::WindowBase&>(control).Hwnd();
}

HMODULE ModuleOf(const void* address) {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      static_cast<LPCWSTR>(address), &module);
  return module;
}

// This thread's application window, by which a second start finds the first; null if none.
HWND AppWindow() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM data) -> BOOL {
        wchar_t name[16] = {}, title[16] = {};
        GetClassNameW(hwnd, name, 16);
        GetWindowTextW(hwnd, title, 16);
        if (std::wstring(name) == L"TApplication" && std::wstring(title) == L"Tarnix2")
          *reinterpret_cast<HWND*>(data) = hwnd;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Declared first: the library is loaded once per process, and CTest runs each test alone.
TEST(SplashWin32, ShowsWithoutTheCommonControlsThatTheNextButtonLoadsInVersion6) {
  if (win32::CommonControlsLoaded())
    GTEST_SKIP() << "an earlier test of this process has loaded the common controls";
  Kit().SetTitle("Tarnix2");
  TfrmSplash splash(Kit());
  splash.ShowChecking();
  EXPECT_EQ(GetModuleHandleW(L"comctl32.dll"), nullptr);
  // Off the taskbar without the application window, which the quiet check need not make.
  const HWND shown = HwndOf(*splash.form);
  EXPECT_EQ(GetWindow(shown, GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongW(shown, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(AppWindow(), nullptr);

  auto form = Kit().CreateForm({"Later", "TLater", "Later", 200, 100});
  // Made now, with the title given before.
  EXPECT_NE(AppWindow(), nullptr);
  EXPECT_EQ(GetWindow(HwndOf(*form), GW_OWNER), AppWindow());
  Button* button = form->AddButton({"Button1", "OK", {8, 8, 80, 24}});
  HMODULE library = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(library, nullptr);
  // The button is the library's own class, as a program whose manifest names version 6 gets.
  const auto classProc = GetClassLongPtrW(HwndOf(*button), GCLP_WNDPROC);
  EXPECT_EQ(ModuleOf(reinterpret_cast<const void*>(classProc)), library);
}

TEST(SplashWin32, TheBarFillsAsFarAsItsPositionWithinItsRange) {
  auto form = Kit().CreateForm({"Bar", "TBar", "Bar", 300, 60, BorderStyle::None});
  ProgressBar* bar = form->AddProgressBar({"ProgressBar1", {10, 20, 280, 20}, 10, 30});
  form->Show();
  HWND hwnd = HwndOf(*bar);
  RECT client;
  GetClientRect(hwnd, &client);
  auto pixelAt = [&](int percent) {
    HDC dc = GetDC(hwnd);
    COLORREF color = GetPixel(dc, client.right * percent / 100, client.bottom / 2);
    ReleaseDC(hwnd, dc);
    return color;
  };
  EXPECT_EQ(bar->Position(), 10);
  const COLORREF empty = pixelAt(10);
  EXPECT_EQ(pixelAt(90), empty);
  bar->SetPosition(20);
  const COLORREF filled = pixelAt(10);
  EXPECT_NE(filled, empty);
  EXPECT_EQ(pixelAt(90), empty);
  bar->SetPosition(99);
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(pixelAt(90), filled);
  bar->SetPosition(-1);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(pixelAt(10), empty);
}

// A tooltip subclasses a control with a hint above the toolkit's own subclass; a text page
// that replaces its window then leaves the old one to pass its last messages on.
TEST(SplashWin32, AHintedPageThatReplacesItsWindowKeepsWorking) {
  auto form = Kit().CreateForm({"Page", "TPage", "Page", 300, 200});
  TextPage* page = form->AddTextPage({"Memo1", {8, 8, 280, 180}});
  page->SetHint("Lines of the file");
  form->Show();
  for (const char* text : {"one", "two", "three"}) {
    HWND old = HwndOf(*page);
    page->SetLines({text});
    EXPECT_FALSE(IsWindow(old) && old != HwndOf(*page)) << text;
  }
  SendMessageW(HwndOf(*page), WM_CHAR, L'!', 1);
  EXPECT_NE(page->Text().find('!'), std::string::npos);
}

}  // namespace
}  // namespace tarnix::ui::testing
