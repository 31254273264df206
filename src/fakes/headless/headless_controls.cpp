#include "fakes/headless/headless_controls.h"

#include <algorithm>
#include <stdexcept>

#include "fakes/headless/headless_form.h"
#include "fakes/headless/headless_toolkit.h"
#include "ui/button_click.h"

namespace tarnix::ui::headless {

HeadlessLabel::HeadlessLabel(HeadlessForm& form, Node* parent, const LabelSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec), caption_(spec.caption) {}

HeadlessButton::HeadlessButton(HeadlessForm& form, Node* parent, const ButtonSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds),
      spec_(spec),
      caption_(spec.caption.empty() ? StandardCaption(spec.kind) : spec.caption) {}

void HeadlessButton::UserClick() {
  ClickButton(OwnerForm().Toolkit(), OwnerForm(), spec_, onClick);
}

HeadlessCheckBox::HeadlessCheckBox(HeadlessForm& form, Node* parent, const CheckSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds),
      caption_(spec.caption),
      checked_(spec.checked) {}

void HeadlessCheckBox::UserClick() {
  checked_ = !checked_;
  Fire(onClick);
}

HeadlessRadioButton::HeadlessRadioButton(HeadlessForm& form, Node* parent, const CheckSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), caption_(spec.caption) {
  SetChecked(spec.checked);
}

void HeadlessRadioButton::SetChecked(bool checked) {
  checked_ = checked;
  if (!checked)
    return;
  for (const auto& node : OwnerForm().Nodes()) {
    auto* radio = dynamic_cast<HeadlessRadioButton*>(node.get());
    if (radio != nullptr && radio != this && radio->ParentNode() == ParentNode()) {
      radio->checked_ = false;
    }
  }
}

void HeadlessRadioButton::UserClick() {
  SetChecked(true);
  Fire(onClick);
}

HeadlessPanel::HeadlessPanel(HeadlessForm& form, Node* parent, const PanelSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec) {}

HeadlessGroupBox::HeadlessGroupBox(HeadlessForm& form, Node* parent, const GroupSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec) {}

HeadlessBevel::HeadlessBevel(HeadlessForm& form, Node* parent, const BevelSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds) {}

HeadlessPicture::HeadlessPicture(HeadlessForm& form, Node* parent, const ImageSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec) {}

HeadlessListBox::HeadlessListBox(HeadlessForm& form, Node* parent, const ListBoxSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec) {}

void HeadlessListBox::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ") in " + name_);
  }
}

std::string HeadlessListBox::Item(int index) const {
  CheckIndex(index, Count());
  return items_[index].text;
}

std::vector<std::string> HeadlessListBox::Items() const {
  std::vector<std::string> texts;
  for (const auto& item : items_) texts.push_back(item.text);
  return texts;
}

void HeadlessListBox::SetItem(int index, const std::string& text) {
  CheckIndex(index, Count());
  items_[index].text = text;
}

int HeadlessListBox::ItemImage(int index) const {
  CheckIndex(index, Count());
  return items_[index].image;
}

void HeadlessListBox::SetItemImage(int index, int image) {
  CheckIndex(index, Count());
  items_[index].image = image;
}

bool HeadlessListBox::ItemGreyed(int index) const {
  CheckIndex(index, Count());
  return items_[index].greyed;
}

void HeadlessListBox::SetItemGreyed(int index, bool greyed) {
  CheckIndex(index, Count());
  items_[index].greyed = greyed;
}

void HeadlessListBox::Add(const std::string& text, int image) {
  items_.push_back({text, image, false});
}

void HeadlessListBox::Insert(int index, const std::string& text, int image) {
  CheckIndex(index, Count() + 1);
  items_.insert(items_.begin() + index, {text, image, false});
  if (itemIndex_ >= index)
    ++itemIndex_;
}

void HeadlessListBox::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
  if (itemIndex_ == index) {
    itemIndex_ = -1;
  } else if (itemIndex_ > index) {
    --itemIndex_;
  }
}

void HeadlessListBox::Clear() {
  items_.clear();
  itemIndex_ = -1;
}

void HeadlessListBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < Count() ? index : -1;
}

bool HeadlessListBox::DefaultKey(int vk, ShiftState) {
  if ((vk != vk::Up && vk != vk::Down) || items_.empty())
    return false;
  int next = vk == vk::Down ? itemIndex_ + 1 : std::max(itemIndex_ - 1, 0);
  UserSelect(std::min(next, Count() - 1));
  return true;
}

void HeadlessListBox::UserSelect(int index) {
  SetItemIndex(index);
  Fire(onClick);
  Fire(onChange);
}

HeadlessTabPage::HeadlessTabPage(HeadlessForm& form, Node* parent, std::string name,
                                 std::string caption)
    : ControlBase(form, parent, std::move(name), {}), caption_(std::move(caption)) {}

HeadlessPageControl::HeadlessPageControl(HeadlessForm& form, Node* parent,
                                         const PageControlSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec) {}

TabPage* HeadlessPageControl::AddPage(const std::string& name, const std::string& caption) {
  HeadlessTabPage* page = OwnerForm().Make<HeadlessTabPage>(this, name, caption);
  pages_.push_back(page);
  if (active_ == nullptr)
    active_ = page;
  return page;
}

TabPage* HeadlessPageControl::Page(int index) const {
  return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

void HeadlessPageControl::SetActivePage(TabPage* page) {
  if (page != nullptr && std::find(pages_.begin(), pages_.end(), page) == pages_.end()) {
    throw std::invalid_argument("page '" + page->Name() + "' is not in " + name_);
  }
  active_ = page;
}

void HeadlessPageControl::UserSelectPage(int index) {
  TabPage* page = Page(index);
  if (page == nullptr || page == active_)
    return;
  active_ = page;
  Fire(onChange);
}

HeadlessStatusBar::HeadlessStatusBar(HeadlessForm& form, const StatusBarSpec& spec)
    : ControlBase(form, nullptr, spec.name, {}), spec_(spec), texts_(spec.panelWidths.size()) {}

std::string HeadlessStatusBar::PanelText(int panel) const {
  return texts_.at(panel);
}

void HeadlessStatusBar::SetPanelText(int panel, const std::string& text) {
  texts_.at(panel) = text;
}

HeadlessProgressBar::HeadlessProgressBar(HeadlessForm& form, Node* parent, const ProgressSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec), position_(spec.min) {}

void HeadlessProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, spec_.min, spec_.max);
}

HeadlessToolButton::HeadlessToolButton(HeadlessForm& form, Node* parent, const std::string& name,
                                       int image, const std::string& hint)
    : ControlBase(form, parent, name, {}), image_(image) {
  hint_ = hint;
}

HeadlessToolBar::HeadlessToolBar(HeadlessForm& form, Node* parent, const ToolBarSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec) {}

ToolButton* HeadlessToolBar::AddButton(const std::string& name, int image,
                                       const std::string& hint) {
  HeadlessToolButton* button = OwnerForm().Make<HeadlessToolButton>(this, name, image, hint);
  buttons_.push_back(button);
  return button;
}

ToolButton* HeadlessToolBar::Button(int index) const {
  return index >= 0 && index < ButtonCount() ? buttons_[index] : nullptr;
}

}  // namespace tarnix::ui::headless
