// Headless main menus, pop-up menus and their items.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/widgets.h"

namespace tarnix::ui::headless {

class HeadlessForm;
class HeadlessMenuItem;

// The items of a menu or of a submenu, in order.
class MenuItemList {
 public:
  MenuItemList(HeadlessForm& form, HeadlessMenuItem* owner) : form_(form), owner_(owner) {}
  HeadlessMenuItem* Add(const MenuItemSpec& spec);
  int Count() const { return static_cast<int>(items_.size()); }
  HeadlessMenuItem* Item(int index) const;
  // The item, at any depth, with this name; null when none.
  HeadlessMenuItem* FindName(const std::string& name) const;

 private:
  HeadlessForm& form_;
  HeadlessMenuItem* owner_;
  std::vector<std::unique_ptr<HeadlessMenuItem>> items_;
};

class HeadlessMenuItem : public MenuItem {
 public:
  HeadlessMenuItem(HeadlessForm& form, HeadlessMenuItem* parent, const MenuItemSpec& spec);
  std::string Name() const override { return spec_.name; }
  std::string Caption() const override { return spec_.caption; }
  Shortcut GetShortcut() const override { return spec_.shortcut; }
  bool IsDefault() const override { return spec_.isDefault; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  MenuItem* Add(const MenuItemSpec& spec) override { return children_.Add(spec); }
  int Count() const override { return children_.Count(); }
  MenuItem* Item(int index) const override { return children_.Item(index); }

  bool IsSeparator() const { return spec_.caption == "-"; }
  // Enabled itself and in every menu above it.
  bool EnabledChain() const;
  // The user chooses the item: onClick through the dispatch, when it can be chosen.
  bool UserClick();
  const MenuItemList& Children() const { return children_; }
  HeadlessForm& OwnerForm() const { return form_; }

 private:
  HeadlessForm& form_;
  HeadlessMenuItem* parent_;
  MenuItemSpec spec_;
  bool enabled_ = true;
  MenuItemList children_;
};

class HeadlessMainMenu : public MainMenu {
 public:
  HeadlessMainMenu(HeadlessForm& form, std::string name)
      : name_(std::move(name)), items_(form, nullptr) {}
  MenuItem* Add(const MenuItemSpec& spec) override { return items_.Add(spec); }
  int Count() const override { return items_.Count(); }
  MenuItem* Item(int index) const override { return items_.Item(index); }
  const std::string& Name() const { return name_; }
  const MenuItemList& Items() const { return items_; }

 private:
  std::string name_;
  MenuItemList items_;
};

class HeadlessPopupMenu : public PopupMenu {
 public:
  HeadlessPopupMenu(HeadlessForm& form, std::string name)
      : name_(std::move(name)), items_(form, nullptr) {}
  std::string Name() const override { return name_; }
  MenuItem* Add(const MenuItemSpec& spec) override { return items_.Add(spec); }
  int Count() const override { return items_.Count(); }
  MenuItem* Item(int index) const override { return items_.Item(index); }
  const MenuItemList& Items() const { return items_; }

 private:
  std::string name_;
  MenuItemList items_;
};

}  // namespace tarnix::ui::headless
