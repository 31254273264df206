// Shortcuts on the platform's shell-link object. Each operation initialises COM for its own
// duration and releases it again.
#pragma once

#include "platform/shortcuts.h"

namespace tarnix {

class Win32Shortcuts : public Shortcuts {
 public:
  std::optional<ShortcutFields> ReadShortcut(const std::string& linkPath) override;

 protected:
  StoreResult Save(const std::string& linkPath, const ShortcutProperties& properties,
                   bool keepExisting) override;
};

}  // namespace tarnix
