// Service-manager behaviour every implementation shares (memory and Win32).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "conformance/target_param.h"
#include "platform/services.h"

namespace tarnix {

// Two own-process on-demand services of the test's own, one running; the target removes both.
class ServicesTarget {
 public:
  virtual ~ServicesTarget() = default;
  virtual ServiceControl& services() = 0;
  // The same manager, whose first enumeration call has room for fewer services than are
  // active.
  virtual ServiceControl& pagedServices() = 0;
  virtual std::string runningKey() const = 0;
  virtual std::string runningDisplayName() const = 0;
  virtual std::string stoppedKey() const = 0;
  virtual std::string stoppedDisplayName() const = 0;
};

using ServicesParam = TargetParam<ServicesTarget>;
inline constexpr TargetParamName ServicesParamName;

class ServicesConformance : public TargetSuite<ServicesTarget> {
 protected:
  // The manager, opened; the test fails when it cannot be.
  std::unique_ptr<ServiceManagerHandle> Manager();
  // A service of the target opened for its change; the test fails when it cannot be.
  std::unique_ptr<ServiceHandle> OpenForChange(const std::string& keyName);
  ServiceConfig Config(const std::string& keyName);
};

}  // namespace tarnix
