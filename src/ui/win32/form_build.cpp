// The controls a form builds, each created in the window of its parent container.
#include <algorithm>

#include "ui/win32/bars.h"
#include "ui/win32/buttons.h"
#include "ui/win32/containers.h"
#include "ui/win32/list_box.h"
#include "ui/win32/pictures.h"
#include "ui/win32/text_controls.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

template <class T, class... Args>
T* Win32Form::Keep(Args&&... args) {
  auto control = std::make_unique<T>(std::forward<Args>(args)...);
  T* kept = control.get();
  controls_.push_back(std::move(control));
  return kept;
}

Label* Win32Form::AddLabel(const LabelSpec& spec, Container* parent) {
  return Keep<LabelImpl>(*this, spec, ParentWindow(parent));
}

Button* Win32Form::AddButton(const ButtonSpec& spec, Container* parent) {
  return Keep<ButtonImpl>(*this, spec, ParentWindow(parent));
}

CheckBox* Win32Form::AddCheckBox(const CheckSpec& spec, Container* parent) {
  return Keep<CheckBoxImpl>(*this, spec, ParentWindow(parent), false);
}

RadioButton* Win32Form::AddRadioButton(const CheckSpec& spec, Container* parent) {
  HWND parentWindow = ParentWindow(parent);
  bool firstOfParent = std::none_of(radios_.begin(), radios_.end(),
                                    [&](HWND radio) { return GetParent(radio) == parentWindow; });
  auto* radio = Keep<RadioButtonImpl>(*this, spec, parentWindow, true);
  if (firstOfParent) {
    SetWindowLongW(radio->Hwnd(), GWL_STYLE, GetWindowLongW(radio->Hwnd(), GWL_STYLE) | WS_GROUP);
  }
  radios_.push_back(radio->Hwnd());
  if (spec.checked)
    UncheckOtherRadios(radio->Hwnd());
  return radio;
}

EditBox* Win32Form::AddEdit(const EditSpec& spec, Container* parent) {
  return Keep<EditImpl>(*this, spec, ParentWindow(parent));
}

TextPage* Win32Form::AddTextPage(const TextPageSpec& spec, Container* parent) {
  return Keep<TextPageImpl>(*this, spec, ParentWindow(parent));
}

ListBox* Win32Form::AddListBox(const ListBoxSpec& spec, Container* parent) {
  return Keep<ListBoxImpl>(*this, spec, ParentWindow(parent));
}

Panel* Win32Form::AddPanel(const PanelSpec& spec, Container* parent) {
  return Keep<PanelImpl>(*this, spec, ParentWindow(parent));
}

GroupBox* Win32Form::AddGroupBox(const GroupSpec& spec, Container* parent) {
  return Keep<GroupBoxImpl>(*this, spec, ParentWindow(parent));
}

Bevel* Win32Form::AddBevel(const BevelSpec& spec, Container* parent) {
  return Keep<BevelImpl>(*this, spec, ParentWindow(parent));
}

Picture* Win32Form::AddPicture(const ImageSpec& spec, Container* parent) {
  return Keep<PictureImpl>(*this, spec, ParentWindow(parent));
}

PageControl* Win32Form::AddPageControl(const PageControlSpec& spec, Container* parent) {
  return Keep<PageControlImpl>(*this, spec, ParentWindow(parent));
}

StatusBar* Win32Form::AddStatusBar(const StatusBarSpec& spec) {
  statusBar_ = Keep<StatusBarImpl>(*this, spec, hwnd_);
  return statusBar_;
}

ProgressBar* Win32Form::AddProgressBar(const ProgressSpec& spec, Container* parent) {
  return Keep<ProgressBarImpl>(*this, spec, ParentWindow(parent));
}

ToolBar* Win32Form::AddToolBar(const ToolBarSpec& spec, Container* parent) {
  return Keep<ToolBarImpl>(*this, spec, ParentWindow(parent));
}

ImageList* Win32Form::AddImageList(const ImageListSpec& spec) {
  imageLists_.push_back(std::make_unique<ImageListImpl>(*this, spec));
  return imageLists_.back().get();
}

}  // namespace tarnix::ui::win32
