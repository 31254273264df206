// Headless labels, buttons, check and radio buttons, containers, list boxes, pages, bars and
// image lists: each holds its state in memory and exposes the record it was made from for tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "fakes/headless/headless_node.h"

namespace tarnix::ui::headless {

class HeadlessLabel : public ControlBase<Label> {
 public:
  HeadlessLabel(HeadlessForm& form, Node* parent, const LabelSpec& spec);
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  const LabelSpec& Spec() const { return spec_; }

 private:
  LabelSpec spec_;
  std::string caption_;
};

class HeadlessButton : public ControlBase<Button> {
 public:
  HeadlessButton(HeadlessForm& form, Node* parent, const ButtonSpec& spec);
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetShield(bool shown) override { shield_ = shown; }
  bool Shield() const override { return shield_; }
  const ButtonSpec& Spec() const { return spec_; }
  bool IsDefault() const { return IsDefaultButton(spec_); }
  bool IsCancel() const { return IsCancelButton(spec_); }

  bool TabStop() const override { return true; }
  bool IsPushButton() const override { return true; }
  void UserClick() override;

 private:
  ButtonSpec spec_;
  std::string caption_;
  bool shield_ = false;
};

class HeadlessCheckBox : public ControlBase<CheckBox> {
 public:
  HeadlessCheckBox(HeadlessForm& form, Node* parent, const CheckSpec& spec);
  std::string Caption() const override { return caption_; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  bool TabStop() const override { return true; }
  bool ClickedBySpace() const override { return true; }
  void UserClick() override;

 private:
  std::string caption_;
  bool checked_;
};

class HeadlessRadioButton : public ControlBase<RadioButton> {
 public:
  HeadlessRadioButton(HeadlessForm& form, Node* parent, const CheckSpec& spec);
  std::string Caption() const override { return caption_; }
  bool Checked() const override { return checked_; }
  // Checking one unchecks the radio buttons that share its parent.
  void SetChecked(bool checked) override;
  bool TabStop() const override { return true; }
  bool ClickedBySpace() const override { return true; }
  void UserClick() override;

 private:
  std::string caption_;
  bool checked_ = false;
};

class HeadlessPanel : public ControlBase<Panel> {
 public:
  HeadlessPanel(HeadlessForm& form, Node* parent, const PanelSpec& spec);
  const PanelSpec& Spec() const { return spec_; }

 private:
  PanelSpec spec_;
};

class HeadlessGroupBox : public ControlBase<GroupBox> {
 public:
  HeadlessGroupBox(HeadlessForm& form, Node* parent, const GroupSpec& spec);
  const GroupSpec& Spec() const { return spec_; }

 private:
  GroupSpec spec_;
};

class HeadlessBevel : public ControlBase<Bevel> {
 public:
  HeadlessBevel(HeadlessForm& form, Node* parent, const BevelSpec& spec);
};

class HeadlessPicture : public ControlBase<Picture> {
 public:
  HeadlessPicture(HeadlessForm& form, Node* parent, const ImageSpec& spec);
  const ImageSpec& Spec() const { return spec_; }

 private:
  ImageSpec spec_;
};

class HeadlessImageList : public ImageList {
 public:
  explicit HeadlessImageList(const ImageListSpec& spec) : spec_(spec) {}
  std::string Name() const override { return spec_.name; }
  int Count() const override { return static_cast<int>(spec_.bitmapResources.size()); }
  int Width() const override { return spec_.width; }
  int Height() const override { return spec_.height; }
  const ImageListSpec& Spec() const { return spec_; }

 private:
  ImageListSpec spec_;
};

class HeadlessListBox : public ControlBase<ListBox> {
 public:
  HeadlessListBox(HeadlessForm& form, Node* parent, const ListBoxSpec& spec);
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Item(int index) const override;
  std::vector<std::string> Items() const override;
  void SetItem(int index, const std::string& text) override;
  int ItemImage(int index) const override;
  void SetItemImage(int index, int image) override;
  bool ItemGreyed(int index) const override;
  void SetItemGreyed(int index, bool greyed) override;
  void Add(const std::string& text, int image = -1) override;
  void Insert(int index, const std::string& text, int image = -1) override;
  void Delete(int index) override;
  void Clear() override;
  int ItemIndex() const override { return itemIndex_; }
  void SetItemIndex(int index) override;
  const ListBoxSpec& Spec() const { return spec_; }

  bool TabStop() const override { return true; }
  // Up and Down move the selection as the user's arrow keys do.
  bool DefaultKey(int vk, ShiftState shift) override;
  // The user selects a line: onClick, then onChange.
  void UserSelect(int index);

 private:
  void CheckIndex(int index, int limit) const;
  struct Line {
    std::string text;
    int image;
    bool greyed;
  };
  ListBoxSpec spec_;
  std::vector<Line> items_;
  int itemIndex_ = -1;
};

class HeadlessTabPage : public ControlBase<TabPage> {
 public:
  HeadlessTabPage(HeadlessForm& form, Node* parent, std::string name, std::string caption);
  std::string Caption() const override { return caption_; }

 private:
  std::string caption_;
};

class HeadlessPageControl : public ControlBase<PageControl> {
 public:
  HeadlessPageControl(HeadlessForm& form, Node* parent, const PageControlSpec& spec);
  TabPage* AddPage(const std::string& name, const std::string& caption) override;
  int PageCount() const override { return static_cast<int>(pages_.size()); }
  TabPage* Page(int index) const override;
  TabPage* ActivePage() const override { return active_; }
  void SetActivePage(TabPage* page) override;
  const PageControlSpec& Spec() const { return spec_; }

  bool TabStop() const override { return true; }
  // The user clicks a tab: the page comes to the front, then onChange.
  void UserSelectPage(int index);

 private:
  PageControlSpec spec_;
  std::vector<HeadlessTabPage*> pages_;
  TabPage* active_ = nullptr;
};

class HeadlessStatusBar : public ControlBase<StatusBar> {
 public:
  HeadlessStatusBar(HeadlessForm& form, const StatusBarSpec& spec);
  std::string PanelText(int panel) const override;
  void SetPanelText(int panel, const std::string& text) override;
  const StatusBarSpec& Spec() const { return spec_; }

 private:
  StatusBarSpec spec_;
  std::vector<std::string> texts_;
};

class HeadlessProgressBar : public ControlBase<ProgressBar> {
 public:
  HeadlessProgressBar(HeadlessForm& form, Node* parent, const ProgressSpec& spec);
  int Position() const override { return position_; }
  // Kept within the bar's range, as the platform's bar does.
  void SetPosition(int position) override;
  const ProgressSpec& Spec() const { return spec_; }

 private:
  ProgressSpec spec_;
  int position_;
};

class HeadlessToolButton : public ControlBase<ToolButton> {
 public:
  HeadlessToolButton(HeadlessForm& form, Node* parent, const std::string& name, int image,
                     const std::string& hint);
  int Image() const { return image_; }
  void SetShield(bool shown) override { shield_ = shown; }
  bool Shield() const override { return shield_; }

 private:
  int image_;
  bool shield_ = false;
};

class HeadlessToolBar : public ControlBase<ToolBar> {
 public:
  HeadlessToolBar(HeadlessForm& form, Node* parent, const ToolBarSpec& spec);
  ToolButton* AddButton(const std::string& name, int image, const std::string& hint) override;
  int ButtonCount() const override { return static_cast<int>(buttons_.size()); }
  ToolButton* Button(int index) const override;
  const ToolBarSpec& Spec() const { return spec_; }

 private:
  ToolBarSpec spec_;
  std::vector<HeadlessToolButton*> buttons_;
};

}  // namespace tarnix::ui::headless
