// The shortcut properties dialog: target, arguments and working folder of one shortcut. It does
// no file work itself: its caller fills it, shows it, then reads the fields and the save flag.
#pragma once

#include <memory>

#include "ui/toolkit.h"

namespace tarnix {

class TfrmLink {
 public:
  explicit TfrmLink(ui::Toolkit& toolkit);

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
