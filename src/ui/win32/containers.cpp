#include "ui/win32/containers.h"

#include <commctrl.h>

#include <stdexcept>

#include "base/unicode_win32.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

constexpr wchar_t kContainerClass[] = L"TarnixContainer";

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner =
        static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->Adopt(hwnd);
  }
  auto* owner = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!owner || !owner->Hwnd())
    return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return owner->Receive(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void RegisterContainerClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExW(instance, kContainerClass, &wc))
    return;
  wc.lpfnWndProc = ContainerProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kContainerClass;
  RegisterClassExW(&wc);
}

}  // namespace

HWND CreateContainerWindow(WindowBase& owner, const std::wstring& caption, DWORD style,
                           DWORD exStyle, const RECT& rect, HWND parent) {
  HINSTANCE instance = owner.Kit().Instance();
  RegisterContainerClass(instance);
  int id = owner.AssignId();
  HWND hwnd =
      CreateWindowExW(exStyle, kContainerClass, caption.c_str(), style | WS_CHILD, rect.left,
                      rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, &owner);
  if (!hwnd)
    throw std::runtime_error("Cannot create the window of " + owner.ControlName());
  return hwnd;
}

bool ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      result = SendMessageW(GetAncestor(container, GA_ROOT), message, wParam, lParam);
      return true;
    default:
      return false;
  }
}

PanelImpl::PanelImpl(Win32Form& form, const PanelSpec& spec, HWND parent)
    : WindowControl<Panel>(&form, spec.name), spec_(spec) {
  CreateContainerWindow(*this, Widen(spec.caption), WS_VISIBLE, 0, form.Scale().Rect(spec.bounds),
                        parent);
}

LRESULT PanelImpl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ForwardToForm(hwnd_, message, wParam, lParam, result))
    return result;
  if (message != WM_PAINT)
    return Default(message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT rect;
  GetClientRect(hwnd_, &rect);
  if (spec_.bevel)
    DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  std::wstring caption = WindowText(hwnd_);
  if (!caption.empty()) {
    HGDIOBJ oldFont = SelectObject(dc, Owner().Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
  }
  EndPaint(hwnd_, &paint);
  return 0;
}

GroupBoxImpl::GroupBoxImpl(Win32Form& form, const GroupSpec& spec, HWND parent)
    : WindowControl<GroupBox>(&form, spec.name) {
  Create(L"BUTTON", Widen(spec.caption), WS_VISIBLE | BS_GROUPBOX, 0,
         form.Scale().Rect(spec.bounds), parent);
}

LRESULT GroupBoxImpl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ForwardToForm(hwnd_, message, wParam, lParam, result))
    return result;
  return Default(message, wParam, lParam);
}

TabPageImpl::TabPageImpl(Win32Form& form, const std::string& name, const std::string& caption,
                         HWND tabControl)
    : WindowControl<TabPage>(&form, name), caption_(caption) {
  CreateContainerWindow(*this, Widen(caption), 0, WS_EX_CONTROLPARENT, RECT{0, 0, 0, 0},
                        tabControl);
}

LRESULT TabPageImpl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ForwardToForm(hwnd_, message, wParam, lParam, result))
    return result;
  return Default(message, wParam, lParam);
}

PageControlImpl::PageControlImpl(Win32Form& form, const PageControlSpec& spec, HWND parent)
    : WindowControl<PageControl>(&form, spec.name) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS |
                (spec.multiLine ? TCS_MULTILINE : 0);
  Create(WC_TABCONTROLW, L"", style, 0, form.Scale().Rect(spec.bounds), parent);
}

TabPage* PageControlImpl::AddPage(const std::string& name, const std::string& caption) {
  pages_.push_back(std::make_unique<TabPageImpl>(Owner(), name, caption, hwnd_));
  std::wstring text = Widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(hwnd_, TCM_INSERTITEMW, pages_.size() - 1, reinterpret_cast<LPARAM>(&item));
  if (SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0) < 0)
    SendMessageW(hwnd_, TCM_SETCURSEL, 0, 0);
  LayOutPages();
  ShowSelected();
  return pages_.back().get();
}

TabPage* PageControlImpl::Page(int index) const {
  if (index < 0 || index >= PageCount())
    return nullptr;
  return pages_[static_cast<size_t>(index)].get();
}

TabPage* PageControlImpl::ActivePage() const {
  return Page(static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)));
}

void PageControlImpl::SetActivePage(TabPage* page) {
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i].get() != page)
      continue;
    SendMessageW(hwnd_, TCM_SETCURSEL, i, 0);
    ShowSelected();
    return;
  }
}

void PageControlImpl::LayOutPages() {
  RECT rect;
  GetClientRect(hwnd_, &rect);
  SendMessageW(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  for (auto& page : pages_) {
    SetWindowPos(page->Hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void PageControlImpl::ShowSelected() {
  auto selected = static_cast<size_t>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
  for (size_t i = 0; i < pages_.size(); ++i) {
    ShowWindow(pages_[i]->Hwnd(), i == selected ? SW_SHOWNA : SW_HIDE);
  }
}

bool PageControlImpl::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != TCN_SELCHANGE)
    return false;
  ShowSelected();
  if (onChange)
    Kit().Dispatch(onChange);
  result = 0;
  return true;
}

}  // namespace tarnix::ui::win32
