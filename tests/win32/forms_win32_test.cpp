// Every form the program creates, laid out as at 96, 120 and 144 dpi: each caption of a
// button, label, check box, radio button and group box fits the control that shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "e2e/support/desktop.h"
#include "fakes/store_memory.h"
#include "ui/win32/buttons.h"
#include "ui/win32/control_base.h"
#include "ui/win32/win32_find.h"
#include "ui/win32/win32_form.h"
#include "ui/win32/win32_toolkit.h"

namespace tarnix {
namespace {

constexpr int kDpis[] = {96, 120, 144};

struct Window {
  HWND hwnd;
  std::wstring windowClass;
  std::wstring text;
};

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

Window Describe(HWND hwnd) {
  return {hwnd, ClassOf(hwnd), e2e::WindowText(hwnd)};
}

// The program's forms: the top-level windows of this thread that the toolkit made.
std::vector<Window> Forms() {
  std::vector<Window> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM data) -> BOOL {
        if (ui::win32::WindowBase::FromHwnd(hwnd))
          reinterpret_cast<std::vector<Window>*>(data)->push_back(Describe(hwnd));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<Window> Controls(HWND form) {
  std::vector<Window> found;
  EnumChildWindows(
      form,
      [](HWND hwnd, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<Window>*>(data)->push_back(Describe(hwnd));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// A caption as drawn: "&" marks the next character, "&&" is one "&".
std::wstring Drawn(const std::wstring& caption) {
  std::wstring drawn;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size())
      ++i;
    drawn.push_back(caption[i]);
  }
  return drawn;
}

// What `measure` finds with the control's font selected into its device context.
template <class Measure>
auto WithFontOf(HWND control, Measure measure) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font);
  auto measured = measure(dc, font);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return measured;
}

SIZE Extent(HWND control, const std::wstring& text) {
  return WithFontOf(control, [&](HDC dc, HFONT) {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  });
}

// The height a word-wrapped label needs at its width, and the width its longest word needs.
SIZE WrappedExtent(HWND control, const std::wstring& text, int width) {
  return WithFontOf(control, [&](HDC dc, HFONT) {
    RECT rect{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
  });
}

// The face a control's text is drawn in (not merely asked for) and the height asked for.
std::pair<std::wstring, LONG> Font(HWND control) {
  return WithFontOf(control, [](HDC dc, HFONT font) {
    LOGFONTW asked{};
    GetObjectW(font, sizeof(asked), &asked);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    return std::pair<std::wstring, LONG>(face, asked.lfHeight);
  });
}

// What a control needs around its caption, in pixels at the dpi.
struct Room {
  SIZE needed;
  const char* kind;
};

Room Needed(const Window& control, int dpi) {
  auto px = [dpi](int at96) { return MulDiv(at96, dpi, 96); };
  LONG style = GetWindowLongW(control.hwnd, GWL_STYLE);
  if (control.windowClass == L"Static") {
    if ((style & SS_TYPEMASK) == SS_LEFT) {
      RECT client;
      GetClientRect(control.hwnd, &client);
      return {WrappedExtent(control.hwnd, Drawn(control.text), client.right), "label"};
    }
    return {Extent(control.hwnd, Drawn(control.text)), "label"};
  }
  SIZE text = Extent(control.hwnd, Drawn(control.text));
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      // The glyph, the gap after it, and the focus frame around the text.
      return {{px(13) + px(4) + text.cx + 2, std::max<LONG>(px(13), text.cy)}, "check or radio"};
    case BS_GROUPBOX:
      return {{text.cx + 2 * px(8), text.cy}, "group box"};
    case BS_OWNERDRAW: {
      auto* button =
          dynamic_cast<ui::win32::ButtonImpl*>(ui::win32::WindowBase::FromHwnd(control.hwnd));
      SIZE image = button ? button->ImageSize() : SIZE{0, 0};
      int gap = MulDiv(5, dpi, 120);
      const int shieldSize = GetSystemMetrics(SM_CXSMICON);
      int shield = button && button->Shield() ? shieldSize + MulDiv(3, dpi, 120) : 0;
      return {{2 * px(4) + shield + image.cx + gap + text.cx,
               2 * px(3) + std::max({image.cy, text.cy, shield ? LONG{shieldSize} : 0})},
              "picture button"};
    }
    default:
      // The raised edges and the focus frame inside them.
      return {{2 * px(4) + text.cx, 2 * px(3) + text.cy}, "button"};
  }
}

// A control that reaches past its parent's client area is cut off there.
bool InsideItsParent(HWND control) {
  HWND parent = GetParent(control);
  RECT area, rect;
  GetClientRect(parent, &area);
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect.left >= 0 && rect.top >= 0 && rect.right <= area.right && rect.bottom <= area.bottom;
}

bool HasCaption(const Window& control) {
  if (control.text.empty())
    return false;
  if (control.windowClass == L"Button")
    return true;
  LONG type = GetWindowLongW(control.hwnd, GWL_STYLE) & SS_TYPEMASK;
  return control.windowClass == L"Static" && (type == SS_LEFT || type == SS_LEFTNOWORDWRAP);
}

std::string Name(const Window& control) {
  return Narrow(ui::win32::ControlName(control.hwnd)) + " \"" + Narrow(control.text) + "\"";
}

class FormsAtEveryDpi : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    kit = ui::win32::CreateToolkit(GetModuleHandleW(nullptr), GetParam());
    program = std::make_unique<Program>(store, *kit);
  }
  void TearDown() override {
    program.reset();
    kit.reset();
  }

  MemoryStore store;
  std::unique_ptr<ui::Toolkit> kit;
  std::unique_ptr<Program> program;
};

TEST_P(FormsAtEveryDpi, EveryCaptionFitsItsControl) {
  int dpi = GetParam();
  // As a standard user sees them: Wine runs every program elevated, without shields.
  program->Form1.BitBtn2->SetShield(true);
  program->Form1.btnSave->SetShield(true);
  std::vector<Window> forms = Forms();
  ASSERT_GE(forms.size(), 12u);
  int checked = 0;
  for (const Window& form : forms) {
    for (const Window& control : Controls(form.hwnd)) {
      if (!HasCaption(control))
        continue;
      RECT client;
      GetClientRect(control.hwnd, &client);
      Room room = Needed(control, dpi);
      ++checked;
      std::string where = Narrow(form.windowClass) + " " + room.kind + " " + Name(control) +
                          " at " + std::to_string(dpi) + " dpi";
      EXPECT_EQ(Font(control.hwnd),
                std::make_pair(std::wstring(L"MS Sans Serif"), LONG{-MulDiv(8, dpi, 72)}))
          << where;
      EXPECT_LE(room.needed.cx, client.right) << where;
      EXPECT_LE(room.needed.cy, client.bottom) << where;
      EXPECT_TRUE(InsideItsParent(control.hwnd)) << where;
    }
  }
  EXPECT_GT(checked, 0);
}

// What a user clicks: buttons (not group boxes), lists and edit boxes.
bool Clickable(const Window& control) {
  if (!IsWindowVisible(control.hwnd))
    return false;
  if (control.windowClass == L"Button")
    return (GetWindowLongW(control.hwnd, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
  return control.windowClass == L"ListBox" || control.windowClass == L"Edit";
}

// The mouse reaches every control at its centre: no sibling made later, such as a panel
// drawn behind it, takes the click.
TEST_P(FormsAtEveryDpi, EveryControlTakesTheMouseAtItsCentre) {
  int checked = 0;
  for (const Window& form : Forms()) {
    if (form.windowClass == L"TfrmSplash")
      continue;
    SetWindowPos(form.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    for (const Window& control : Controls(form.hwnd)) {
      if (!Clickable(control))
        continue;
      RECT rect;
      GetWindowRect(control.hwnd, &rect);
      const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
      // The mouse passes a disabled control by; enabled, it must reach it.
      const bool wasEnabled = IsWindowEnabled(control.hwnd);
      EnableWindow(control.hwnd, TRUE);
      HWND hit = WindowFromPoint(centre);
      EnableWindow(control.hwnd, wasEnabled);
      ++checked;
      EXPECT_TRUE(hit == control.hwnd || IsChild(control.hwnd, hit))
          << Narrow(form.windowClass) << " " << Name(control) << " at " << GetParam()
          << " dpi is covered by " << Narrow(ui::win32::ControlName(hit)) << " ("
          << Narrow(ClassOf(hit)) << ")";
    }
    ShowWindow(form.hwnd, SW_HIDE);
  }
  EXPECT_GT(checked, 20);
}

INSTANTIATE_TEST_SUITE_P(Dpi, FormsAtEveryDpi, ::testing::ValuesIn(kDpis));

}  // namespace
}  // namespace tarnix
