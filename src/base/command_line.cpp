#include "base/command_line.h"

#include <algorithm>

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

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The program's name is quoted or runs to the first blank; it has no escapes.
size_t PastProgramName(const std::string& line) {
  if (!line.empty() && line[0] == '"') {
    const size_t closing = line.find('"', 1);
    return closing == std::string::npos ? line.size() : closing + 1;
  }
  size_t at = 0;
  while (at < line.size() && !IsBlank(line[at])) ++at;
  return at;
}

// One argument from `at`, read as Quoted writes it; outside quotes a blank ends it.
std::string NextArgument(const std::string& line, size_t& at) {
  std::string argument;
  bool quoted = false;
  while (at < line.size() && (quoted || !IsBlank(line[at]))) {
    const size_t backslashes = std::min(line.find_first_not_of('\\', at), line.size()) - at;
    at += backslashes;
    if (at < line.size() && line[at] == '"') {
      argument.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1)
        argument += '"';
      else
        quoted = !quoted;
      ++at;
    } else if (backslashes > 0) {
      argument.append(backslashes, '\\');
    } else {
      argument += line[at++];
    }
  }
  return argument;
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& commandLine) {
  std::vector<std::string> arguments;
  size_t at = PastProgramName(commandLine);
  for (;;) {
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
    if (at == commandLine.size())
      return arguments;
    arguments.push_back(NextArgument(commandLine, at));
  }
}

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
