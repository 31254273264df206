// The state every headless control shares, and the template that implements the Control
// interface on it for each widget interface.
#pragma once

#include <functional>
#include <string>

#include "ui/widgets.h"

namespace tarnix::ui::headless {

class HeadlessForm;

// What the form and the driver need of any control, whatever widget interface it has.
class Node {
 public:
  Node(HeadlessForm& form, Node* parent, std::string name, Bounds bounds);
  virtual ~Node() = default;
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  virtual Control& AsControl() = 0;
  // Kinds of control that take the keyboard focus and are tab stops.
  virtual bool TabStop() const { return false; }
  // A push button: Enter and Space click it while it has the focus.
  virtual bool IsPushButton() const { return false; }
  // Space clicks it while it has the focus (push buttons, check boxes, radio buttons).
  virtual bool ClickedBySpace() const { return IsPushButton(); }
  // Enter makes a new line in it instead of pressing the default button.
  virtual bool WantsReturn() const { return false; }
  // A click of the user on an enabled control: its own action, then onClick.
  virtual void UserClick();
  // A key the control acts on once every handler has let it through; true when it did.
  virtual bool DefaultKey(int vk, ShiftState shift);
  // A character typed into the control (8 Backspace, 13 Enter, others as typed).
  virtual bool TypeChar(int ch);

  HeadlessForm& OwnerForm() const { return *form_; }
  Node* ParentNode() const { return parent_; }
  const std::string& NodeName() const { return name_; }
  const Bounds& GetBounds() const { return bounds_; }

  // Visible itself and every container around it up to the form.
  bool ShownChain() const;
  // Enabled itself and every container around it up to the form.
  bool EnabledChain() const;
  // A tab stop that is shown, enabled and, when on a tab page, on the active page.
  bool CanFocus() const;
  bool HasFocus() const;
  // Moves the form's focus here when the control can take it (fires the old one's onExit).
  bool TakeFocus();

  // Runs an event handler through the toolkit's dispatch; an empty handler is ignored.
  void Fire(const std::function<void()>& handler) const;
  void FireMouseDown(MouseButton button, int x, int y);

 protected:
  std::string name_;
  Bounds bounds_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string hint_;
  PopupMenu* popup_ = nullptr;

 private:
  HeadlessForm* form_;
  Node* parent_;
};

// Implements the Control part of `Interface` on the node's state.
template <class Interface>
class ControlBase : public Interface, public Node {
 public:
  using Node::Node;

  Control& AsControl() override { return *this; }
  std::string Name() const override { return name_; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Focused() const override { return HasFocus(); }
  void SetFocus() override { TakeFocus(); }
  void SetHint(const std::string& hint) override { hint_ = hint; }
  std::string Hint() const override { return hint_; }
  void SetPopupMenu(PopupMenu* menu) override { popup_ = menu; }
  PopupMenu* GetPopupMenu() const override { return popup_; }
};

// The headless side of a control built by a headless form; throws DriverError otherwise.
Node& NodeOf(Control& control);
const Node& NodeOf(const Control& control);

}  // namespace tarnix::ui::headless
