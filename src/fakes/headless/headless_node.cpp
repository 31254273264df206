#include "fakes/headless/headless_node.h"

#include <utility>

#include "fakes/headless/headless_controls.h"
#include "fakes/headless/headless_errors.h"
#include "fakes/headless/headless_form.h"
#include "fakes/headless/headless_toolkit.h"

namespace tarnix::ui::headless {

Node::Node(HeadlessForm& form, Node* parent, std::string name, Bounds bounds)
    : name_(std::move(name)), bounds_(bounds), form_(&form), parent_(parent) {}

void Node::UserClick() {
  Fire(AsControl().onClick);
}

bool Node::DefaultKey(int, ShiftState) {
  return false;
}

bool Node::TypeChar(int) {
  return false;
}

bool Node::ShownChain() const {
  for (const Node* node = this; node != nullptr; node = node->parent_) {
    if (!node->visible_)
      return false;
  }
  return true;
}

bool Node::EnabledChain() const {
  for (const Node* node = this; node != nullptr; node = node->parent_) {
    if (!node->enabled_)
      return false;
  }
  return true;
}

bool Node::CanFocus() const {
  if (!TabStop() || !ShownChain() || !EnabledChain())
    return false;
  for (const Node* node = this; node->parent_ != nullptr; node = node->parent_) {
    auto* pages = dynamic_cast<HeadlessPageControl*>(node->parent_);
    if (pages != nullptr && pages->ActivePage() != dynamic_cast<const TabPage*>(node)) {
      return false;
    }
  }
  return true;
}

bool Node::HasFocus() const {
  return form_->ActiveNode() == this;
}

bool Node::TakeFocus() {
  return form_->MoveFocus(*this);
}

void Node::Fire(const std::function<void()>& handler) const {
  if (!handler)
    return;
  // A copy, so that a handler may replace itself while it runs.
  std::function<void()> call = handler;
  form_->Toolkit().Dispatch(call);
}

void Node::FireMouseDown(MouseButton button, int x, int y) {
  auto handler = AsControl().onMouseDown;
  if (handler)
    Fire([&] { handler(button, x, y); });
}

Node& NodeOf(Control& control) {
  auto* node = dynamic_cast<Node*>(&control);
  if (node == nullptr)
    throw DriverError("'" + control.Name() + "' is not a headless control");
  return *node;
}

const Node& NodeOf(const Control& control) {
  return NodeOf(const_cast<Control&>(control));
}

}  // namespace tarnix::ui::headless
