#include "fakes/headless/headless_form.h"

#include <algorithm>
#include <stdexcept>

#include "fakes/headless/headless_controls.h"
#include "fakes/headless/headless_errors.h"
#include "fakes/headless/headless_text.h"
#include "fakes/headless/headless_toolkit.h"
#include "ui/key_routing.h"

namespace tarnix::ui::headless {

HeadlessForm::HeadlessForm(HeadlessToolkit& toolkit, const FormSpec& spec)
    : ControlBase(*this, nullptr, spec.name, {0, 0, spec.clientWidth, spec.clientHeight}),
      toolkit_(&toolkit),
      spec_(spec),
      caption_(spec.caption) {
  visible_ = false;
}

HeadlessForm::~HeadlessForm() {
  if (toolkit_ != nullptr)
    toolkit_->Forget(*this);
}

HeadlessToolkit& HeadlessForm::Toolkit() const {
  if (toolkit_ == nullptr)
    throw DriverError("form '" + name_ + "' outlived its toolkit");
  return *toolkit_;
}

void HeadlessForm::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void HeadlessForm::Show() {
  if (visible_)
    return;
  visible_ = true;
  Fire(onShow);
  if (active_ == nullptr)
    FocusFirst();
}

int HeadlessForm::ShowModal() {
  if (modal_)
    throw DriverError("form '" + name_ + "' is already shown modally");
  if (visible_)
    throw std::logic_error("Cannot make a visible window modal");
  std::function<void(Form&)> script = Toolkit().TakeModalScript(*this);
  modalResult_ = mr::None;
  modal_ = true;
  Toolkit().EnterModal(*this);
  try {
    Show();
    script(*this);
  } catch (...) {
    EndModal();
    visible_ = false;
    throw;
  }
  if (modal_)
    Close();
  return modalResult_;
}

void HeadlessForm::EndModal() {
  modal_ = false;
  Toolkit().LeaveModal(*this);
}

void HeadlessForm::Close() {
  Fire(onClose);
  ++closes_;
  visible_ = false;
  if (modal_) {
    EndModal();
    if (modalResult_ == mr::None)
      modalResult_ = mr::Cancel;
  }
  if (spec_.isMainForm)
    Toolkit().Terminate();
}

void HeadlessForm::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mr::None && modal_)
    Close();
}

Control* HeadlessForm::ActiveControl() const {
  return active_ != nullptr ? &active_->AsControl() : nullptr;
}

Control* HeadlessForm::FindControl(const std::string& name) const {
  for (const auto& node : nodes_) {
    if (node->NodeName() == name)
      return &node->AsControl();
  }
  return nullptr;
}

Node* HeadlessForm::ParentFor(Container* parent) {
  if (parent == nullptr || parent == this)
    return nullptr;
  Node& node = NodeOf(*parent);
  if (&node.OwnerForm() != this) {
    throw DriverError("container '" + parent->Name() + "' belongs to another form");
  }
  return &node;
}

Label* HeadlessForm::AddLabel(const LabelSpec& spec, Container* parent) {
  return Make<HeadlessLabel>(ParentFor(parent), spec);
}

Button* HeadlessForm::AddButton(const ButtonSpec& spec, Container* parent) {
  return Make<HeadlessButton>(ParentFor(parent), spec);
}

CheckBox* HeadlessForm::AddCheckBox(const CheckSpec& spec, Container* parent) {
  return Make<HeadlessCheckBox>(ParentFor(parent), spec);
}

RadioButton* HeadlessForm::AddRadioButton(const CheckSpec& spec, Container* parent) {
  return Make<HeadlessRadioButton>(ParentFor(parent), spec);
}

EditBox* HeadlessForm::AddEdit(const EditSpec& spec, Container* parent) {
  return Make<HeadlessEditBox>(ParentFor(parent), spec);
}

TextPage* HeadlessForm::AddTextPage(const TextPageSpec& spec, Container* parent) {
  return Make<HeadlessTextPage>(ParentFor(parent), spec);
}

ListBox* HeadlessForm::AddListBox(const ListBoxSpec& spec, Container* parent) {
  return Make<HeadlessListBox>(ParentFor(parent), spec);
}

Panel* HeadlessForm::AddPanel(const PanelSpec& spec, Container* parent) {
  return Make<HeadlessPanel>(ParentFor(parent), spec);
}

GroupBox* HeadlessForm::AddGroupBox(const GroupSpec& spec, Container* parent) {
  return Make<HeadlessGroupBox>(ParentFor(parent), spec);
}

Bevel* HeadlessForm::AddBevel(const BevelSpec& spec, Container* parent) {
  return Make<HeadlessBevel>(ParentFor(parent), spec);
}

Picture* HeadlessForm::AddPicture(const ImageSpec& spec, Container* parent) {
  return Make<HeadlessPicture>(ParentFor(parent), spec);
}

PageControl* HeadlessForm::AddPageControl(const PageControlSpec& spec, Container* parent) {
  return Make<HeadlessPageControl>(ParentFor(parent), spec);
}

StatusBar* HeadlessForm::AddStatusBar(const StatusBarSpec& spec) {
  return Make<HeadlessStatusBar>(spec);
}

ProgressBar* HeadlessForm::AddProgressBar(const ProgressSpec& spec, Container* parent) {
  return Make<HeadlessProgressBar>(ParentFor(parent), spec);
}

ToolBar* HeadlessForm::AddToolBar(const ToolBarSpec& spec, Container* parent) {
  return Make<HeadlessToolBar>(ParentFor(parent), spec);
}

ImageList* HeadlessForm::AddImageList(const ImageListSpec& spec) {
  imageLists_.push_back(std::make_unique<HeadlessImageList>(spec));
  return imageLists_.back().get();
}

MainMenu* HeadlessForm::SetMainMenu(const std::string& name) {
  mainMenu_ = std::make_unique<HeadlessMainMenu>(*this, name);
  return mainMenu_.get();
}

PopupMenu* HeadlessForm::AddPopupMenu(const std::string& name) {
  popups_.push_back(std::make_unique<HeadlessPopupMenu>(*this, name));
  return popups_.back().get();
}

void HeadlessForm::SetTabOrder(const std::vector<Control*>& order) {
  tabOrder_ = order;
}

std::vector<Node*> HeadlessForm::TabOrder() const {
  std::vector<Node*> order;
  for (Control* control : tabOrder_) {
    Node& node = NodeOf(*control);
    if (node.TabStop())
      order.push_back(&node);
  }
  for (const auto& node : nodes_) {
    if (node->TabStop() && std::find(order.begin(), order.end(), node.get()) == order.end()) {
      order.push_back(node.get());
    }
  }
  return order;
}

bool HeadlessForm::MoveFocus(Node& target) {
  if (&target.OwnerForm() != this) {
    throw DriverError("'" + target.NodeName() + "' is not a control of form '" + name_ + "'");
  }
  if (!target.CanFocus())
    return false;
  if (active_ == &target)
    return true;
  Node* old = active_;
  active_ = &target;
  if (old != nullptr)
    Fire(old->AsControl().onExit);
  return true;
}

void HeadlessForm::SelectNext(bool forward) {
  std::vector<Node*> stops = TabOrder();
  stops.erase(
      std::remove_if(stops.begin(), stops.end(), [](Node* node) { return !node->CanFocus(); }),
      stops.end());
  if (Node* next = NextTabStop(stops, active_, !forward))
    MoveFocus(*next);
}

void HeadlessForm::FocusFirst() {
  for (Node* node : TabOrder()) {
    if (MoveFocus(*node))
      return;
  }
}

HeadlessButton* HeadlessForm::DefaultButton() const {
  return PressableButton(&HeadlessButton::IsDefault);
}

HeadlessButton* HeadlessForm::CancelButton() const {
  return PressableButton(&HeadlessButton::IsCancel);
}

HeadlessButton* HeadlessForm::PressableButton(bool (HeadlessButton::*role)() const) const {
  for (const auto& node : nodes_) {
    auto* button = dynamic_cast<HeadlessButton*>(node.get());
    if (button != nullptr && (button->*role)() && button->ShownChain() && button->EnabledChain())
      return button;
  }
  return nullptr;
}

}  // namespace tarnix::ui::headless
