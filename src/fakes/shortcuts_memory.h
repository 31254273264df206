// Shortcuts kept as files of a store, so that a folder listing and the shortcuts in it are one
// file system: a shortcut is a file like any other, with the store's faults (a missing folder,
// a file that cannot be created or read) acting on it as on any file.
//
// The file holds every property a shell link has that the program cares to keep, in a text
// form of this fake's own; a file that is not in that form reads as an unreadable shortcut.
#pragma once

#include <optional>
#include <string>

#include "platform/shortcuts.h"
#include "platform/store.h"

namespace tarnix {

// Everything a memory shortcut holds.
struct MemoryShortcut {
  std::string target;
  std::string arguments;
  std::string workingDirectory;
  std::string description;
  std::string iconLocation;
  int iconIndex = 0;
  int showCommand = 1;
  int hotKey = 0;
  bool operator==(const MemoryShortcut& o) const;
};

class MemoryShortcuts : public Shortcuts {
 public:
  explicit MemoryShortcuts(Store& store) : store_(store) {}

  std::optional<ShortcutFields> ReadShortcut(const std::string& linkPath) override;

  // --- For tests, not subject to anything but the store's faults.
  // The whole shortcut, or nothing when the file is missing or not a shortcut.
  std::optional<MemoryShortcut> Inspect(const std::string& linkPath);
  // Writes a shortcut with every property given.
  StoreResult Plant(const std::string& linkPath, const MemoryShortcut& shortcut);
  // How many writes were attempted, successful or not.
  int WriteAttempts() const { return writeAttempts_; }

 protected:
  StoreResult Save(const std::string& linkPath, const ShortcutProperties& properties,
                   bool keepExisting) override;

 private:
  Store& store_;
  int writeAttempts_ = 0;
};

}  // namespace tarnix
