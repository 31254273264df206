// What setup asks of whoever writes shortcut files. The program hands in the writer, so that
// setup stays independent of how a shortcut is stored.
#pragma once

#include <functional>
#include <string>

#include "platform/store_result.h"

namespace tarnix {

struct ShortcutSpec {
  std::string path;  // the .lnk file
  std::string target;
  std::string arguments;
  std::string workingFolder;
  std::string description;
};

// Writes (or replaces) the shortcut and tells how that ended.
using WriteShortcutFn = std::function<StoreResult(const ShortcutSpec&)>;

}  // namespace tarnix
