// Store behaviour every implementation shares (memory and Win32).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "conformance/target_param.h"
#include "platform/store.h"

namespace tarnix {

// A store with an empty scratch key and folder, both removed with the target.
class ConformanceTarget {
 public:
  virtual ~ConformanceTarget() = default;
  virtual Store& store() = 0;
  virtual Root scratchRoot() const = 0;
  virtual std::string scratchKey() const = 0;     // begins with "\"
  virtual std::string scratchFolder() const = 0;  // without a trailing "\"
  // The path with its short names expanded, for checking ShortPath.
  virtual std::string LongPath(const std::string& path) = 0;
  // Makes the key below the scratch key, holding the string value "kept" = "yes", and lets
  // this process read it but not write it or anything in it.
  virtual void DenyWrites(const std::string& below) = 0;
};

using ConformanceParam = TargetParam<ConformanceTarget>;
inline constexpr TargetParamName ConformanceParamName;

class StoreConformance : public TargetSuite<ConformanceTarget> {
 protected:
  Store& store() { return target_->store(); }
  Root root() const { return target_->scratchRoot(); }
  // The scratch key, or a key below it.
  std::string Key(const std::string& below = "") const;
  // A path in the scratch folder.
  std::string File(const std::string& name) const;
  OpenedKey OpenScratch(const std::string& below = "", bool create = true);
};

}  // namespace tarnix
