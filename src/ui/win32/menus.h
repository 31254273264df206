// Main menus and pop-up menus: Win32 menus whose item IDs come from their form, with the
// shortcut shown after a tab in the caption and the default item in bold.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "ui/widgets.h"
#include "ui/win32/control_base.h"

namespace tarnix::ui::win32 {

// "F9", "Ctrl+F", "Alt+X", "Del", "Ins"; empty for no shortcut.
std::string ShortcutText(const Shortcut& shortcut);

class MenuItemImpl;

// The items of one Win32 menu.
class MenuItems {
 public:
  MenuItems(Win32Form& form, HMENU menu) : form_(form), menu_(menu) {}
  MenuItemImpl* Add(const MenuItemSpec& spec);
  int Count() const { return static_cast<int>(items_.size()); }
  MenuItemImpl* Item(int index) const;
  HMENU Handle() const { return menu_; }

 private:
  Win32Form& form_;
  HMENU menu_;
  std::vector<std::unique_ptr<MenuItemImpl>> items_;
};

class MenuItemImpl final : public MenuItem, public CommandTarget {
 public:
  MenuItemImpl(Win32Form& form, HMENU menu, const MenuItemSpec& spec);
  std::string Name() const override { return spec_.name; }
  std::string Caption() const override { return spec_.caption; }
  Shortcut GetShortcut() const override { return spec_.shortcut; }
  bool IsDefault() const override { return spec_.isDefault; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  MenuItem* Add(const MenuItemSpec& spec) override;
  int Count() const override { return children_ ? children_->Count() : 0; }
  MenuItem* Item(int index) const override { return children_ ? children_->Item(index) : nullptr; }

  // Runs onClick when the item is enabled.
  void OnCommand(int code) override;
  int Id() const { return id_; }

 private:
  Win32Form& form_;
  HMENU menu_;
  MenuItemSpec spec_;
  int id_;
  int position_;  // in menu_
  bool enabled_ = true;
  std::unique_ptr<MenuItems> children_;
};

class MainMenuImpl final : public MainMenu {
 public:
  explicit MainMenuImpl(Win32Form& form);
  MenuItem* Add(const MenuItemSpec& spec) override;
  int Count() const override { return items_.Count(); }
  MenuItem* Item(int index) const override { return items_.Item(index); }

 private:
  Win32Form& form_;
  MenuItems items_;
};

class PopupMenuImpl final : public PopupMenu {
 public:
  PopupMenuImpl(Win32Form& form, std::string name);
  std::string Name() const override { return name_; }
  MenuItem* Add(const MenuItemSpec& spec) override { return items_.Add(spec); }
  int Count() const override { return items_.Count(); }
  MenuItem* Item(int index) const override { return items_.Item(index); }
  // Shows the menu at a screen point and runs the item chosen.
  void Track(HWND owner, POINT where);

 private:
  Win32Form& form_;
  std::string name_;
  MenuHandle menu_;
  MenuItems items_;
};

}  // namespace tarnix::ui::win32
