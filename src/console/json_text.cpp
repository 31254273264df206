#include "console/json_text.h"

#include <algorithm>
#include <cstdio>

#include "base/text_codec.h"
#include "platform/value_text.h"

namespace tarnix {

namespace {

std::string Escaped(char16_t unit) {
  switch (unit) {
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
  if (unit >= 0x20 && unit < 0x7F)
    return std::string(1, static_cast<char>(unit));
  char escape[16];
  std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
  return escape;
}

}  // namespace

std::string JsonString(const std::string& utf8) {
  std::string json = "\"";
  for (char16_t unit : Wtf8ToUtf16(utf8)) json += Escaped(unit);
  return json + "\"";
}

std::optional<std::string> InvalidTextHex(const std::string& utf8) {
  if (Utf16ToWtf8(Wtf8ToUtf16(utf8)) == utf8)
    return std::nullopt;
  std::string hex = HexBytes(utf8);
  hex.erase(std::remove(hex.begin(), hex.end(), ','), hex.end());
  return hex;
}

}  // namespace tarnix
