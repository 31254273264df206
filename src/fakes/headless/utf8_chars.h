// Text as a sequence of characters (UTF-8 code points), which is how edit controls count
// caret positions.
#pragma once

#include <string>
#include <vector>

namespace tarnix::ui::headless {

// The characters of a UTF-8 text, each as its own UTF-8 piece.
std::vector<std::string> SplitChars(const std::string& utf8);
std::string JoinChars(const std::vector<std::string>& chars);
int CharCount(const std::string& utf8);
// The UTF-8 piece of one code point.
std::string EncodeChar(int codePoint);
// The code point of one character's UTF-8 piece.
int DecodeChar(const std::string& ch);

}  // namespace tarnix::ui::headless
