#include "base/text_case.h"
#include "base/unicode_win32.h"

namespace tarnix {

namespace {

std::string MapCase(const std::string& utf8, DWORD flags) {
  std::wstring text = Widen(utf8);
  if (text.empty())
    return utf8;
  const DWORD mapFlags = flags | LCMAP_LINGUISTIC_CASING;
  int length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, mapFlags, text.data(),
                             static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr, 0);
  if (length <= 0)
    return utf8;
  std::wstring mapped(static_cast<size_t>(length), L'\0');
  LCMapStringEx(LOCALE_NAME_USER_DEFAULT, mapFlags, text.data(), static_cast<int>(text.size()),
                mapped.data(), length, nullptr, nullptr, 0);
  return Narrow(mapped);
}

}  // namespace

std::string FoldCase(const std::string& utf8) {
  return MapCase(utf8, LCMAP_LOWERCASE);
}

std::string UpperCase(const std::string& utf8) {
  return MapCase(utf8, LCMAP_UPPERCASE);
}

}  // namespace tarnix
