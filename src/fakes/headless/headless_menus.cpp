#include "fakes/headless/headless_menus.h"

#include "fakes/headless/headless_form.h"
#include "fakes/headless/headless_toolkit.h"

namespace tarnix::ui::headless {

HeadlessMenuItem* MenuItemList::Add(const MenuItemSpec& spec) {
  items_.push_back(std::make_unique<HeadlessMenuItem>(form_, owner_, spec));
  return items_.back().get();
}

HeadlessMenuItem* MenuItemList::Item(int index) const {
  return index >= 0 && index < Count() ? items_[index].get() : nullptr;
}

HeadlessMenuItem* MenuItemList::FindName(const std::string& name) const {
  for (const auto& item : items_) {
    if (item->Name() == name)
      return item.get();
    if (HeadlessMenuItem* inner = item->Children().FindName(name))
      return inner;
  }
  return nullptr;
}

HeadlessMenuItem::HeadlessMenuItem(HeadlessForm& form, HeadlessMenuItem* parent,
                                   const MenuItemSpec& spec)
    : form_(form), parent_(parent), spec_(spec), children_(form, this) {}

bool HeadlessMenuItem::EnabledChain() const {
  for (const HeadlessMenuItem* item = this; item != nullptr; item = item->parent_) {
    if (!item->enabled_)
      return false;
  }
  return true;
}

bool HeadlessMenuItem::UserClick() {
  if (!EnabledChain() || IsSeparator())
    return false;
  std::function<void()> handler = onClick;
  if (handler)
    form_.Toolkit().Dispatch(handler);
  return true;
}

}  // namespace tarnix::ui::headless
