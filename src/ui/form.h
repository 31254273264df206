// A top-level window of the program, with the controls it builds. A form class of the program
// (Tmform, TForm1, ...) holds one Form and its controls under their designer names.
#pragma once

#include <functional>
#include <string>

#include "ui/widgets.h"

namespace tarnix::ui {

enum class BorderStyle {
  FixedSingle,      // caption, system menu, minimise box, no maximise box, not resizable
  Dialog,           // dialog frame with caption and close box
  DialogNoSysMenu,  // dialog frame, caption, no system menu (no close box)
  None,             // borderless (splash)
};

struct FormSpec {
  std::string name;       // instance name ("mform", "Form1")
  std::string className;  // window class name ("Tmform", "TForm1")
  std::string caption;
  int clientWidth = 0, clientHeight = 0;  // design pixels at 120 dpi
  BorderStyle border = BorderStyle::Dialog;
  bool keyPreview = false;  // the form sees keys before the focused control
  int helpContext = 0;
  bool isMainForm = false;  // closing it ends the event loop's interest in the program
};

// Modal results, numbered as Windows dialog results.
namespace mr {
constexpr int None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}

// The modal result a button of this kind closes its form with when its ButtonSpec names none.
inline int StandardModalResult(ButtonKind kind) {
  switch (kind) {
    case ButtonKind::Ok:
      return mr::Ok;
    case ButtonKind::Cancel:
      return mr::Cancel;
    case ButtonKind::Retry:
      return mr::Retry;
    case ButtonKind::Plain:
    case ButtonKind::Close:
      break;
  }
  return mr::None;
}

// The modal result a click of the button sets: its own, else its kind's.
inline int ModalResultOf(const ButtonSpec& spec) {
  return spec.modalResult != mr::None ? spec.modalResult : StandardModalResult(spec.kind);
}
class Form : public Container {
 public:
  virtual std::string ClassName() const = 0;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Shows the form modally in a nested event loop; returns the modal result it closed with.
  virtual int ShowModal() = 0;
  virtual bool IsModal() const = 0;
  // Closes the form: runs onClose, then hides it (ends ShowModal with the current modal
  // result, or Cancel when none was set).
  virtual void Close() = 0;
  virtual int ModalResult() const = 0;
  virtual void SetModalResult(int result) = 0;  // non-zero closes a modal form
  // Paints the form at once (a splash shown before the event loop runs).
  virtual void Repaint() = 0;

  // The control that has the keyboard focus within this form, or null.
  virtual Control* ActiveControl() const = 0;
  // Any control of this form by name, or null.
  virtual Control* FindControl(const std::string& name) const = 0;

  // Building the form. Controls are owned by the form; parent null means the client area.
  virtual Label* AddLabel(const LabelSpec& spec, Container* parent = nullptr) = 0;
  virtual Button* AddButton(const ButtonSpec& spec, Container* parent = nullptr) = 0;
  virtual CheckBox* AddCheckBox(const CheckSpec& spec, Container* parent = nullptr) = 0;
  virtual RadioButton* AddRadioButton(const CheckSpec& spec, Container* parent = nullptr) = 0;
  virtual EditBox* AddEdit(const EditSpec& spec, Container* parent = nullptr) = 0;
  virtual TextPage* AddTextPage(const TextPageSpec& spec, Container* parent = nullptr) = 0;
  virtual ListBox* AddListBox(const ListBoxSpec& spec, Container* parent = nullptr) = 0;
  virtual Panel* AddPanel(const PanelSpec& spec, Container* parent = nullptr) = 0;
  virtual GroupBox* AddGroupBox(const GroupSpec& spec, Container* parent = nullptr) = 0;
  virtual Bevel* AddBevel(const BevelSpec& spec, Container* parent = nullptr) = 0;
  virtual Picture* AddPicture(const ImageSpec& spec, Container* parent = nullptr) = 0;
  virtual PageControl* AddPageControl(const PageControlSpec& spec, Container* parent = nullptr) = 0;
  virtual StatusBar* AddStatusBar(const StatusBarSpec& spec) = 0;
  virtual ProgressBar* AddProgressBar(const ProgressSpec& spec, Container* parent = nullptr) = 0;
  virtual ToolBar* AddToolBar(const ToolBarSpec& spec, Container* parent = nullptr) = 0;
  virtual ImageList* AddImageList(const ImageListSpec& spec) = 0;
  virtual MainMenu* SetMainMenu(const std::string& name) = 0;
  virtual PopupMenu* AddPopupMenu(const std::string& name) = 0;
  // Tab order of the form's controls, first to last; controls not named follow in creation
  // order.
  virtual void SetTabOrder(const std::vector<Control*>& order) = 0;

  std::function<void()> onShow;
  std::function<void()> onClose;  // every closing of the form
  // With keyPreview, seen before the focused control's own handlers.
  std::function<void(int& key, ShiftState shift)> onFormKeyDown;
  std::function<void(int& ch)> onFormKeyPress;
};

}  // namespace tarnix::ui
