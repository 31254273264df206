// A form: a top-level window of its own registered class, owned by the application window,
// holding the controls, menus and image lists it builds.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/unicode_win32.h"
#include "ui/form.h"
#include "ui/win32/control_base.h"
#include "ui/win32/scaling.h"

namespace tarnix::ui::win32 {

class MainMenuImpl;
class PopupMenuImpl;
class ButtonImpl;
class StatusBarImpl;

class Win32Form final : public WindowControl<Form> {
 public:
  Win32Form(Win32Toolkit& kit, const FormSpec& spec);
  ~Win32Form() override;

  // Control
  bool Visible() const override { return IsWindowVisible(hwnd_) != FALSE; }
  void SetVisible(bool visible) override { visible ? Show() : Hide(); }
  bool Focused() const override { return GetActiveWindow() == hwnd_; }
  void SetFocus() override;

  // Form
  std::string ClassName() const override { return spec_.className; }
  std::string Caption() const override { return Narrow(WindowText(hwnd_)); }
  void SetCaption(const std::string& caption) override;
  void Show() override;
  void Hide() override;
  int ShowModal() override;
  bool IsModal() const override { return modal_; }
  void Close() override;
  int ModalResult() const override { return modalResult_; }
  void SetModalResult(int result) override;
  void Repaint() override;
  Control* ActiveControl() const override;
  Control* FindControl(const std::string& name) const override;

  Label* AddLabel(const LabelSpec& spec, Container* parent) override;
  Button* AddButton(const ButtonSpec& spec, Container* parent) override;
  CheckBox* AddCheckBox(const CheckSpec& spec, Container* parent) override;
  RadioButton* AddRadioButton(const CheckSpec& spec, Container* parent) override;
  EditBox* AddEdit(const EditSpec& spec, Container* parent) override;
  TextPage* AddTextPage(const TextPageSpec& spec, Container* parent) override;
  ListBox* AddListBox(const ListBoxSpec& spec, Container* parent) override;
  Panel* AddPanel(const PanelSpec& spec, Container* parent) override;
  GroupBox* AddGroupBox(const GroupSpec& spec, Container* parent) override;
  Bevel* AddBevel(const BevelSpec& spec, Container* parent) override;
  Picture* AddPicture(const ImageSpec& spec, Container* parent) override;
  PageControl* AddPageControl(const PageControlSpec& spec, Container* parent) override;
  StatusBar* AddStatusBar(const StatusBarSpec& spec) override;
  ProgressBar* AddProgressBar(const ProgressSpec& spec, Container* parent) override;
  ToolBar* AddToolBar(const ToolBarSpec& spec, Container* parent) override;
  ImageList* AddImageList(const ImageListSpec& spec) override;
  MainMenu* SetMainMenu(const std::string& name) override;
  PopupMenu* AddPopupMenu(const std::string& name) override;
  void SetTabOrder(const std::vector<Control*>& order) override;

  // For the controls of this form.
  Win32Toolkit& Toolkit() const { return kit_; }
  const Scaler& Scale() const;
  // The form's font, bold, and another face at the form's size.
  HFONT Font() const;
  HFONT BoldFont() const;
  HFONT FaceFont(const std::string& face) const;
  // A new ID for a control, menu item or toolbar button, findable by name from outside.
  int Register(CommandTarget* target, const std::string& name);
  HWND ParentWindow(Container* parent) const;
  const FormSpec& Spec() const { return spec_; }
  MainMenu* Menu() const;
  // Moves the focus to the next (or previous) control in tab order; from null: the first.
  void MoveFocus(WindowBase* from, bool backwards);
  // Enter: clicks the focused push button, else the default button, if any.
  void PressDefault(WindowBase* focused);
  // Esc: clicks the cancel button, if any.
  void PressCancel();
  // The control that gets the focus when the form is next activated.
  void RememberFocus(HWND control) { lastFocus_ = control; }
  void SetToolTip(HWND control, const std::string& text);
  void UncheckOtherRadios(HWND checked);
  // Run a menu item or tool button by its ID, as WM_COMMAND does.
  CommandTarget* Target(int id) const;
  bool Destroying() const { return destroying_; }
  // How often the form has been closed (Close, or a modal result ending ShowModal); a key
  // that closed its form goes no further.
  int CloseCount() const { return closes_; }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  template <class T, class... Args>
  T* Keep(Args&&... args);
  static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void RegisterClassOnce() const;
  void FitWindowToClient();
  void CenterOnScreen();
  void RemoveNameProperties();
  std::vector<WindowBase*> TabSequence() const;
  void RestoreFocus();
  bool RouteNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Clicks the first button with the role that is shown and enabled, if any.
  void PressButton(bool (ButtonImpl::*role)() const);

  Win32Toolkit& kit_;
  FormSpec spec_;
  int nextId_ = 1000;
  std::map<int, CommandTarget*> targets_;
  std::map<std::string, Control*> byName_;
  std::vector<std::wstring> propertyNames_;
  std::vector<std::unique_ptr<WindowBase>> controls_;
  std::vector<std::unique_ptr<ImageList>> imageLists_;
  std::vector<std::unique_ptr<PopupMenuImpl>> popups_;
  std::unique_ptr<MainMenuImpl> mainMenu_;
  std::vector<HWND> radios_;
  std::vector<WindowBase*> tabOrder_;
  StatusBarImpl* statusBar_ = nullptr;
  HWND lastFocus_ = nullptr;
  mutable HFONT font_ = nullptr;  // the form font, once asked for
  HWND toolTip_ = nullptr;
  bool laidOut_ = false;
  bool modal_ = false;
  bool closeRequested_ = false;
  bool closing_ = false;
  bool destroying_ = false;
  int modalResult_ = mr::None;
  int closes_ = 0;
};

}  // namespace tarnix::ui::win32
