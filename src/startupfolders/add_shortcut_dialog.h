// The add dialog as the startup groups use it: a Name and a Program for a new shortcut. The
// program binds it to the shared add dialog; tests play it without any window.
#pragma once

#include <optional>
#include <string>

namespace tarnix {

struct NewShortcut {
  std::string name;
  std::string program;
};

class AddShortcutDialog {
 public:
  virtual ~AddShortcutDialog() = default;
  // Shows the dialog in its startup-group mode; what was typed when its Add button closed it,
  // nothing when it was cancelled (the boxes then keep what was typed).
  virtual std::optional<NewShortcut> Ask() = 0;
  // Empties the Name and Program boxes, so that the next add starts blank.
  virtual void Clear() = 0;
};

}  // namespace tarnix
