// UTF-8 decoding and encoding, and Windows-1252 as the ANSI code page of the platform that
// lives only in memory.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnix {

// Code points of the UTF-8 text, or nothing when it is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(const std::string& utf8);
inline constexpr char32_t kReplacementCharacter = 0xFFFD;
// Code points of the text, each byte that does not begin a valid sequence taken as U+FFFD.
std::u32string DecodeUtf8Replacing(const std::string& utf8);
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
