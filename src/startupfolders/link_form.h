// The shortcut properties dialog: target, arguments and working folder of one shortcut. It does
// no file work itself: it shows what its caller read and hands back what the user kept.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/shortcuts.h"
#include "ui/toolkit.h"

namespace tarnix {

class TfrmLink {
 public:
  explicit TfrmLink(ui::Toolkit& toolkit);

  // Shows the shortcut's path and fields modally; the fields as they stand when the dialog was
  // closed in a way that saves, nothing when it was cancelled.
  std::optional<ShortcutFields> Execute(const std::string& path, const ShortcutFields& read);

  void btnBrowClick();
  void bbtSaveClick();
  void bbtCancClick();

  std::unique_ptr<ui::Form> form;
  ui::Label* lblName = nullptr;  // the path of the shortcut; the caller writes to this path
  ui::Bevel* Bevel1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Button* btnBrow = nullptr;
  ui::EditBox* edtProg = nullptr;
  ui::Label* Label2 = nullptr;
  ui::EditBox* edtArg = nullptr;
  ui::Label* Label3 = nullptr;
  ui::EditBox* edtDir = nullptr;
  ui::Button* bbtSave = nullptr;
  ui::Button* bbtCanc = nullptr;
  ui::FileDialogSpec Opend;  // no filter, no default extension
  // Set by the caller before showing; OK sets it, Cancel and Esc clear it, and any other way
  // of closing leaves it as the caller set it.
  bool save = true;

 private:
  ui::Toolkit& toolkit_;
};

}  // namespace tarnix
