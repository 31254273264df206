// Controls that hold others: panels, group boxes and the pages of a tab control. Panels and
// pages are windows of the backend's own class, which hands its children's notifications on
// to the form.
#pragma once

#include <memory>
#include <vector>

#include "ui/win32/control_base.h"

namespace tarnix::ui::win32 {

// Creates a container window of the backend's class for a control.
HWND CreateContainerWindow(WindowBase& owner, const std::wstring& caption, DWORD style,
                           DWORD exStyle, const RECT& rect, HWND parent);

class PanelImpl final : public WindowControl<Panel> {
 public:
  PanelImpl(Win32Form& form, const PanelSpec& spec, HWND parent);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  PanelSpec spec_;
};

class GroupBoxImpl final : public WindowControl<GroupBox> {
 public:
  GroupBoxImpl(Win32Form& form, const GroupSpec& spec, HWND parent);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class TabPageImpl final : public WindowControl<TabPage> {
 public:
  TabPageImpl(Win32Form& form, const std::string& name, const std::string& caption,
              HWND tabControl);
  std::string Caption() const override { return caption_; }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::string caption_;
};

class PageControlImpl final : public WindowControl<PageControl> {
 public:
  PageControlImpl(Win32Form& form, const PageControlSpec& spec, HWND parent);
  TabPage* AddPage(const std::string& name, const std::string& caption) override;
  int PageCount() const override { return static_cast<int>(pages_.size()); }
  TabPage* Page(int index) const override;
  TabPage* ActivePage() const override;
  void SetActivePage(TabPage* page) override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  bool TakesFocus() const override { return true; }

 private:
  void LayOutPages();
  void ShowSelected();
  std::vector<std::unique_ptr<TabPageImpl>> pages_;
};

// Forwards the notifications a container receives from its children to the form window.
bool ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace tarnix::ui::win32
