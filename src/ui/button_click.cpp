#include "ui/button_click.h"

namespace tarnix::ui {

// The handler is a copy, so that it may replace itself while it runs.
void ClickButton(Toolkit& kit, Form& form, const ButtonSpec& spec, std::function<void()> onClick) {
  kit.Dispatch([&] {
    if (onClick)
      onClick();
    if (spec.kind == ButtonKind::Close) {
      form.Close();
    } else if (int result = ModalResultOf(spec)) {
      form.SetModalResult(result);
    }
  });
}

}  // namespace tarnix::ui
