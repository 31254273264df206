// The Win32 service manager under Wine: the shared conformance suite, against private services
// registered for each test. The services page on real windows is the end-to-end test's.
#include <gtest/gtest.h>

#include <string>

#include "base/unicode_win32.h"
#include "conformance/services_conformance.h"
#include "platform/services_win32.h"
#include "win32/service_support.h"

namespace tarnix {
namespace {

using service_test::PrivateService;
using service_test::TestServiceProgram;

// Names of this process's own, so that two test programs never share a service.
std::wstring Unique(const std::wstring& name) {
  return name + std::to_wstring(GetCurrentProcessId());
}

class Win32Target : public ServicesTarget {
 public:
  Win32Target()
      : running_(Unique(L"TarnixConfRun"), Unique(L"Tarnix Conformance Running "),
                 TestServiceProgram()),
        stopped_(Unique(L"TarnixConfStop"), Unique(L"Tarnix Conformance Stopped ")),
        paged_(256) {
    EXPECT_TRUE(running_.Created());
    EXPECT_TRUE(stopped_.Created());
    EXPECT_TRUE(running_.Start());
  }
  ServiceControl& services() override { return whole_; }
  ServiceControl& pagedServices() override { return paged_; }
  std::string runningKey() const override { return Narrow(running_.name()); }
  std::string runningDisplayName() const override { return Narrow(running_.displayName()); }
  std::string stoppedKey() const override { return Narrow(stopped_.name()); }
  std::string stoppedDisplayName() const override { return Narrow(stopped_.displayName()); }

 private:
  PrivateService running_, stopped_;
  Win32Services whole_, paged_;
};

std::unique_ptr<ServicesTarget> MakeWin32Target() {
  return std::make_unique<Win32Target>();
}

INSTANTIATE_TEST_SUITE_P(Win32, ServicesConformance,
                         testing::Values(ServicesParam{"Win32Services", &MakeWin32Target}),
                         ServicesParamName);

}  // namespace
}  // namespace tarnix
