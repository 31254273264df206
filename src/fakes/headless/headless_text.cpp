#include "fakes/headless/headless_text.h"

#include <algorithm>

#include "base/text_case.h"
#include "fakes/headless/utf8_chars.h"

namespace tarnix::ui::headless {

namespace {

constexpr char kBreak[] = "\r";

// Applies an editing key to a text held as characters. Returns false for keys that do not
// edit; `caret` is kept within the text.
bool EditChars(std::vector<std::string>& chars, int& caret, int vk) {
  int count = static_cast<int>(chars.size());
  caret = std::clamp(caret, 0, count);
  if (vk == vk::Left || vk == vk::Right) {
    caret = std::clamp(caret + (vk == vk::Left ? -1 : 1), 0, count);
    return true;
  }
  if (vk == vk::Delete && caret < count) {
    chars.erase(chars.begin() + caret);
    return true;
  }
  return false;
}

// Applies a typed character: Backspace removes the one before the caret, a printable one is
// inserted. Returns false for control characters.
bool TypeIntoChars(std::vector<std::string>& chars, int& caret, const std::string& inserted,
                   int ch) {
  caret = std::clamp(caret, 0, static_cast<int>(chars.size()));
  if (ch == vk::Back) {
    if (caret == 0)
      return false;
    chars.erase(chars.begin() + --caret);
    return true;
  }
  if (inserted.empty())
    return false;
  chars.insert(chars.begin() + caret++, inserted);
  return true;
}

std::string Printable(int ch) {
  return ch >= 32 && ch != 127 ? EncodeChar(ch) : std::string();
}

}  // namespace

HeadlessEditBox::HeadlessEditBox(HeadlessForm& form, Node* parent, const EditSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds), spec_(spec), text_(spec.text) {}

void HeadlessEditBox::SetText(const std::string& text) {
  text_ = text;
  selStart_ = 0;
}

void HeadlessEditBox::SetSelStart(int position) {
  selStart_ = std::clamp(position, 0, CharCount(text_));
}

bool HeadlessEditBox::DefaultKey(int vk, ShiftState) {
  std::vector<std::string> chars = SplitChars(text_);
  int caret = selStart_;
  bool deleting = vk == vk::Delete;
  if (deleting && spec_.readOnly)
    return false;
  if (!EditChars(chars, caret, vk))
    return false;
  if (deleting) {
    UserEdit(chars, caret);
  } else {
    selStart_ = caret;
  }
  return true;
}

bool HeadlessEditBox::TypeChar(int ch) {
  std::vector<std::string> chars = SplitChars(text_);
  int caret = selStart_;
  if (spec_.readOnly || !TypeIntoChars(chars, caret, Printable(ch), ch))
    return false;
  UserEdit(chars, caret);
  return true;
}

void HeadlessEditBox::UserEdit(const std::vector<std::string>& chars, int caret) {
  text_ = JoinChars(chars);
  selStart_ = caret;
  modified_ = true;
  Fire(onChange);
}

HeadlessTextPage::HeadlessTextPage(HeadlessForm& form, Node* parent, const TextPageSpec& spec)
    : ControlBase(form, parent, spec.name, spec.bounds) {}

// Like the rich edit control, the page's text ends at a NUL character.
void HeadlessTextPage::SetLines(const std::vector<std::string>& lines) {
  lines_.clear();
  for (const std::string& line : lines) {
    const size_t nul = line.find('\0');
    lines_.push_back(line.substr(0, nul));
    if (nul != std::string::npos)
      break;
  }
  selStart_ = 0;
}

std::string HeadlessTextPage::Text() const {
  std::string text;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0)
      text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void HeadlessTextPage::Clear() {
  lines_.clear();
  selStart_ = 0;
  modified_ = false;
}

void HeadlessTextPage::SetSelStart(int position) {
  selStart_ = std::clamp(position, 0, TextLength());
}

int HeadlessTextPage::TextLength() const {
  return static_cast<int>(Chars().size());
}

int HeadlessTextPage::FindText(const std::string& what, int start, int length) const {
  std::vector<std::string> needle = SplitChars(what);
  std::vector<std::string> text = Chars();
  int end = std::min(start + length, static_cast<int>(text.size()));
  int size = static_cast<int>(needle.size());
  if (needle.empty() || start < 0)
    return -1;
  for (int at = start; at + size <= end; ++at) {
    bool match = true;
    for (int i = 0; i < size && match; ++i) match = FoldCase(text[at + i]) == FoldCase(needle[i]);
    if (match)
      return at;
  }
  return -1;
}

std::vector<std::string> HeadlessTextPage::Chars() const {
  std::vector<std::string> chars;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0)
      chars.push_back(kBreak);
    std::vector<std::string> line = SplitChars(lines_[i]);
    chars.insert(chars.end(), line.begin(), line.end());
  }
  return chars;
}

bool HeadlessTextPage::DefaultKey(int vk, ShiftState) {
  std::vector<std::string> chars = Chars();
  int caret = selStart_;
  if (!EditChars(chars, caret, vk))
    return false;
  if (vk == vk::Delete && readOnly_)
    return true;
  if (vk == vk::Delete) {
    UserEdit(chars, caret);
  } else {
    selStart_ = caret;
  }
  return true;
}

bool HeadlessTextPage::TypeChar(int ch) {
  std::vector<std::string> chars = Chars();
  int caret = selStart_;
  std::string inserted = ch == vk::Return ? std::string(kBreak) : Printable(ch);
  if (!TypeIntoChars(chars, caret, inserted, ch))
    return false;
  if (readOnly_)
    return true;
  UserEdit(chars, caret);
  return true;
}

void HeadlessTextPage::UserEdit(const std::vector<std::string>& chars, int caret) {
  lines_.clear();
  if (!chars.empty())
    lines_.emplace_back();
  for (const auto& ch : chars) {
    if (ch == kBreak) {
      lines_.emplace_back();
    } else {
      lines_.back() += ch;
    }
  }
  selStart_ = caret;
  modified_ = true;
  Fire(onChange);
}

}  // namespace tarnix::ui::headless
