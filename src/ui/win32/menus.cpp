#include "ui/win32/menus.h"

#include "base/unicode_win32.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

std::string KeyName(int key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    return std::string(1, char(key));
  if (key >= VK_F1 && key <= VK_F24)
    return "F" + std::to_string(key - VK_F1 + 1);
  switch (key) {
    case VK_DELETE:
      return "Del";
    case VK_INSERT:
      return "Ins";
    case VK_RETURN:
      return "Enter";
    case VK_ESCAPE:
      return "Esc";
    case VK_BACK:
      return "BkSp";
    case VK_TAB:
      return "Tab";
    case VK_SPACE:
      return "Space";
    case VK_LEFT:
      return "Left";
    case VK_UP:
      return "Up";
    case VK_RIGHT:
      return "Right";
    case VK_DOWN:
      return "Down";
    case VK_HOME:
      return "Home";
    case VK_END:
      return "End";
    case VK_PRIOR:
      return "PgUp";
    case VK_NEXT:
      return "PgDn";
    default:
      return "";
  }
}

}  // namespace

std::string ShortcutText(const Shortcut& shortcut) {
  if (shortcut.vk == 0)
    return "";
  std::string text;
  if (shortcut.shift.shift)
    text += "Shift+";
  if (shortcut.shift.ctrl)
    text += "Ctrl+";
  if (shortcut.shift.alt)
    text += "Alt+";
  return text + KeyName(shortcut.vk);
}

MenuItemImpl* MenuItems::Add(const MenuItemSpec& spec) {
  items_.push_back(std::make_unique<MenuItemImpl>(form_, menu_, spec));
  return items_.back().get();
}

MenuItemImpl* MenuItems::Item(int index) const {
  if (index < 0 || index >= Count())
    return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

MenuItemImpl::MenuItemImpl(Win32Form& form, HMENU menu, const MenuItemSpec& spec)
    : form_(form),
      menu_(menu),
      spec_(spec),
      id_(form.Register(this, spec.name)),
      position_(GetMenuItemCount(menu)) {
  if (spec.caption == "-") {
    AppendMenuW(menu, MF_SEPARATOR, id_, nullptr);
  } else {
    std::wstring text = Widen(spec.caption);
    std::string shortcut = ShortcutText(spec.shortcut);
    if (!shortcut.empty())
      text += L"\t" + Widen(shortcut);
    AppendMenuW(menu, MF_STRING, id_, text.c_str());
  }
  if (spec.isDefault)
    SetMenuDefaultItem(menu, id_, FALSE);
}

void MenuItemImpl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  EnableMenuItem(menu_, position_, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  if (GetMenu(form_.Hwnd()) == menu_)
    DrawMenuBar(form_.Hwnd());
}

MenuItem* MenuItemImpl::Add(const MenuItemSpec& spec) {
  if (!children_) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = CreatePopupMenu();
    SetMenuItemInfoW(menu_, position_, TRUE, &info);
    children_ = std::make_unique<MenuItems>(form_, info.hSubMenu);
  }
  return children_->Add(spec);
}

void MenuItemImpl::OnCommand(int) {
  if (enabled_ && onClick)
    form_.Toolkit().Dispatch(onClick);
}

MainMenuImpl::MainMenuImpl(Win32Form& form) : form_(form), items_(form, CreateMenu()) {
  SetMenu(form.Hwnd(), items_.Handle());
}

MenuItem* MainMenuImpl::Add(const MenuItemSpec& spec) {
  MenuItem* item = items_.Add(spec);
  DrawMenuBar(form_.Hwnd());
  return item;
}

PopupMenuImpl::PopupMenuImpl(Win32Form& form, std::string name)
    : form_(form), name_(std::move(name)), menu_(CreatePopupMenu()), items_(form, menu_.get()) {}

void PopupMenuImpl::Track(HWND owner, POINT where) {
  UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN;
  int chosen = TrackPopupMenuEx(items_.Handle(), flags, where.x, where.y, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen == 0)
    return;
  if (CommandTarget* target = form_.Target(chosen))
    target->OnCommand(0);
}

}  // namespace tarnix::ui::win32
