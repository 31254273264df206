#include "ui/win32/buttons.h"

#include "base/unicode_win32.h"
#include "ui/button_click.h"
#include "ui/win32/pictures.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

ButtonImpl::ButtonImpl(Win32Form& form, const ButtonSpec& spec, HWND parent)
    : WindowControl<Button>(&form, spec.name), spec_(spec) {
  std::string caption = spec.caption.empty() ? StandardCaption(spec.kind) : spec.caption;
  if (spec.imageResource)
    image_ = LoadScaledImage(form, spec.imageResource, &imageSize_);
  DWORD style = WS_VISIBLE | WS_TABSTOP;
  if (image_.valid()) {
    style |= BS_OWNERDRAW;
  } else {
    style |= IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  }
  Create(L"BUTTON", Widen(caption), style, 0, form.Scale().Rect(spec.bounds), parent);
}

std::string ButtonImpl::Caption() const {
  return Narrow(WindowText(hwnd_));
}

void ButtonImpl::SetCaption(const std::string& caption) {
  SetWindowTextW(hwnd_, Widen(caption).c_str());
}

// Common controls draw the shield on a push button; a picture button draws its own.
void ButtonImpl::SetShield(bool shown) {
  shield_ = shown;
  SendMessageW(hwnd_, BCM_SETSHIELD, 0, shown ? TRUE : FALSE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ButtonImpl::OnCommand(int code) {
  if (code == BN_CLICKED)
    Click();
}

void ButtonImpl::Click() {
  ClickButton(Kit(), Owner(), spec_, onClick);
}

bool ButtonImpl::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT frame = item.rcItem;
  bool pushed = (item.itemState & ODS_SELECTED) != 0;
  if (IsDefault()) {
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&frame, -1, -1);
  }
  DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  std::wstring text = WindowText(hwnd_);
  HGDIOBJ oldFont = SelectObject(dc, Owner().Font());
  RECT measure{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE);
  int textWidth = measure.right, textHeight = measure.bottom;
  int gap = text.empty() ? 0 : Owner().Scale()(5);
  const int shieldSize = GetSystemMetrics(SM_CXSMICON);
  HICON shield = shield_ ? ShieldIcon(shieldSize) : nullptr;
  int shieldWidth = shield ? shieldSize + Owner().Scale()(3) : 0;
  int total = shieldWidth + imageSize_.cx + gap + textWidth;
  int shift = pushed ? 1 : 0;
  int middle = (frame.top + frame.bottom) / 2 + shift;
  int left = (frame.left + frame.right - total) / 2 + shift;
  if (shield) {
    DrawIconEx(dc, left, middle - shieldSize / 2, shield, shieldSize, shieldSize, 0, nullptr,
               DI_NORMAL);
    left += shieldWidth;
  }
  int imageLeft = spec_.imageRight ? left + textWidth + gap : left;
  int textLeft = spec_.imageRight ? left : left + imageSize_.cx + gap;
  DrawFromImageList(image_.get(), 0, dc, imageLeft, middle - imageSize_.cy / 2, ILD_TRANSPARENT);

  SetBkMode(dc, TRANSPARENT);
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  RECT textRect{textLeft, middle - textHeight / 2, textLeft + textWidth,
                middle - textHeight / 2 + textHeight};
  DrawTextW(dc, text.c_str(), -1, &textRect, DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = frame;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
  SelectObject(dc, oldFont);
  return true;
}

template <class I>
CheckControl<I>::CheckControl(Win32Form& form, const CheckSpec& spec, HWND parent, bool radio)
    : WindowControl<I>(&form, spec.name), radio_(radio) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | (radio ? BS_AUTORADIOBUTTON : BS_AUTOCHECKBOX);
  this->Create(L"BUTTON", Widen(spec.caption), style, 0, form.Scale().Rect(spec.bounds), parent);
  if (spec.checked)
    SendMessageW(this->hwnd_, BM_SETCHECK, BST_CHECKED, 0);
}

template <class I>
std::string CheckControl<I>::Caption() const {
  return Narrow(WindowText(this->hwnd_));
}

template <class I>
bool CheckControl<I>::Checked() const {
  return SendMessageW(this->hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

template <class I>
void CheckControl<I>::SetChecked(bool checked) {
  SendMessageW(this->hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (radio_ && checked)
    this->Owner().UncheckOtherRadios(this->hwnd_);
}

template <class I>
void CheckControl<I>::OnCommand(int code) {
  if (code != BN_CLICKED)
    return;
  if (radio_)
    SetChecked(true);
  if (this->onClick)
    this->Kit().Dispatch(this->onClick);
}

template class CheckControl<CheckBox>;
template class CheckControl<RadioButton>;

}  // namespace tarnix::ui::win32
