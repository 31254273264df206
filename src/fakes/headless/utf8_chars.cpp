#include "fakes/headless/utf8_chars.h"

#include "base/text_codec.h"

namespace tarnix::ui::headless {

namespace {

// The length of the UTF-8 sequence that starts with this byte; 1 for a stray byte.
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8)
    return 4;
  if (lead >= 0xE0)
    return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0)
    return 2;
  return 1;
}

}  // namespace

std::vector<std::string> SplitChars(const std::string& utf8) {
  std::vector<std::string> chars;
  for (size_t i = 0; i < utf8.size();) {
    size_t length = SequenceLength(static_cast<unsigned char>(utf8[i]));
    chars.push_back(utf8.substr(i, length));
    i += length;
  }
  return chars;
}

std::string JoinChars(const std::vector<std::string>& chars) {
  std::string text;
  for (const auto& ch : chars) text += ch;
  return text;
}

int CharCount(const std::string& utf8) {
  return static_cast<int>(SplitChars(utf8).size());
}

std::string EncodeChar(int codePoint) {
  return EncodeUtf8(std::u32string(1, static_cast<char32_t>(codePoint)));
}

int DecodeChar(const std::string& ch) {
  if (ch.empty())
    return 0;
  auto lead = static_cast<unsigned char>(ch[0]);
  size_t length = ch.size();
  int codePoint = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
  }
  return codePoint;
}

}  // namespace tarnix::ui::headless
