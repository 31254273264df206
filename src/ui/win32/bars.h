// Status bars, progress bars and toolbars with image-only buttons and hints.
#pragma once

#include <memory>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "ui/win32/control_base.h"

namespace tarnix::ui::win32 {

class StatusBarImpl final : public WindowControl<StatusBar> {
 public:
  StatusBarImpl(Win32Form& form, const StatusBarSpec& spec, HWND parent);
  std::string PanelText(int panel) const override;
  void SetPanelText(int panel, const std::string& text) override;
  void FollowParent();
};

class ProgressBarImpl final : public WindowControl<ProgressBar> {
 public:
  ProgressBarImpl(Win32Form& form, const ProgressSpec& spec, HWND parent);
  int Position() const override;
  void SetPosition(int position) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  int min_, max_, position_;
};

class ToolBarImpl;

// A toolbar button: no window of its own; its command ID comes from the form.
class ToolButtonImpl final : public ToolButton, public CommandTarget {
 public:
  ToolButtonImpl(ToolBarImpl& bar, std::string name, std::string hint);
  std::string Name() const override { return name_; }
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  bool Focused() const override { return false; }
  void SetFocus() override {}
  void SetShield(bool shown) override;
  bool Shield() const override { return shield_; }
  void SetHint(const std::string& hint) override;
  std::string Hint() const override { return hint_; }
  void SetPopupMenu(PopupMenu* menu) override { popup_ = menu; }
  PopupMenu* GetPopupMenu() const override { return popup_; }

  void OnCommand(int code) override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  int Id() const { return id_; }
  const std::wstring& WideHint() const { return wideHint_; }

 private:
  ToolBarImpl& bar_;
  std::string name_;
  std::string hint_;
  std::wstring wideHint_;
  PopupMenu* popup_ = nullptr;
  int id_;
  bool shield_ = false;
};

class ToolBarImpl final : public WindowControl<ToolBar> {
 public:
  ToolBarImpl(Win32Form& form, const ToolBarSpec& spec, HWND parent);
  ToolButton* AddButton(const std::string& name, int image, const std::string& hint) override;
  int ButtonCount() const override { return static_cast<int>(buttons_.size()); }
  ToolButton* Button(int index) const override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 private:
  ToolButtonImpl* ById(int id) const;
  void DrawShield(const NMCUSTOMDRAW& draw) const;

  ToolBarSpec spec_;
  std::vector<std::unique_ptr<ToolButtonImpl>> buttons_;
};

}  // namespace tarnix::ui::win32
