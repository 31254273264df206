#include "ui/win32/win32_form.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/key_routing.h"
#include "ui/win32/bars.h"
#include "ui/win32/buttons.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/menus.h"
#include "ui/win32/toolkit_impl.h"

namespace tarnix::ui::win32 {

namespace {

struct WindowStyle {
  DWORD style, exStyle;
};

// A borderless window such as the splash shows no caption that a tool window's would change:
// kept off the taskbar that way, it needs no owner.
bool NeedsOwner(const FormSpec& spec) {
  return spec.isMainForm || spec.border != BorderStyle::None;
}

WindowStyle StyleOf(const FormSpec& spec) {
  // No WS_CLIPCHILDREN: group boxes and etched frames draw only their lines and rely on the
  // form's background beneath them.
  WindowStyle result{0, 0};
  switch (spec.border) {
    case BorderStyle::FixedSingle:
      result.style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
      break;
    case BorderStyle::Dialog:
      result.style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      result.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case BorderStyle::DialogNoSysMenu:
      result.style |= WS_POPUP | WS_CAPTION;
      result.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case BorderStyle::None:
      result.style |= WS_POPUP;
      break;
  }
  if (spec.isMainForm)
    result.exStyle |= WS_EX_APPWINDOW;
  else if (!NeedsOwner(spec))
    result.exStyle |= WS_EX_TOOLWINDOW;
  return result;
}

constexpr wchar_t kCommandPropertyPrefix[] = L"Tarnix:";

}  // namespace

Win32Form::Win32Form(Win32Toolkit& kit, const FormSpec& spec)
    : WindowControl<Form>(this, spec.name), kit_(kit), spec_(spec) {
  RegisterClassOnce();
  WindowStyle style = StyleOf(spec);
  RECT rect{0, 0, Scale()(spec.clientWidth), Scale()(spec.clientHeight)};
  AdjustWindowRectEx(&rect, style.style, FALSE, style.exStyle);
  HWND hwnd =
      CreateWindowExW(style.exStyle, Widen(spec.className).c_str(), Widen(spec.caption).c_str(),
                      style.style, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                      NeedsOwner(spec) ? kit.AppWindow() : nullptr, nullptr, kit.Instance(), this);
  if (!hwnd)
    throw std::runtime_error("Cannot create the window " + spec.className);
  CenterOnScreen();
}

Win32Form::~Win32Form() {
  destroying_ = true;
  if (hwnd_)
    DestroyWindow(hwnd_);
}

void Win32Form::RegisterClassOnce() const {
  std::wstring name = Widen(spec_.className);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExW(kit_.Instance(), name.c_str(), &wc))
    return;
  wc.lpfnWndProc = FormProc;
  wc.hInstance = kit_.Instance();
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = LoadIconW(kit_.Instance(), MAKEINTRESOURCEW(1));
  wc.lpszClassName = name.c_str();
  RegisterClassExW(&wc);
}

LRESULT CALLBACK Win32Form::FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* form = static_cast<Win32Form*>(created->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    form->Adopt(hwnd);
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form || !form->Hwnd())
    return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return form->Receive(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

const Scaler& Win32Form::Scale() const {
  return kit_.Scale();
}

// Every form draws its texts and its controls' in the same face and size.
constexpr char kFormFace[] = "MS Sans Serif";
constexpr int kFormPoints = 8;

// Asked for while painting: made once.
HFONT Win32Form::Font() const {
  if (!font_)
    font_ = FaceFont(kFormFace);
  return font_;
}

HFONT Win32Form::BoldFont() const {
  return kit_.Fonts().Get(kFormFace, kFormPoints, true);
}

HFONT Win32Form::FaceFont(const std::string& face) const {
  return kit_.Fonts().Get(face, kFormPoints);
}

int Win32Form::Register(CommandTarget* target, const std::string& name) {
  int id = nextId_++;
  targets_[id] = target;
  if (auto* control = dynamic_cast<Control*>(target))
    byName_[name] = control;
  if (!name.empty()) {
    std::wstring property = kCommandPropertyPrefix + Widen(name);
    SetPropW(hwnd_, property.c_str(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(id)));
    propertyNames_.push_back(property);
  }
  return id;
}

void Win32Form::RemoveNameProperties() {
  for (const std::wstring& property : propertyNames_) RemovePropW(hwnd_, property.c_str());
  propertyNames_.clear();
}

CommandTarget* Win32Form::Target(int id) const {
  auto found = targets_.find(id);
  return found == targets_.end() ? nullptr : found->second;
}

HWND Win32Form::ParentWindow(Container* parent) const {
  if (!parent || parent == this)
    return hwnd_;
  auto* window = dynamic_cast<WindowBase*>(parent);
  return window ? window->ClientHwnd() : hwnd_;
}

void Win32Form::SetFocus() {
  if (IsWindowVisible(hwnd_))
    SetForegroundWindow(hwnd_);
}

void Win32Form::SetCaption(const std::string& caption) {
  SetWindowTextW(hwnd_, Widen(caption).c_str());
}

void Win32Form::FitWindowToClient() {
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  int width = Scale()(spec_.clientWidth), height = Scale()(spec_.clientHeight);
  for (int pass = 0; pass < 2; ++pass) {
    RECT client, window;
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &window);
    int dw = width - client.right, dh = height - client.bottom;
    if (dw == 0 && dh == 0)
      break;
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + dw,
                 window.bottom - window.top + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32Form::CenterOnScreen() {
  RECT window, screen;
  GetWindowRect(hwnd_, &window);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
  int width = window.right - window.left, height = window.bottom - window.top;
  int left = screen.left + (screen.right - screen.left - width) / 2;
  int top = screen.top + (screen.bottom - screen.top - height) / 2;
  SetWindowPos(hwnd_, nullptr, std::max<int>(left, screen.left), std::max<int>(top, screen.top), 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::Show() {
  if (!IsWindowVisible(hwnd_)) {
    if (!laidOut_) {
      FitWindowToClient();
      CenterOnScreen();
      laidOut_ = true;
    }
    if (onShow)
      kit_.Dispatch(onShow);
    ShowWindow(hwnd_, SW_SHOW);
  }
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void Win32Form::Hide() {
  ShowWindow(hwnd_, SW_HIDE);
}

int Win32Form::ShowModal() {
  if (modal_)
    return mr::Cancel;
  modal_ = true;
  modalResult_ = mr::None;
  closeRequested_ = false;
  HWND previous = GetActiveWindow();
  std::vector<HWND> disabled = kit_.DisableOtherWindows(hwnd_);
  Show();
  while (!kit_.Terminated() && modalResult_ == mr::None && !closeRequested_) kit_.PumpMessage();
  if (!closeRequested_ && onClose)
    kit_.Dispatch(onClose);
  for (HWND window : disabled) EnableWindow(window, TRUE);
  Hide();
  if (previous && previous != hwnd_ && IsWindowVisible(previous))
    SetActiveWindow(previous);
  modal_ = false;
  if (modalResult_ == mr::None)
    modalResult_ = mr::Cancel;
  return modalResult_;
}

void Win32Form::SetModalResult(int result) {
  modalResult_ = result;
  if (modal_ && result != mr::None)
    ++closes_;
}

void Win32Form::Close() {
  if (closing_)
    return;
  closing_ = true;
  ++closes_;
  if (onClose)
    kit_.Dispatch(onClose);
  closing_ = false;
  if (modal_) {
    closeRequested_ = true;
  } else {
    Hide();
  }
  if (spec_.isMainForm)
    kit_.Terminate();
}

// What waits to be painted is painted now; a form that Show has just painted is not painted
// again.
void Win32Form::Repaint() {
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

Control* Win32Form::ActiveControl() const {
  HWND focus = GetFocus();
  if (!focus || !IsChild(hwnd_, focus))
    focus = lastFocus_;
  if (!focus || !IsWindow(focus) || !IsChild(hwnd_, focus))
    return nullptr;
  WindowBase* control = FromHwnd(focus);
  return control && control != this ? &control->Self() : nullptr;
}

Control* Win32Form::FindControl(const std::string& name) const {
  auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : found->second;
}

std::vector<WindowBase*> Win32Form::TabSequence() const {
  std::vector<WindowBase*> order = tabOrder_;
  for (const auto& control : controls_) {
    if (std::find(order.begin(), order.end(), control.get()) == order.end()) {
      order.push_back(control.get());
    }
  }
  order.erase(std::remove_if(order.begin(), order.end(),
                             [](WindowBase* c) {
                               return !c->TakesFocus() || !c->Hwnd() ||
                                      !IsWindowVisible(c->Hwnd()) || !IsWindowEnabled(c->Hwnd());
                             }),
              order.end());
  return order;
}

void Win32Form::SetTabOrder(const std::vector<Control*>& order) {
  tabOrder_.clear();
  for (Control* control : order) {
    if (auto* window = dynamic_cast<WindowBase*>(control))
      tabOrder_.push_back(window);
  }
}

void Win32Form::MoveFocus(WindowBase* from, bool backwards) {
  if (WindowBase* next = NextTabStop(TabSequence(), from, backwards))
    ::SetFocus(next->Hwnd());
}

void Win32Form::RestoreFocus() {
  HWND target = lastFocus_;
  if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowVisible(target) ||
      !IsWindowEnabled(target)) {
    std::vector<WindowBase*> sequence = TabSequence();
    target = sequence.empty() ? nullptr : sequence.front()->Hwnd();
  }
  ::SetFocus(target ? target : hwnd_);
}

void Win32Form::PressDefault(WindowBase* focused) {
  if (focused && focused->IsPushButton() && IsWindowEnabled(focused->Hwnd())) {
    focused->Click();
    return;
  }
  PressButton(&ButtonImpl::IsDefault);
}

void Win32Form::PressCancel() {
  PressButton(&ButtonImpl::IsCancel);
}

void Win32Form::PressButton(bool (ButtonImpl::*role)() const) {
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<ButtonImpl*>(control.get());
    if (button && (button->*role)() && IsWindowVisible(button->Hwnd()) &&
        IsWindowEnabled(button->Hwnd())) {
      button->Click();
      return;
    }
  }
}

void Win32Form::SetToolTip(HWND control, const std::string& text) {
  if (!toolTip_) {
    LoadCommonControls();
    toolTip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, kit_.Instance(), nullptr);
  }
  std::wstring wide = Widen(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(toolTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!wide.empty())
    SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Form::UncheckOtherRadios(HWND checked) {
  HWND parent = GetParent(checked);
  for (HWND radio : radios_) {
    if (radio != checked && GetParent(radio) == parent) {
      SendMessageW(radio, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

MainMenu* Win32Form::Menu() const {
  return mainMenu_.get();
}

bool Win32Form::RouteNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (CommandTarget* target = Target(LOWORD(wParam))) {
        target->OnCommand(HIWORD(wParam));
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      CommandTarget* target = Target(static_cast<int>(header->idFrom));
      return target && target->OnNotify(*header, result);
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      CommandTarget* target = item->CtlType == ODT_MENU ? nullptr : Target(item->CtlID);
      result = TRUE;
      return target && target->OnDrawItem(*item);
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      CommandTarget* target = item->CtlType == ODT_MENU ? nullptr : Target(item->CtlID);
      result = TRUE;
      return target && target->OnMeasureItem(*item);
    }
    case WM_CTLCOLORSTATIC: {
      WindowBase* control = FromHwnd(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control ? control->OnCtlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
      result = reinterpret_cast<LRESULT>(brush);
      return brush != nullptr;
    }
    default:
      return false;
  }
}

LRESULT Win32Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!destroying_ && RouteNotification(message, wParam, lParam, result))
    return result;
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
        RestoreFocus();
        return 0;
      }
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SIZE:
      if (statusBar_)
        statusBar_->FollowParent();
      break;
    case WM_NCDESTROY:
      RemoveNameProperties();
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

MainMenu* Win32Form::SetMainMenu(const std::string&) {
  mainMenu_ = std::make_unique<MainMenuImpl>(*this);
  return mainMenu_.get();
}

PopupMenu* Win32Form::AddPopupMenu(const std::string& name) {
  popups_.push_back(std::make_unique<PopupMenuImpl>(*this, name));
  return popups_.back().get();
}

}  // namespace tarnix::ui::win32
