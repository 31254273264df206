// Labels, one-line edit boxes and plain-text RichEdit pages.
#pragma once

#include "ui/win32/control_base.h"

namespace tarnix::ui::win32 {

class LabelImpl final : public WindowControl<Label> {
 public:
  LabelImpl(Win32Form& form, const LabelSpec& spec, HWND parent);
  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  HBRUSH OnCtlColor(HDC dc) override;

 private:
  // Labels that do not wrap take the size of their text.
  void FitToText();
  LabelSpec spec_;
};

class EditImpl final : public WindowControl<EditBox> {
 public:
  EditImpl(Win32Form& form, const EditSpec& spec, HWND parent);
  std::string Text() const override;
  void SetText(const std::string& text) override;
  bool Modified() const override;
  void SetModified(bool modified) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  void OnCommand(int code) override;
  bool TakesFocus() const override { return true; }

 private:
  bool settingText_ = false;
};

class TextPageImpl final : public WindowControl<TextPage> {
 public:
  TextPageImpl(Win32Form& form, const TextPageSpec& spec, HWND parent);
  std::vector<std::string> Lines() const override;
  void SetLines(const std::vector<std::string>& lines) override;
  std::string Text() const override;
  void Clear() override;
  bool Modified() const override;
  void SetModified(bool modified) override;
  void SetWordWrap(bool wrap) override;
  bool ReadOnly() const override;
  void SetReadOnly(bool readOnly) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  int TextLength() const override;
  int FindText(const std::string& what, int start, int length) const override;
  void OnCommand(int code) override;
  bool TakesFocus() const override { return true; }
  bool WantsReturn() const override { return true; }

 private:
  void Configure();
  void SetTextKeepingMark(const std::wstring& text);
  bool settingText_ = false;
  bool wordWrap_ = false;
};

}  // namespace tarnix::ui::win32
