#include "ui/win32/bars.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "base/unicode_win32.h"
#include "ui/win32/pictures.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

StatusBarImpl::StatusBarImpl(Win32Form& form, const StatusBarSpec& spec, HWND parent)
    : WindowControl<StatusBar>(&form, spec.name) {
  Create(STATUSCLASSNAMEW, L"", WS_VISIBLE | CCS_BOTTOM, 0, RECT{0, 0, 0, 0}, parent);
  std::vector<int> edges;
  int edge = 0;
  for (int width : spec.panelWidths) {
    edge += form.Scale()(width);
    edges.push_back(edge);
  }
  if (!edges.empty())
    edges.back() = -1;
  SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  FollowParent();
}

void StatusBarImpl::FollowParent() {
  SendMessageW(hwnd_, WM_SIZE, 0, 0);
}

std::string StatusBarImpl::PanelText(int panel) const {
  auto length = LOWORD(SendMessageW(hwnd_, SB_GETTEXTLENGTHW, panel, 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return Narrow(text);
}

void StatusBarImpl::SetPanelText(int panel, const std::string& text) {
  SendMessageW(hwnd_, SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

namespace {

// The visual style's look of a progress bar, or null where none is active.
class ProgressTheme {
 public:
  explicit ProgressTheme(HWND hwnd) : theme_(OpenThemeData(hwnd, L"Progress")) {}
  ~ProgressTheme() {
    if (theme_)
      CloseThemeData(theme_);
  }
  ProgressTheme(const ProgressTheme&) = delete;
  ProgressTheme& operator=(const ProgressTheme&) = delete;
  HTHEME get() const { return theme_; }

 private:
  HTHEME theme_;
};

RECT FilledPart(RECT bar, int position, int min, int max) {
  bar.right = bar.left + (max > min ? MulDiv(position - min, bar.right - bar.left, max - min) : 0);
  return bar;
}

}  // namespace

// An owner-drawn static, painted as the common controls paint a smooth progress bar, so that
// the splash window needs no common controls.
ProgressBarImpl::ProgressBarImpl(Win32Form& form, const ProgressSpec& spec, HWND parent)
    : WindowControl<ProgressBar>(&form, spec.name),
      min_(spec.min),
      max_(spec.max),
      position_(spec.min) {
  const DWORD edge = ProgressTheme(nullptr).get() ? 0 : WS_EX_STATICEDGE;
  Create(L"STATIC", L"", WS_VISIBLE | SS_OWNERDRAW, edge, form.Scale().Rect(spec.bounds), parent);
}

int ProgressBarImpl::Position() const {
  return position_;
}

void ProgressBarImpl::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_)
    return;
  position_ = position;
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
}

bool ProgressBarImpl::OnDrawItem(const DRAWITEMSTRUCT& item) {
  RECT bar = item.rcItem;
  ProgressTheme theme(hwnd_);
  if (theme.get()) {
    if (IsThemeBackgroundPartiallyTransparent(theme.get(), PP_BAR, 0))
      DrawThemeParentBackground(hwnd_, item.hDC, nullptr);
    DrawThemeBackground(theme.get(), item.hDC, PP_BAR, 0, &bar, nullptr);
    RECT content;
    GetThemeBackgroundContentRect(theme.get(), item.hDC, PP_BAR, 0, &bar, &content);
    // The theme's chunk across the filled part, as the common controls draw a smooth bar.
    RECT filled = FilledPart(content, position_, min_, max_);
    DrawThemeBackground(theme.get(), item.hDC, PP_CHUNK, 0, &filled, nullptr);
    return true;
  }
  HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
  FrameRect(item.hDC, &bar, face);
  InflateRect(&bar, -1, -1);
  RECT filled = FilledPart(bar, position_, min_, max_);
  FillRect(item.hDC, &bar, face);
  FillRect(item.hDC, &filled, GetSysColorBrush(COLOR_HIGHLIGHT));
  return true;
}

ToolBarImpl::ToolBarImpl(Win32Form& form, const ToolBarSpec& spec, HWND parent)
    : WindowControl<ToolBar>(&form, spec.name), spec_(spec) {
  DWORD style = WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER |
                (spec.flat ? TBSTYLE_FLAT : 0) | (spec.vertical ? CCS_VERT | TBSTYLE_WRAPABLE : 0);
  Create(TOOLBARCLASSNAMEW, L"", style, 0, form.Scale().Rect(spec.bounds), parent);
  SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (auto* images = dynamic_cast<ImageListImpl*>(spec.images)) {
    SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images->Handle()));
    SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0,
                 MAKELPARAM(images->ScreenWidth(), images->ScreenHeight()));
  }
  // The hints are the buttons' texts, shown only as tooltips.
  SendMessageW(hwnd_, TB_SETMAXTEXTROWS, 0, 0);
}

ToolButton* ToolBarImpl::AddButton(const std::string& name, int image, const std::string& hint) {
  buttons_.push_back(std::make_unique<ToolButtonImpl>(*this, name, hint));
  ToolButtonImpl& button = *buttons_.back();
  TBBUTTON added{};
  added.iBitmap = image;
  added.idCommand = button.Id();
  added.fsState = TBSTATE_ENABLED | (spec_.vertical ? TBSTATE_WRAP : 0);
  added.fsStyle = BTNS_BUTTON;
  added.iString = reinterpret_cast<INT_PTR>(button.WideHint().c_str());
  SendMessageW(hwnd_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&added));
  SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0,
               MAKELPARAM(Owner().Scale()(spec_.buttonWidth), Owner().Scale()(spec_.buttonHeight)));
  return &button;
}

ToolButton* ToolBarImpl::Button(int index) const {
  if (index < 0 || index >= ButtonCount())
    return nullptr;
  return buttons_[static_cast<size_t>(index)].get();
}

ToolButtonImpl* ToolBarImpl::ById(int id) const {
  for (const auto& button : buttons_) {
    if (button->Id() == id)
      return button.get();
  }
  return nullptr;
}

// A toolbar button is no window of its own: its shield is drawn over its picture, in the
// bottom right corner, after the toolbar drew the button.
bool ToolBarImpl::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != NM_CUSTOMDRAW || header.hwndFrom != hwnd_)
    return false;
  const auto& draw = reinterpret_cast<NMCUSTOMDRAW&>(header);
  result = CDRF_DODEFAULT;
  if (draw.dwDrawStage == CDDS_PREPAINT) {
    result = CDRF_NOTIFYITEMDRAW;
  } else if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
    ToolButtonImpl* button = ById(static_cast<int>(draw.dwItemSpec));
    if (button && button->Shield())
      result = CDRF_NOTIFYPOSTPAINT;
  } else if (draw.dwDrawStage == CDDS_ITEMPOSTPAINT) {
    DrawShield(draw);
  }
  return true;
}

void ToolBarImpl::DrawShield(const NMCUSTOMDRAW& draw) const {
  const int size = GetSystemMetrics(SM_CXSMICON);
  HICON shield = ShieldIcon(size);
  if (shield == nullptr)
    return;
  const int inset = Owner().Scale()(1);
  DrawIconEx(draw.hdc, draw.rc.right - size - inset, draw.rc.bottom - size - inset, shield, size,
             size, 0, nullptr, DI_NORMAL);
}

ToolButtonImpl::ToolButtonImpl(ToolBarImpl& bar, std::string name, std::string hint)
    : bar_(bar),
      name_(std::move(name)),
      hint_(std::move(hint)),
      wideHint_(Widen(hint_)),
      id_(bar.Owner().Register(this, name_)) {}

bool ToolButtonImpl::Enabled() const {
  return SendMessageW(bar_.Hwnd(), TB_ISBUTTONENABLED, id_, 0) != 0;
}

void ToolButtonImpl::SetEnabled(bool enabled) {
  SendMessageW(bar_.Hwnd(), TB_ENABLEBUTTON, id_, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool ToolButtonImpl::Visible() const {
  return SendMessageW(bar_.Hwnd(), TB_ISBUTTONHIDDEN, id_, 0) == 0;
}

void ToolButtonImpl::SetVisible(bool visible) {
  SendMessageW(bar_.Hwnd(), TB_HIDEBUTTON, id_, MAKELPARAM(visible ? FALSE : TRUE, 0));
}

void ToolButtonImpl::SetShield(bool shown) {
  shield_ = shown;
  InvalidateRect(bar_.Hwnd(), nullptr, TRUE);
}

void ToolButtonImpl::SetHint(const std::string& hint) {
  hint_ = hint;
  wideHint_ = Widen(hint);
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_TEXT;
  info.pszText = wideHint_.data();
  SendMessageW(bar_.Hwnd(), TB_SETBUTTONINFOW, id_, reinterpret_cast<LPARAM>(&info));
}

void ToolButtonImpl::OnCommand(int) {
  if (Enabled() && onClick)
    bar_.Kit().Dispatch(onClick);
}

bool ToolButtonImpl::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != TTN_GETDISPINFOW)
    return false;
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  info.lpszText = const_cast<wchar_t*>(wideHint_.c_str());
  info.hinst = nullptr;
  result = 0;
  return true;
}

}  // namespace tarnix::ui::win32
