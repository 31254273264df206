// Arguments joined into one Windows command line.
#pragma once

#include <string>
#include <vector>

namespace tarnix {

// Blank-separated; an argument that is empty or holds a blank, a tab or a quote is quoted, so
// that CommandLineToArgvW gives back exactly these arguments.
std::string JoinArguments(const std::vector<std::string>& arguments);

}  // namespace tarnix
