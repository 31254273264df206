// What setup asks of whoever writes shortcut files. The program hands in the writer, so that
// setup stays independent of how a shortcut is stored.
#pragma once

#include <functional>
#include <string>

namespace tarnix {

struct ShortcutSpec {
  std::string path;  // the .lnk file
  std::string target;
  std::string arguments;
  std::string workingFolder;
  std::string description;
};

// Writes (or replaces) the shortcut; false when it could not be written.
using WriteShortcutFn = std::function<bool(const ShortcutSpec&)>;

}  // namespace tarnix
