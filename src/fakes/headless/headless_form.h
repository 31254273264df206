// A headless form: owns its controls, keeps the focus, shows and closes, runs modally by the
// script the test queued for it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fakes/headless/headless_menus.h"
#include "fakes/headless/headless_node.h"
#include "ui/form.h"

namespace tarnix::ui::headless {

class HeadlessToolkit;
class HeadlessButton;

class HeadlessForm : public ControlBase<Form> {
 public:
  HeadlessForm(HeadlessToolkit& toolkit, const FormSpec& spec);
  ~HeadlessForm() override;

  // Control
  void SetVisible(bool visible) override;
  bool Focused() const override { return visible_; }
  void SetFocus() override {}

  // Form
  std::string ClassName() const override { return spec_.className; }
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void Show() override;
  void Hide() override { visible_ = false; }
  int ShowModal() override;
  bool IsModal() const override { return modal_; }
  void Close() override;
  int ModalResult() const override { return modalResult_; }
  void SetModalResult(int result) override;
  void Repaint() override { ++repaints_; }
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

  // The headless side.
  const FormSpec& Spec() const { return spec_; }
  HeadlessToolkit& Toolkit() const;
  void DetachToolkit() { toolkit_ = nullptr; }
  Node* ActiveNode() const { return active_; }
  // Gives the focus to a control of this form that can take it; the old one's onExit fires.
  bool MoveFocus(Node& target);
  // Tab and Shift+Tab: the next control in tab order that can take the focus.
  void SelectNext(bool forward);
  // The tab stops in tab order (whether or not they can take the focus now).
  std::vector<Node*> TabOrder() const;
  // The button that Enter or Esc presses: enabled and shown; null when none.
  HeadlessButton* DefaultButton() const;
  HeadlessButton* CancelButton() const;
  HeadlessMainMenu* MainMenuOf() const { return mainMenu_.get(); }
  const std::vector<std::unique_ptr<HeadlessPopupMenu>>& PopupMenus() const { return popups_; }
  const std::vector<std::unique_ptr<Node>>& Nodes() const { return nodes_; }
  int RepaintCount() const { return repaints_; }
  // How often the form has been closed; the driver stops a key's work once it closed the form.
  int CloseCount() const { return closes_; }

  // Builds a node owned by this form.
  template <class T, class... Args>
  T* Make(Args&&... args) {
    auto node = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T* raw = node.get();
    nodes_.push_back(std::move(node));
    return raw;
  }

 private:
  Node* ParentFor(Container* parent);
  HeadlessButton* PressableButton(bool (HeadlessButton::*role)() const) const;
  void EndModal();
  void FocusFirst();
  HeadlessToolkit* toolkit_;
  FormSpec spec_;
  std::string caption_;
  std::vector<std::unique_ptr<Node>> nodes_;
  std::vector<Control*> tabOrder_;
  std::unique_ptr<HeadlessMainMenu> mainMenu_;
  std::vector<std::unique_ptr<HeadlessPopupMenu>> popups_;
  std::vector<std::unique_ptr<ImageList>> imageLists_;
  Node* active_ = nullptr;
  bool modal_ = false;
  int modalResult_ = mr::None;
  int repaints_ = 0;
  int closes_ = 0;
};

}  // namespace tarnix::ui::headless
