#include "ui/win32/list_box.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "base/unicode_win32.h"
#include "ui/win32/fonts.h"
#include "ui/win32/pictures.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

// An item's data: its image (-1 none), with kGreyed added for a greyed line.
constexpr LPARAM kGreyed = 0x40000000;

LPARAM ItemData(int image, bool greyed) {
  return image + (greyed ? kGreyed : 0);
}
bool IsGreyed(LPARAM data) {
  return data >= kGreyed / 2;
}
int ImageOf(LPARAM data) {
  return static_cast<int>(IsGreyed(data) ? data - kGreyed : data);
}

double Luminance(COLORREF colour) {
  auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
         0.0722 * linear(GetBValue(colour));
}

double Contrast(COLORREF a, COLORREF b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The system's grey text, taken towards the text colour until it reads well on the list's
// background (4.5 to 1): Wine's grey is too light to read there.
COLORREF ReadableGrey() {
  const COLORREF grey = GetSysColor(COLOR_GRAYTEXT), text = GetSysColor(COLOR_WINDOWTEXT),
                 back = GetSysColor(COLOR_WINDOW);
  COLORREF mixed = grey;
  for (int eighths = 1; eighths <= 8 && Contrast(mixed, back) < 4.5; ++eighths) {
    auto mix = [&](int g, int t) { return (g * (8 - eighths) + t * eighths) / 8; };
    mixed = RGB(mix(GetRValue(grey), GetRValue(text)), mix(GetGValue(grey), GetGValue(text)),
                mix(GetBValue(grey), GetBValue(text)));
  }
  return mixed;
}

// A chosen line keeps the selection's colours, greyed or not, so that it stays readable.
COLORREF TextColour(UINT state, bool greyed) {
  if ((state & ODS_SELECTED) != 0)
    return GetSysColor(COLOR_HIGHLIGHTTEXT);
  return (state & ODS_DISABLED) != 0 || greyed ? ReadableGrey() : GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace

ListBoxImpl::ListBoxImpl(Win32Form& form, const ListBoxSpec& spec, HWND parent)
    : WindowControl<ListBox>(&form, spec.name),
      spec_(spec),
      images_(dynamic_cast<ImageListImpl*>(spec.images)) {
  DWORD style =
      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  // Drawn by the list itself, so that a line can be greyed; the texts stay in the control.
  style |= spec.variableHeight ? LBS_OWNERDRAWVARIABLE : LBS_OWNERDRAWFIXED;
  Create(L"LISTBOX", L"", style, WS_EX_CLIENTEDGE, form.Scale().Rect(spec.bounds), parent);
  if (!spec.fontName.empty()) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ListFont()), FALSE);
  }
  if (!spec.variableHeight) {
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, ItemHeight());
  }
}

HFONT ListBoxImpl::ListFont() const {
  return spec_.fontName.empty() ? Owner().Font() : Owner().FaceFont(spec_.fontName);
}

int ListBoxImpl::ItemHeight() const {
  int image = images_ ? images_->ScreenHeight() : 0;
  if (spec_.itemHeight > 0)
    return std::max(Owner().Scale()(spec_.itemHeight), image);
  return std::max<int>(TextSize(ListFont(), L"M").cy, image);
}

int ListBoxImpl::Count() const {
  return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
}

std::string ListBoxImpl::Item(int index) const {
  LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return Narrow(text);
}

std::vector<std::string> ListBoxImpl::Items() const {
  std::vector<std::string> items;
  for (int i = 0, count = Count(); i < count; ++i) items.push_back(Item(i));
  return items;
}

void ListBoxImpl::SetItem(int index, const std::string& text) {
  const LPARAM data = Data(index);
  bool selected = ItemIndex() == index;
  LRESULT top = SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0);
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  Delete(index);
  Insert(index, text, -1);
  SendMessageW(hwnd_, LB_SETITEMDATA, index, data);
  if (selected)
    SetItemIndex(index);
  SendMessageW(hwnd_, LB_SETTOPINDEX, top, 0);
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LPARAM ListBoxImpl::Data(int index) const {
  if (index < 0 || index >= Count()) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  return SendMessageW(hwnd_, LB_GETITEMDATA, index, 0);
}

int ListBoxImpl::ItemImage(int index) const {
  return ImageOf(Data(index));
}

void ListBoxImpl::SetItemImage(int index, int image) {
  SetData(index, ItemData(image, ItemGreyed(index)));
}

bool ListBoxImpl::ItemGreyed(int index) const {
  return IsGreyed(Data(index));
}

void ListBoxImpl::SetItemGreyed(int index, bool greyed) {
  if (ItemGreyed(index) != greyed)
    SetData(index, ItemData(ItemImage(index), greyed));
}

void ListBoxImpl::SetData(int index, LPARAM data) {
  SendMessageW(hwnd_, LB_SETITEMDATA, index, data);
  RECT item;
  if (SendMessageW(hwnd_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    InvalidateRect(hwnd_, &item, TRUE);
  }
}

void ListBoxImpl::Add(const std::string& text, int image) {
  Insert(-1, text, image);
}

void ListBoxImpl::Insert(int index, const std::string& text, int image) {
  std::wstring wide = Widen(text);
  LRESULT at = SendMessageW(hwnd_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(wide.c_str()));
  if (at == LB_ERR) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  SendMessageW(hwnd_, LB_SETITEMDATA, at, ItemData(image, false));
}

void ListBoxImpl::Delete(int index) {
  if (SendMessageW(hwnd_, LB_DELETESTRING, index, 0) == LB_ERR) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
}

void ListBoxImpl::Clear() {
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
}

int ListBoxImpl::ItemIndex() const {
  return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
}

void ListBoxImpl::SetItemIndex(int index) {
  SendMessageW(hwnd_, LB_SETCURSEL, index, 0);
}

void ListBoxImpl::OnCommand(int code) {
  if (code == LBN_SELCHANGE) {
    Kit().Dispatch([this] {
      if (onClick)
        onClick();
      if (onChange)
        onChange();
    });
  } else if (code == LBN_DBLCLK && onDblClick) {
    Kit().Dispatch(onDblClick);
  }
}

bool ListBoxImpl::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight =
      static_cast<UINT>(spec_.variableHeight ? TextSize(ListFont(), L"M").cy : ItemHeight());
  return true;
}

// The last column takes the rest of the text; the others end a little before the next stop. A
// line without a tab is a note that spans the columns.
void ListBoxImpl::DrawColumns(HDC dc, const std::wstring& text, const RECT& area) const {
  const std::vector<int>& stops = spec_.tabStops;
  const bool note = text.find(L'\t') == std::wstring::npos;
  const UINT format =
      DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP | (stops.empty() ? 0 : DT_END_ELLIPSIS);
  const int gap = Owner().Scale()(6);
  size_t start = 0;
  for (size_t column = 0; start <= text.size(); ++column) {
    const bool last = note || column >= stops.size();
    const size_t end = last ? text.size() : std::min(text.find(L'\t', start), text.size());
    RECT rect = area;
    if (column > 0)
      rect.left = area.left + Owner().Scale()(stops[column - 1]);
    if (!last)
      rect.right = std::min<LONG>(area.right, area.left + Owner().Scale()(stops[column]) - gap);
    DrawTextW(dc, text.c_str() + start, static_cast<int>(end - start), &rect, format);
    start = end + 1;
  }
}

bool ListBoxImpl::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  bool focused = (item.itemState & ODS_FOCUS) != 0;
  if (item.itemID == static_cast<UINT>(-1) || !(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
    if (focused || (item.itemAction & ODA_FOCUS))
      DrawFocusRect(dc, &rect);
    return true;
  }
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  RECT textRect = rect;
  if (images_) {
    const int image = ImageOf(static_cast<LPARAM>(item.itemData));
    if (image >= 0 && image < images_->Count()) {
      DrawFromImageList(images_->Handle(), image, dc, rect.left, rect.top, ILD_TRANSPARENT);
    }
    textRect.left += images_->ScreenWidth();
  }
  textRect.left += 2;
  LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, item.itemID, 0);
  std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
  SendMessageW(hwnd_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(text.size() - 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColour(item.itemState, IsGreyed(static_cast<LPARAM>(item.itemData))));
  HGDIOBJ oldFont = SelectObject(dc, ListFont());
  DrawColumns(dc, text, textRect);
  SelectObject(dc, oldFont);
  if (focused)
    DrawFocusRect(dc, &rect);
  return true;
}

}  // namespace tarnix::ui::win32
