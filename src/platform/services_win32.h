// The service control manager on the Win32 service API (wide functions throughout).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

#include "base/win32_api.h"
#include "platform/services.h"

namespace tarnix {

// The two calls that open a handle, given the access the operation asks for: the platform's,
// unless a test puts its own in to see what is asked.
struct ServiceOpeners {
  std::function<SC_HANDLE(DWORD access)> manager;
  std::function<SC_HANDLE(SC_HANDLE manager, const std::wstring& name, DWORD access)> service;
};
// OpenSCManagerW on the local machine, and OpenServiceW.
ServiceOpeners PlatformServiceOpeners();

class Win32Services : public ServiceControl {
 public:
  // `enumerationBytes`: the buffer one enumeration call starts with; a call that needs more
  // grows it.
  explicit Win32Services(size_t enumerationBytes = 64 * 1024,
                         ServiceOpeners openers = PlatformServiceOpeners())
      : enumerationBytes_(enumerationBytes), openers_(std::move(openers)) {}
  Opened<ServiceManagerHandle> OpenManager() override;

 private:
  size_t enumerationBytes_;
  ServiceOpeners openers_;
};

}  // namespace tarnix
