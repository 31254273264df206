#include "base/command_line.h"

namespace tarnix {

namespace {

// Backslashes count only before a quote: 2n before an argument's closing quote, 2n+1 before a
// quote inside it.
std::string Quoted(const std::string& argument) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

}  // namespace

std::string JoinArguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty())
      line += ' ';
    const bool plain = !argument.empty() && argument.find_first_of(" \t\"") == std::string::npos;
    line += plain ? argument : Quoted(argument);
  }
  return line;
}

}  // namespace tarnix
