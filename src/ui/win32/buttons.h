// Push buttons (plain, or owner-drawn with a picture), check boxes and radio buttons.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/win32/control_base.h"
#include "ui/win32/pictures.h"

namespace tarnix::ui::win32 {

class ButtonImpl final : public WindowControl<Button> {
 public:
  ButtonImpl(Win32Form& form, const ButtonSpec& spec, HWND parent);
  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  void SetShield(bool shown) override;
  bool Shield() const override { return shield_; }

  void OnCommand(int code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool TakesFocus() const override { return true; }
  bool IsPushButton() const override { return true; }
  void Click() override;
  bool IsDefault() const { return IsDefaultButton(spec_); }
  bool IsCancel() const { return IsCancelButton(spec_); }
  // The picture drawn beside the caption, at its screen size; 0 x 0 for a plain button.
  SIZE ImageSize() const { return imageSize_; }

 private:
  ButtonSpec spec_;
  ImageListHandle image_;
  SIZE imageSize_{0, 0};
  bool shield_ = false;
};

// Check boxes and radio buttons share everything but their style and exclusion.
template <class I>
class CheckControl final : public WindowControl<I> {
 public:
  CheckControl(Win32Form& form, const CheckSpec& spec, HWND parent, bool radio);
  std::string Caption() const override;
  bool Checked() const override;
  void SetChecked(bool checked) override;
  void OnCommand(int code) override;
  bool TakesFocus() const override { return true; }

 private:
  bool radio_;
};

using CheckBoxImpl = CheckControl<CheckBox>;
using RadioButtonImpl = CheckControl<RadioButton>;

}  // namespace tarnix::ui::win32
