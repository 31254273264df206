#include "console/json_text.h"

#include <cstdio>

#include "base/text_codec.h"

namespace tarnix {

namespace {

std::string Escape(char32_t unit) {
  char escape[16];
  std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
  return escape;
}

std::string Escaped(char32_t cp) {
  switch (cp) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      break;
  }
  if (cp >= 0x20 && cp < 0x7F)
    return std::string(1, static_cast<char>(cp));
  if (cp < 0x10000)
    return Escape(cp);
  // Beyond the first plane: a surrogate pair.
  const char32_t offset = cp - 0x10000;
  return Escape(0xD800 + (offset >> 10)) + Escape(0xDC00 + (offset & 0x3FF));
}

}  // namespace

std::string JsonString(const std::string& utf8) {
  std::string json = "\"";
  for (char32_t cp : DecodeUtf8Replacing(utf8)) json += Escaped(cp);
  return json + "\"";
}

std::optional<std::string> InvalidTextHex(const std::string& utf8) {
  if (DecodeUtf8(utf8))
    return std::nullopt;
  std::string hex;
  char digits[4];
  for (char byte : utf8) {
    std::snprintf(digits, sizeof digits, "%02x",
                  static_cast<unsigned>(static_cast<unsigned char>(byte)));
    hex += digits;
  }
  return hex;
}

}  // namespace tarnix
