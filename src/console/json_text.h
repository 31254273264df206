// JSON strings for the report's document, in ASCII: every UTF-16 code unit beyond it as a \u
// escape, so that the bytes read the same in UTF-8 and in any code page a script decodes them
// with, and a surrogate without its pair (which the platform's names may hold) is kept exactly.
#pragma once

#include <optional>
#include <string>

namespace tarnix {

// The text as a quoted JSON string: quote, backslash and every control character escaped,
// each byte that does not begin a valid sequence as U+FFFD.
std::string JsonString(const std::string& utf8);
// The bytes in lower-case hex when JsonString could not keep them all (it wrote U+FFFD for
// some); nothing when it kept them.
std::optional<std::string> InvalidTextHex(const std::string& utf8);

}  // namespace tarnix
