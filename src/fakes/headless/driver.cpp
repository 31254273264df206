#include "fakes/headless/driver.h"

#include "fakes/headless/headless_controls.h"
#include "fakes/headless/headless_form.h"
#include "fakes/headless/utf8_chars.h"

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

// The menu item that the key's shortcut chooses: the focused control's pop-up menu first.
HeadlessMenuItem* ShortcutItem(HeadlessForm& form, const Shortcut& shortcut) {
  if (Node* focused = form.ActiveNode()) {
    auto* popup = dynamic_cast<HeadlessPopupMenu*>(focused->AsControl().GetPopupMenu());
    if (popup != nullptr) {
      if (HeadlessMenuItem* item = popup->Items().FindShortcut(shortcut))
        return item;
    }
  }
  HeadlessMenuItem* item = nullptr;
  if (form.MainMenuOf() != nullptr)
    item = form.MainMenuOf()->Items().FindShortcut(shortcut);
  return item;
}

void FormKeyDown(HeadlessForm& form, int& key, ShiftState shift) {
  if (!form.Spec().keyPreview || !form.onFormKeyDown)
    return;
  auto handler = form.onFormKeyDown;
  form.Fire([&] { handler(key, shift); });
}

void FormKeyPress(HeadlessForm& form, int& ch) {
  if (!form.Spec().keyPreview || !form.onFormKeyPress)
    return;
  auto handler = form.onFormKeyPress;
  form.Fire([&] { handler(ch); });
}

void ClickIfAny(HeadlessButton* button) {
  if (button != nullptr)
    button->UserClick();
}

// What the form and the focused control do with a key that no handler consumed.
void DefaultAction(HeadlessForm& form, Node* focused, int vk, ShiftState shift, int ch) {
  bool plain = !shift.ctrl && !shift.alt;
  if (vk == vk::Tab && plain) {
    form.SelectNext(!shift.shift);
  } else if (vk == vk::Return && focused != nullptr && focused->IsPushButton()) {
    focused->UserClick();
  } else if (vk == vk::Return && focused != nullptr && focused->WantsReturn()) {
    focused->TypeChar(ch);
  } else if (vk == vk::Return) {
    ClickIfAny(form.DefaultButton());
  } else if (vk == vk::Escape) {
    ClickIfAny(form.CancelButton());
  } else if (vk == vk::Space && focused != nullptr && focused->ClickedBySpace()) {
    focused->UserClick();
  } else if (focused != nullptr && !focused->DefaultKey(vk, shift) && ch != 0) {
    focused->TypeChar(ch);
  }
}

bool IsHelpKey(int vk, ShiftState shift) {
  return vk == vk::F1 && !shift.shift && !shift.ctrl && !shift.alt;
}

// One keystroke: vk 0 for a character that no key of its own makes, ch 0 for a key that
// makes no character.
void Keystroke(HeadlessForm& form, int vk, ShiftState shift, int ch) {
  if (HeadlessMenuItem* item = ShortcutItem(form, {vk, shift})) {
    item->UserClick();
    return;
  }
  Node* focused = form.ActiveNode();
  int closes = form.CloseCount();
  auto goesOn = [&](int value) { return value != 0 && form.CloseCount() == closes; };
  if (vk != 0) {
    FormKeyDown(form, vk, shift);
    if (!goesOn(vk))
      return;
    if (focused != nullptr)
      focused->FireKeyDown(vk, shift);
    if (!goesOn(vk))
      return;
    if (IsHelpKey(vk, shift) && form.Toolkit().onHelp) {
      form.Toolkit().Dispatch([&form] { form.Toolkit().onHelp(form, form.Spec().helpContext); });
      return;
    }
  }
  if (ch != 0) {
    FormKeyPress(form, ch);
    if (!goesOn(ch))
      return;
    if (focused != nullptr)
      focused->FireKeyPress(ch);
    if (!goesOn(ch))
      return;
  }
  DefaultAction(form, focused, vk, shift, ch);
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
