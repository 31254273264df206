// Shortcut behaviour every implementation shares (memory and shell link).
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "conformance/target_param.h"
#include "platform/shortcuts.h"
#include "platform/store.h"

namespace tarnix {

// Shortcuts and store of one file system, with an empty scratch folder the target removes.
class ShortcutTarget {
 public:
  virtual ~ShortcutTarget() = default;
  virtual Shortcuts& shortcuts() = 0;
  virtual Store& store() = 0;
  virtual std::string scratchFolder() const = 0;  // without a trailing "\"
};

using ShortcutParam = TargetParam<ShortcutTarget>;
inline constexpr TargetParamName ShortcutParamName;

inline bool operator==(const ShortcutFields& a, const ShortcutFields& b) {
  return a.target == b.target && a.arguments == b.arguments &&
         a.workingDirectory == b.workingDirectory;
}

inline void PrintTo(const ShortcutFields& f, std::ostream* out) {
  *out << "{" << f.target << " | " << f.arguments << " | " << f.workingDirectory << "}";
}

class ShortcutConformance : public TargetSuite<ShortcutTarget> {
 protected:
  Shortcuts& shortcuts() { return target_->shortcuts(); }
  Store& store() { return target_->store(); }
  // A path in the scratch folder.
  std::string File(const std::string& name) const { return target_->scratchFolder() + "\\" + name; }
  // An existing program in the scratch folder, for targets that must exist on the platform.
  std::string Program(const std::string& name);
};

}  // namespace tarnix
