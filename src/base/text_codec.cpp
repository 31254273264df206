#include "base/text_codec.h"

#include <utility>

namespace tarnix {

namespace {

// Code points of the bytes 0x80..0x9F; the five unassigned bytes map to themselves, as the
// platform's converter does.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0)
    return kHighControls[byte - 0x80];
  return byte;
}

std::optional<char> CodePointToByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100))
    return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == cp)
      return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

int SequenceLength(unsigned char lead) {
  if (lead < 0x80)
    return 1;
  if ((lead & 0xE0) == 0xC0)
    return 2;
  if ((lead & 0xF0) == 0xE0)
    return 3;
  if ((lead & 0xF8) == 0xF0)
    return 4;
  return 0;
}

// The code point of the sequence that begins at `at` and its length; a length of 0 when no
// valid sequence begins there (a stray or missing continuation byte, an overlong form, a
// surrogate unless `surrogates` takes them, a code point past U+10FFFF).
std::pair<char32_t, size_t> DecodeAt(const std::string& utf8, size_t at, bool surrogates) {
  static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  const auto lead = static_cast<unsigned char>(utf8[at]);
  const int length = SequenceLength(lead);
  if (length == 0 || at + static_cast<size_t>(length) > utf8.size())
    return {0, 0};
  char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    auto next = static_cast<unsigned char>(utf8[at + static_cast<size_t>(k)]);
    if ((next & 0xC0) != 0x80)
      return {0, 0};
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < kMinimum[length] || cp > 0x10FFFF || (!surrogates && cp >= 0xD800 && cp < 0xE000))
    return {0, 0};
  return {cp, static_cast<size_t>(length)};
}

}  // namespace

std::optional<std::u32string> DecodeUtf8(const std::string& utf8) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto [cp, length] = DecodeAt(utf8, i, false);
    if (length == 0)
      return std::nullopt;
    out.push_back(cp);
    i += length;
  }
  return out;
}

std::string Utf16ToWtf8(const std::u16string& units) {
  std::u32string text;
  text.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < units.size() &&
                      units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000;
    text.push_back(pair ? 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00) : unit);
  }
  return EncodeUtf8(text);
}

std::u16string Wtf8ToUtf16(const std::string& wtf8) {
  std::u16string units;
  units.reserve(wtf8.size());
  for (size_t i = 0; i < wtf8.size();) {
    const auto [cp, length] = DecodeAt(wtf8, i, true);
    if (length == 0) {
      units.push_back(kReplacementCharacter);
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      units.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(cp));
    }
    i += length;
  }
  return units;
}

std::optional<std::string> Utf16LeToUtf8(const std::string& bytes) {
  if (bytes.size() % 2 != 0)
    return std::nullopt;
  const auto unit = [&bytes](size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                 static_cast<unsigned char>(bytes[i + 1]) << 8);
  };
  std::u32string text;
  for (size_t i = 0; i < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xDC00 && cp <= 0xDFFF)
      return std::nullopt;
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      if (i + 3 >= bytes.size() || unit(i + 2) < 0xDC00 || unit(i + 2) > 0xDFFF)
        return std::nullopt;
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    }
    text += cp;
  }
  return EncodeUtf8(text);
}

std::string EncodeUtf8(const std::u32string& text) {
  std::string out;
  for (char32_t cp : text) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::string Cp1252ToUtf8(const std::string& ansi) {
  std::u32string text;
  for (char byte : ansi) text.push_back(ByteToCodePoint(static_cast<unsigned char>(byte)));
  return EncodeUtf8(text);
}

std::optional<std::string> Utf8ToCp1252(const std::string& utf8) {
  auto text = DecodeUtf8(utf8);
  if (!text)
    return std::nullopt;
  std::string out;
  for (char32_t cp : *text) {
    auto byte = CodePointToByte(cp);
    if (!byte)
      return std::nullopt;
    out += *byte;
  }
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty())
    lines.push_back(line);
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace tarnix
