// Shortcut files (.lnk): the one way the program reads and makes them. The Windows build
// implements it on the shell-link object (shortcuts_win32.cpp), tests in memory
// (fakes/shortcuts_memory.h).
#pragma once

#include <optional>
#include <string>

#include "platform/store_result.h"

namespace tarnix {

// What the program reads of a shortcut.
struct ShortcutFields {
  std::string target;
  std::string arguments;
  std::string workingDirectory;
};

// What a write sets. A property left out is not set at all: a new shortcut does not have it,
// an updated one keeps what it held.
struct ShortcutProperties {
  std::optional<std::string> target;
  std::optional<std::string> arguments;
  std::optional<std::string> workingDirectory;
  std::optional<std::string> description;
};

// A failed write says "Cannot write the shortcut <path>".
class Shortcuts {
 public:
  virtual ~Shortcuts() = default;
  // Nothing when the file is missing or is no shortcut that can be loaded.
  virtual std::optional<ShortcutFields> ReadShortcut(const std::string& linkPath) = 0;
  // Makes a new shortcut with only these properties, replacing any file of that name.
  StoreResult WriteShortcut(const std::string& linkPath, const ShortcutProperties& properties) {
    return Save(linkPath, properties, false);
  }
  // Sets these properties on the existing shortcut and keeps everything else it holds (icon,
  // show command, hot key, ...). A file that cannot be loaded as a shortcut is left as it is:
  // saving a half-loaded one would write whatever the loader left in it.
  StoreResult UpdateShortcut(const std::string& linkPath, const ShortcutProperties& properties) {
    return Save(linkPath, properties, true);
  }

 protected:
  // Starts from the file's own properties when keepExisting is set, and fails without writing
  // when they cannot be loaded.
  virtual StoreResult Save(const std::string& linkPath, const ShortcutProperties& properties,
                           bool keepExisting) = 0;
};

}  // namespace tarnix
