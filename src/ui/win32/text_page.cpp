#include <windows.h>

#include <commdlg.h>
#include <richedit.h>

#include <algorithm>

#include "base/unicode_win32.h"
#include "ui/win32/text_controls.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

// RichEdit 4.1 where it exists, else 2.0.
const wchar_t* RichEditClass() {
  static const wchar_t* windowClass = LoadLibraryW(L"Msftedit.dll")
                                          ? L"RICHEDIT50W"
                                          : (LoadLibraryW(L"riched20.dll"), RICHEDIT_CLASSW);
  return windowClass;
}

constexpr UINT kUnicode = 1200;

std::wstring AllText(HWND hwnd) {
  GETTEXTLENGTHEX measure{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, kUnicode};
  auto length = static_cast<size_t>(
      SendMessageW(hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0));
  std::wstring text(length + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>((length + 1) * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = kUnicode;
  auto copied = static_cast<size_t>(SendMessageW(hwnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                                 reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

}  // namespace

TextPageImpl::TextPageImpl(Win32Form& form, const TextPageSpec& spec, HWND parent)
    : WindowControl<TextPage>(&form, spec.name) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL | ES_DISABLENOSCROLL;
  Create(RichEditClass(), L"", style, WS_EX_CLIENTEDGE, form.Scale().Rect(spec.bounds), parent);
  Configure();
}

void TextPageImpl::Configure() {
  SendMessageW(hwnd_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Owner().Font()), FALSE);
  SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
  SetWordWrap(wordWrap_);
}

// Every line, the last one too, ends with a line break in the page, so that a trailing empty
// line and a page of one empty line keep apart from no lines at all; text typed after the last
// break is one more line.
std::vector<std::string> TextPageImpl::Lines() const {
  std::wstring text = AllText(hwnd_);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos)
      end = text.size();
    lines.push_back(Narrow(text.substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

void TextPageImpl::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  SetTextKeepingMark(Widen(text));
}

std::string TextPageImpl::Text() const {
  std::string text;
  std::vector<std::string> lines = Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i)
      text += "\r\n";
    text += lines[i];
  }
  return text;
}

// Wine's rich edit takes a text away paragraph by paragraph, moving every later one each time:
// emptying 10,000 lines took over ten seconds. A new window in the old one's place takes the
// new text at once, and forgets the undo steps as replacing the text does anyway.
void TextPageImpl::SetTextKeepingMark(const std::wstring& text) {
  bool modified = Modified();
  settingText_ = true;
  if (GetWindowTextLengthW(hwnd_) > 0) {
    Renew(RichEditClass());
    Configure();
  }
  SETTEXTEX set{ST_DEFAULT, kUnicode};
  SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
               reinterpret_cast<LPARAM>(text.c_str()));
  settingText_ = false;
  SetModified(modified);
}

void TextPageImpl::Clear() {
  SetTextKeepingMark(L"");
  SetModified(false);
}

bool TextPageImpl::Modified() const {
  return SendMessageW(hwnd_, EM_GETMODIFY, 0, 0) != 0;
}

void TextPageImpl::SetModified(bool modified) {
  SendMessageW(hwnd_, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

void TextPageImpl::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
}

bool TextPageImpl::ReadOnly() const {
  return (GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
}

void TextPageImpl::SetReadOnly(bool readOnly) {
  SendMessageW(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

int TextPageImpl::SelStart() const {
  CHARRANGE range{0, 0};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMin;
}

void TextPageImpl::SetSelStart(int position) {
  CHARRANGE range{position, position};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

// The lines joined by breaks: the break that ends the last line is not counted.
int TextPageImpl::TextLength() const {
  std::wstring text = AllText(hwnd_);
  bool lastLineEnded = text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") == 0;
  int breaks = static_cast<int>(std::count(text.begin(), text.end(), L'\n'));
  return static_cast<int>(text.size()) - breaks - (lastLineEnded ? 1 : 0);
}

int TextPageImpl::FindText(const std::string& what, int start, int length) const {
  if (start < 0 || length <= 0 || what.empty())
    return -1;
  std::wstring wide = Widen(what);
  FINDTEXTEXW find{};
  find.chrg.cpMin = start;
  find.chrg.cpMax = start + length;
  find.lpstrText = wide.c_str();
  return static_cast<int>(
      SendMessageW(hwnd_, EM_FINDTEXTEXW, FR_DOWN, reinterpret_cast<LPARAM>(&find)));
}

void TextPageImpl::OnCommand(int code) {
  if (code == EN_CHANGE && !settingText_ && onChange)
    Kit().Dispatch(onChange);
}

}  // namespace tarnix::ui::win32
