// Arguments joined into one Windows command line, and split from one.
#pragma once

#include <string>
#include <vector>

namespace tarnix {

// Blank-separated; an argument that is empty or holds a blank, a tab or a quote is quoted, so
// that CommandLineToArgvW gives back exactly these arguments.
std::string JoinArguments(const std::vector<std::string>& arguments);

// The arguments after the program's name, as CommandLineToArgvW gives them (shell32, which
// a start that needs nothing else of it then does not load).
std::vector<std::string> SplitArguments(const std::string& commandLine);

}  // namespace tarnix
