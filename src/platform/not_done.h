// What a command that goes on past its failures could not do, told once the rest was tried.
#pragma once

#include <string>
#include <vector>

#include "platform/store_result.h"

namespace tarnix {

// What could not be done, one line each, and whether the system refused any of it for lack of
// rights.
struct NotDone {
  std::vector<std::string> lines;
  StoreFailure failure = StoreFailure::None;

  void Add(const std::string& line, StoreFailure why) {
    lines.push_back(line);
    if (failure != StoreFailure::AccessDenied)
      failure = why;
  }
  // The heading and the lines as one failure; a success when there are none.
  StoreResult Told(const std::string& heading) const {
    std::string text = heading;
    for (const std::string& line : lines) text += "\r\n" + line;
    return Outcome(lines.empty() ? StoreFailure::None : failure, text);
  }
};

}  // namespace tarnix
