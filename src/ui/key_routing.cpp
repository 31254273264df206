#include "ui/key_routing.h"

namespace tarnix::ui {

namespace {

// The enabled item, at any depth under enabled items, with this shortcut; null for none.
// Menus, pop-up menus and items all list their items the same way.
template <class Menu>
MenuItem* FindShortcut(const Menu& menu, const Shortcut& shortcut) {
  for (int i = 0; i < menu.Count(); ++i) {
    MenuItem* item = menu.Item(i);
    if (!item->Enabled())
      continue;
    if (item->GetShortcut() == shortcut)
      return item;
    if (MenuItem* inner = FindShortcut(*item, shortcut))
      return inner;
  }
  return nullptr;
}

// Runs an event handler through the toolkit's dispatch; false when there is none. A copy
// runs, so that a handler may replace itself while it runs.
template <class Handler, class... Args>
bool Fire(Toolkit& kit, const Handler& handler, Args&... args) {
  if (!handler)
    return false;
  Handler call = handler;
  kit.Dispatch([&] { call(args...); });
  return true;
}

bool RunShortcut(KeySteps& steps, const Shortcut& shortcut) {
  if (shortcut.vk == 0)
    return false;
  MenuItem* item = nullptr;
  if (PopupMenu* popup = steps.FocusedPopup())
    item = FindShortcut(*popup, shortcut);
  if (item == nullptr && steps.Menu() != nullptr)
    item = FindShortcut(*steps.Menu(), shortcut);
  if (item == nullptr)
    return false;
  Fire(steps.Kit(), item->onClick);
  return true;
}

// The form's key preview, then the focused control's handler. True when one of them used the
// key up: set it to 0 or closed the form.
template <class FormEvent, class ControlEvent, class... Extra>
bool UsedByHandlers(KeySteps& steps, FormEvent formEvent, ControlEvent controlEvent, int& key,
                    Extra&... extra) {
  const int closes = steps.CloseCount();
  auto used = [&] { return key == 0 || steps.CloseCount() != closes; };
  Control* control = steps.Focused();
  if (steps.Spec().keyPreview && Fire(steps.Kit(), steps.KeyForm().*formEvent, key, extra...) &&
      used()) {
    return true;
  }
  return control != nullptr && Fire(steps.Kit(), control->*controlEvent, key, extra...) && used();
}

}  // namespace

bool RouteKeyDown(KeySteps& steps, int& key, ShiftState shift) {
  if (RunShortcut(steps, {key, shift}) ||
      UsedByHandlers(steps, &Form::onFormKeyDown, &Control::onKeyDown, key, shift)) {
    return true;
  }
  Toolkit& kit = steps.Kit();
  int helpContext = steps.Spec().helpContext;
  const bool plain = !shift.ctrl && !shift.alt;
  if (key == vk::F1 && plain && !shift.shift &&
      Fire(kit, kit.onHelp, steps.KeyForm(), helpContext)) {
    return true;
  }
  if (key == vk::Tab && plain) {
    steps.MoveFocus(shift.shift);
    return true;
  }
  return false;
}

bool RouteChar(KeySteps& steps, int& ch) {
  if (UsedByHandlers(steps, &Form::onFormKeyPress, &Control::onKeyPress, ch))
    return true;
  switch (ch) {
    case vk::Return:
      if (steps.FocusTakesReturn())
        return false;
      steps.PressDefault();
      return true;
    case vk::Escape:
      steps.PressCancel();
      return true;
    case vk::Tab:
      return true;
    default:
      return false;
  }
}

}  // namespace tarnix::ui
