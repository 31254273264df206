// The Win32 toolkit: the application window, fonts and scale, the event loop with its end
// request and modal loops, the event dispatch, and the platform dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "ui/toolkit.h"
#include "ui/win32/fonts.h"
#include "ui/win32/scaling.h"

namespace tarnix::ui::win32 {

class Win32Toolkit final : public Toolkit {
 public:
  Win32Toolkit(HINSTANCE instance, int dpi);

  std::unique_ptr<Form> CreateForm(const FormSpec& spec) override;
  void SetTitle(const std::string& title) override;
  std::string Title() const override { return title_; }
  int MessageBox(Form* owner, const std::string& text, const std::string& caption,
                 unsigned style) override;
  std::optional<std::string> OpenFileDialog(Form* owner, const FileDialogSpec& spec) override;
  std::optional<std::string> SaveFileDialog(Form* owner, const FileDialogSpec& spec) override;
  int ShellExecute(Form* owner, const std::string& verb, const std::string& file,
                   const std::string& parameters, const std::string& folder,
                   int showCommand) override;
  std::string StartProgram(const std::string& commandLine, int showCommand) override;
  bool Elevated() const override;
  std::string OtherAccount() const override;
  ElevatedStart StartElevated(const std::string& parameters) override;
  [[noreturn]] void EndAtOnce() override;
  void Dispatch(const std::function<void()>& handler) override;
  void Terminate() override;
  bool Terminated() const override { return terminated_; }
  void Run(Form* mainForm, bool showMain) override;

  HINSTANCE Instance() const { return instance_; }
  // Made when a window first needs an owner.
  HWND AppWindow() const;
  const Scaler& Scale() const { return scale_; }
  FontSet& Fonts() { return fonts_; }

  // Waits for one message and handles it, routing keys first.
  void PumpMessage();
  // Whether the key message reaching a window procedure was already routed by the loop;
  // sent key messages never are.
  bool WasRouted(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;

  // Disables the visible top-level windows of this thread except one; returns them.
  std::vector<HWND> DisableOtherWindows(HWND except) const;

 private:
  HWND OwnerWindow(Form* owner) const;
  std::optional<std::string> FileDialog(Form* owner, const FileDialogSpec& spec, bool save);

  HINSTANCE instance_;
  Scaler scale_;
  FontSet fonts_;
  std::string title_;
  mutable WindowHandle app_;
  bool terminated_ = false;
  MSG routed_{};
};

}  // namespace tarnix::ui::win32
