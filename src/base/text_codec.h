// UTF-8 decoding and encoding, and Windows-1252 as the ANSI code page of the platform that
// lives only in memory.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnix {

// Code points of the UTF-8 text, or nothing when it is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(const std::string& utf8);

// The platform's text is UTF-16 and need not be valid: a name may hold a surrogate without its
// pair. Such a surrogate is kept as the three bytes its code point would take (the WTF-8 form),
// so that the text survives the trip into the program and back whole.
std::string Utf16ToWtf8(const std::u16string& units);
// Back to UTF-16; each byte that does not begin a valid sequence becomes U+FFFD.
inline constexpr char16_t kReplacementCharacter = 0xFFFD;
std::u16string Wtf8ToUtf16(const std::string& wtf8);
std::string EncodeUtf8(const std::u32string& text);
// UTF-16 little-endian bytes (as the registry stores a multi-string) as UTF-8; nothing for an odd
// length or an unpaired surrogate.
std::optional<std::string> Utf16LeToUtf8(const std::string& bytes);

std::string Cp1252ToUtf8(const std::string& ansi);
// Nothing when the text is not valid UTF-8 or holds a character Windows-1252 cannot hold.
std::optional<std::string> Utf8ToCp1252(const std::string& utf8);

// The lines of a text, split at CR LF, LF or CR; an empty line after the last break is none.
std::vector<std::string> SplitLines(const std::string& text);
// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace tarnix
