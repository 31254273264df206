// JSON strings for the report's document, in ASCII: every character beyond it as a \u escape,
// so that the bytes read the same in UTF-8 and in any code page a script decodes them with.
#pragma once

#include <optional>
#include <string>

namespace tarnix {

// The text as a quoted JSON string: quote, backslash and every control character escaped,
// each byte that does not begin a valid UTF-8 sequence as U+FFFD.
std::string JsonString(const std::string& utf8);
// The bytes in lower-case hex when the text is not valid UTF-8 (what JsonString could not
// keep); nothing when it is.
std::optional<std::string> InvalidTextHex(const std::string& utf8);

}  // namespace tarnix
