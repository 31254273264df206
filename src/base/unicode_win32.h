// UTF-8 inside the program, UTF-16 at the Win32 boundary, ANSI in the old text files.
#pragma once

#include <windows.h>

#include <string>

#include "base/text_codec.h"

namespace tarnix {

// Through the program's own codec rather than the platform's, which would put U+FFFD in place
// of a surrogate without its pair: a registry name or file name that holds one is kept whole.
inline std::wstring Widen(const std::string& utf8) {
  const std::u16string units = Wtf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

inline std::string Narrow(const std::wstring& wide) {
  return Utf16ToWtf8(std::u16string(wide.begin(), wide.end()));
}

inline std::string Narrow(const wchar_t* wide) {
  return wide ? Narrow(std::wstring(wide)) : "";
}

// ANSI code page bytes to UTF-8 and back. ToAnsi reports whether every character fits.
inline std::string FromAnsi(const std::string& ansi) {
  if (ansi.empty())
    return {};
  int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return Narrow(wide);
}

// UTF-8 text in the code page. `lossless` is false when a character does not fit or the
// conversion fails; nothing is then to be written. A UTF-8 code page (a choice Windows 10
// offers for ANSI) takes neither the best-fit flag nor the lost-character report.
inline std::string ToCodePage(const std::string& utf8, UINT codePage, bool* lossless = nullptr) {
  if (lossless)
    *lossless = true;
  std::wstring wide = Widen(utf8);
  if (wide.empty())
    return {};
  const bool utf8Page = codePage == CP_UTF8;
  const DWORD flags = utf8Page ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL lost = FALSE;
  BOOL* report = utf8Page ? nullptr : &lost;
  const int length = static_cast<int>(wide.size());
  int n = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, report);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) {
    n = WideCharToMultiByte(codePage, flags, wide.data(), length, out.data(), n, nullptr, report);
  }
  if (lossless)
    *lossless = n > 0 && !lost;
  return n > 0 ? out : std::string();
}

inline std::string ToAnsi(const std::string& utf8, bool* lossless = nullptr) {
  return ToCodePage(utf8, GetACP(), lossless);
}

}  // namespace tarnix
