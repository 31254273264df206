// One suite of service-manager behaviour, run against every implementation: natively against
// the memory manager, under Wine against the Win32 one. Each test program provides its target
// and instantiates the suite:
//
//   INSTANTIATE_TEST_SUITE_P(Memory, ServicesConformance,
//                            testing::Values(ServicesParam{"MemoryServices", &MakeTarget}),
//                            ServicesParamName);
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "platform/services.h"

namespace tarnix {

// A manager that holds two services of the test's own, both own-process and on demand: one
// running, one stopped. Destroying the target removes both.
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

struct ServicesParam {
  const char* name;
  std::unique_ptr<ServicesTarget> (*make)();
};

inline void PrintTo(const ServicesParam& param, std::ostream* out) {
  *out << param.name;
}

inline std::string ServicesParamName(const testing::TestParamInfo<ServicesParam>& info) {
  return info.param.name;
}

class ServicesConformance : public testing::TestWithParam<ServicesParam> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The manager, opened; the test fails when it cannot be.
  std::unique_ptr<ServiceManagerHandle> Manager();
  // A service of the target opened for its change; the test fails when it cannot be.
  std::unique_ptr<ServiceHandle> OpenForChange(const std::string& keyName);
  ServiceConfig Config(const std::string& keyName);

  std::unique_ptr<ServicesTarget> target_;
};

}  // namespace tarnix
