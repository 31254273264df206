#include <locale.h>
#include <wctype.h>

#include "base/text_case.h"
#include "base/text_codec.h"

namespace tarnix {

namespace {

locale_t Utf8Locale() {
  static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

template <typename MapWide, typename MapAscii>
std::string MapCase(const std::string& utf8, MapWide mapWide, MapAscii mapAscii) {
  auto text = DecodeUtf8(utf8);
  locale_t locale = Utf8Locale();
  if (!text || !locale) {
    std::string out = utf8;
    for (char& c : out) c = mapAscii(c);
    return out;
  }
  for (char32_t& cp : *text) {
    cp = static_cast<char32_t>(mapWide(static_cast<wint_t>(cp), locale));
  }
  return EncodeUtf8(*text);
}

}  // namespace

std::string FoldCase(const std::string& utf8) {
  return MapCase(utf8, towlower_l, [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
}

std::string UpperCase(const std::string& utf8) {
  return MapCase(utf8, towupper_l, [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
}

}  // namespace tarnix
