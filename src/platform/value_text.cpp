#include "platform/value_text.h"

#include <cstdio>

namespace tarnix {

std::string HexBytes(const std::string& data) {
  std::string out;
  char byte[4];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(byte, sizeof byte, i == 0 ? "%02x" : ",%02x",
                  static_cast<unsigned>(static_cast<unsigned char>(data[i])));
    out += byte;
  }
  return out;
}

std::string ValueText(const RegValue& value) {
  if (value.IsString())
    return value.data;
  if (value.type == regtype::Dword && value.data.size() == 4) {
    uint32_t number = 0;
    for (size_t i = 4; i-- > 0;) {
      number = (number << 8) | static_cast<unsigned char>(value.data[i]);
    }
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
    return text;
  }
  if (value.type == regtype::Binary)
    return "hex:" + HexBytes(value.data);
  return "hex(" + std::to_string(value.type) + "):" + HexBytes(value.data);
}

}  // namespace tarnix
