// Letter case as the user's locale sees it, for case-insensitive comparison of lines.
#pragma once

#include <string>

namespace tarnix {

// The UTF-8 text in lower case: two texts are equal ignoring case when their folds are equal.
std::string FoldCase(const std::string& utf8);
// The UTF-8 text in upper case.
std::string UpperCase(const std::string& utf8);

}  // namespace tarnix
