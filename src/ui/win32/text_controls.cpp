#include "ui/win32/text_controls.h"

#include "base/unicode_win32.h"
#include "ui/win32/fonts.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

LabelImpl::LabelImpl(Win32Form& form, const LabelSpec& spec, HWND parent)
    : WindowControl<Label>(&form, spec.name), spec_(spec) {
  DWORD style = WS_VISIBLE | (spec.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
  Create(L"STATIC", Widen(spec.caption), style, 0, form.Scale().Rect(spec.bounds), parent);
  if (spec.bold) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.BoldFont()), FALSE);
  }
  FitToText();
}

std::string LabelImpl::Caption() const {
  return Narrow(WindowText(hwnd_));
}

void LabelImpl::SetCaption(const std::string& caption) {
  SetWindowTextW(hwnd_, Widen(caption).c_str());
  FitToText();
}

void LabelImpl::FitToText() {
  std::wstring text = WindowText(hwnd_);
  if (spec_.wordWrap || text.empty())
    return;
  auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
  SIZE size = TextSize(font, text);
  SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH LabelImpl::OnCtlColor(HDC dc) {
  if (spec_.color == 0xFFFFFFFFu)
    return nullptr;
  SetTextColor(dc, spec_.color);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

EditImpl::EditImpl(Win32Form& form, const EditSpec& spec, HWND parent)
    : WindowControl<EditBox>(&form, spec.name) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (spec.readOnly ? ES_READONLY : 0);
  Create(L"EDIT", Widen(spec.text), style, WS_EX_CLIENTEDGE, form.Scale().Rect(spec.bounds),
         parent);
}

std::string EditImpl::Text() const {
  return Narrow(WindowText(hwnd_));
}

void EditImpl::SetText(const std::string& text) {
  bool modified = Modified();
  settingText_ = true;
  SetWindowTextW(hwnd_, Widen(text).c_str());
  settingText_ = false;
  SetModified(modified);
}

bool EditImpl::Modified() const {
  return SendMessageW(hwnd_, EM_GETMODIFY, 0, 0) != 0;
}

void EditImpl::SetModified(bool modified) {
  SendMessageW(hwnd_, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

int EditImpl::SelStart() const {
  DWORD start = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void EditImpl::SetSelStart(int position) {
  SendMessageW(hwnd_, EM_SETSEL, position, position);
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

void EditImpl::OnCommand(int code) {
  if (code == EN_CHANGE && !settingText_ && onChange)
    Kit().Dispatch(onChange);
}

}  // namespace tarnix::ui::win32
