// Headless edit boxes and plain-text pages: text, caret, modified mark, and the user's typing.
#pragma once

#include <string>
#include <vector>

#include "fakes/headless/headless_node.h"

namespace tarnix::ui::headless {

class HeadlessEditBox : public ControlBase<EditBox> {
 public:
  HeadlessEditBox(HeadlessForm& form, Node* parent, const EditSpec& spec);
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override;
  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }
  int SelStart() const override { return selStart_; }
  void SetSelStart(int position) override;
  const EditSpec& Spec() const { return spec_; }

  bool TabStop() const override { return true; }
  bool DefaultKey(int vk, ShiftState shift) override;
  bool TypeChar(int ch) override;

 private:
  // A user edit: new text and caret, the modified mark, onChange.
  void UserEdit(const std::vector<std::string>& chars, int caret);
  EditSpec spec_;
  std::string text_;
  bool modified_ = false;
  int selStart_ = 0;
};

class HeadlessTextPage : public ControlBase<TextPage> {
 public:
  HeadlessTextPage(HeadlessForm& form, Node* parent, const TextPageSpec& spec);
  std::vector<std::string> Lines() const override { return lines_; }
  void SetLines(const std::vector<std::string>& lines) override;
  std::string Text() const override;
  void Clear() override;
  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }
  void SetWordWrap(bool wrap) override { wordWrap_ = wrap; }
  bool ReadOnly() const override { return readOnly_; }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  int SelStart() const override { return selStart_; }
  void SetSelStart(int position) override;
  int TextLength() const override;
  int FindText(const std::string& what, int start, int length) const override;
  bool WordWrap() const { return wordWrap_; }

  bool TabStop() const override { return true; }
  bool WantsReturn() const override { return true; }
  bool DefaultKey(int vk, ShiftState shift) override;
  bool TypeChar(int ch) override;

 private:
  // The text as characters, a line break being the one character "\r".
  std::vector<std::string> Chars() const;
  void UserEdit(const std::vector<std::string>& chars, int caret);
  std::vector<std::string> lines_;
  bool modified_ = false;
  bool wordWrap_ = false;
  bool readOnly_ = false;
  int selStart_ = 0;
};

}  // namespace tarnix::ui::headless
