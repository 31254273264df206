#include "fakes/headless/driver.h"

#include "fakes/headless/headless_controls.h"
#include "fakes/headless/headless_form.h"
#include "fakes/headless/utf8_chars.h"
#include "ui/key_routing.h"

namespace tarnix::ui::headless {

namespace {

HeadlessForm& AsHeadless(Form& form) {
  auto* headless = dynamic_cast<HeadlessForm*>(&form);
  if (headless == nullptr)
    throw DriverError("'" + form.Name() + "' is not a headless form");
  return *headless;
}

// The form as the user can reach it: not behind a modal form.
HeadlessForm& FormOf(Form& form) {
  HeadlessForm& headless = AsHeadless(form);
  headless.Toolkit().CheckReachable(headless);
  return headless;
}

// The control as the user can reach it: null when disabled; DriverError when hidden.
Node* Reachable(Control& control, const char* action) {
  Node& node = NodeOf(control);
  node.OwnerForm().Toolkit().CheckReachable(node.OwnerForm());
  if (!node.ShownChain()) {
    throw DriverError(std::string(action) + ": '" + node.NodeName() + "' is not visible");
  }
  return node.EnabledChain() ? &node : nullptr;
}

// The character a key makes, as the keyboard sends it with the shift state; 0 for none.
int CharOf(int vk, ShiftState shift) {
  if (shift.alt)
    return 0;
  if (vk == vk::Return || vk == vk::Escape || vk == vk::Back || vk == vk::Space)
    return vk;
  if (vk >= 'A' && vk <= 'Z')
    return shift.ctrl ? vk - 'A' + 1 : shift.shift ? vk : vk + 32;
  if (vk >= '0' && vk <= '9' && !shift.ctrl)
    return shift.shift ? ")!@#$%^&*("[vk - '0'] : vk;
  return 0;
}

void ClickIfAny(Node* button) {
  if (button != nullptr)
    button->UserClick();
}

// A key's way through a headless form, with the control that had the focus when it came.
class HeadlessKeySteps final : public KeySteps {
 public:
  explicit HeadlessKeySteps(HeadlessForm& form) : form_(form), focused_(form.ActiveNode()) {}
  Toolkit& Kit() override { return form_.Toolkit(); }
  Form& KeyForm() override { return form_; }
  const FormSpec& Spec() const override { return form_.Spec(); }
  int CloseCount() const override { return form_.CloseCount(); }
  Control* Focused() override { return focused_ ? &focused_->AsControl() : nullptr; }
  PopupMenu* FocusedPopup() override {
    return focused_ ? focused_->AsControl().GetPopupMenu() : nullptr;
  }
  MainMenu* Menu() override { return form_.MainMenuOf(); }
  void MoveFocus(bool backwards) override { form_.SelectNext(!backwards); }
  bool FocusTakesReturn() override { return focused_ && focused_->WantsReturn(); }
  void PressDefault() override {
    ClickIfAny(focused_ && focused_->IsPushButton() ? focused_ : form_.DefaultButton());
  }
  void PressCancel() override { ClickIfAny(form_.CancelButton()); }
  Node* FocusedNode() const { return focused_; }

 private:
  HeadlessForm& form_;
  Node* focused_;
};

// One keystroke: vk 0 for a character that no key of its own makes, ch 0 for a key that
// makes no character. What the routing lets through is the focused control's own.
void Keystroke(HeadlessForm& form, int vk, ShiftState shift, int ch) {
  HeadlessKeySteps steps(form);
  Node* focused = steps.FocusedNode();
  if ((vk != 0 && RouteKeyDown(steps, vk, shift)) || (ch != 0 && RouteChar(steps, ch)) ||
      focused == nullptr) {
    return;
  }
  if (vk == vk::Space && focused->ClickedBySpace()) {
    focused->UserClick();
  } else if (!focused->DefaultKey(vk, shift) && ch != 0) {
    focused->TypeChar(ch);
  }
}

// The key and shift state that type this ASCII character; vk 0 when no plain key does.
std::pair<int, ShiftState> KeyOf(int ch) {
  if (ch >= 'a' && ch <= 'z')
    return {ch - 32, {}};
  if (ch >= 'A' && ch <= 'Z')
    return {ch, {true, false, false}};
  if ((ch >= '0' && ch <= '9') || ch == ' ')
    return {ch, {}};
  return {0, {}};
}

}  // namespace

bool Click(Control& control) {
  Node* node = Reachable(control, "Click");
  if (node == nullptr)
    return false;
  if (node->TabStop())
    node->TakeFocus();
  node->UserClick();
  return true;
}

bool Click(MenuItem& item) {
  auto* headless = dynamic_cast<HeadlessMenuItem*>(&item);
  if (headless == nullptr)
    throw DriverError("'" + item.Name() + "' is not a headless menu item");
  headless->OwnerForm().Toolkit().CheckReachable(headless->OwnerForm());
  return headless->UserClick();
}

bool Focus(Control& control) {
  Node* node = Reachable(control, "Focus");
  return node != nullptr && node->TakeFocus();
}

bool Select(ListBox& list, int index) {
  Node* node = Reachable(list, "Select");
  if (node == nullptr)
    return false;
  if (index < -1 || index >= list.Count()) {
    throw DriverError("Select: '" + list.Name() + "' has no line " + std::to_string(index));
  }
  node->TakeFocus();
  static_cast<HeadlessListBox*>(node)->UserSelect(index);
  return true;
}

bool SelectPage(PageControl& pages, int index) {
  Node* node = Reachable(pages, "SelectPage");
  if (node == nullptr)
    return false;
  if (pages.Page(index) == nullptr) {
    throw DriverError("SelectPage: '" + pages.Name() + "' has no page " + std::to_string(index));
  }
  static_cast<HeadlessPageControl*>(node)->UserSelectPage(index);
  return true;
}

bool DoubleClick(Control& control) {
  Node* node = Reachable(control, "DoubleClick");
  if (node == nullptr)
    return false;
  node->TakeFocus();
  node->Fire(control.onDblClick);
  return true;
}

bool MouseDown(Control& control, MouseButton button, int x, int y) {
  Node* node = Reachable(control, "MouseDown");
  if (node == nullptr)
    return false;
  if (button == MouseButton::Left)
    node->TakeFocus();
  node->FireMouseDown(button, x, y);
  return true;
}

void PressKey(Form& form, int vk, ShiftState shift) {
  Keystroke(FormOf(form), vk, shift, CharOf(vk, shift));
}

void TypeText(Form& form, const std::string& text) {
  HeadlessForm& target = FormOf(form);
  std::vector<std::string> chars = SplitChars(text);
  for (size_t i = 0; i < chars.size(); ++i) {
    const std::string& ch = chars[i];
    if (ch == "\r" && i + 1 < chars.size() && chars[i + 1] == "\n")
      continue;
    if (ch == "\r" || ch == "\n") {
      Keystroke(target, vk::Return, {}, vk::Return);
    } else if (ch == "\t") {
      Keystroke(target, vk::Tab, {}, 0);
    } else if (ch.size() == 1) {
      auto [vk, shift] = KeyOf(static_cast<unsigned char>(ch[0]));
      Keystroke(target, vk, shift, static_cast<unsigned char>(ch[0]));
    } else {
      Keystroke(target, 0, {}, DecodeChar(ch));
    }
  }
}

void CloseBox(Form& form) {
  HeadlessForm& target = FormOf(form);
  target.Toolkit().Dispatch([&target] { target.Close(); });
}

MenuItem& FindMenuItem(Form& form, const std::string& name) {
  HeadlessForm& target = AsHeadless(form);
  HeadlessMenuItem* item = nullptr;
  if (target.MainMenuOf() != nullptr)
    item = target.MainMenuOf()->Items().FindName(name);
  for (const auto& popup : target.PopupMenus()) {
    if (item == nullptr)
      item = popup->Items().FindName(name);
  }
  if (item == nullptr) {
    throw DriverError("no menu item '" + name + "' on form '" + target.Name() + "'");
  }
  return *item;
}

}  // namespace tarnix::ui::headless
