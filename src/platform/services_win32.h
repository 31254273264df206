// The service control manager on the Win32 service API (wide functions throughout).
#pragma once

#include <cstddef>

#include "platform/services.h"

namespace tarnix {

class Win32Services : public ServiceControl {
 public:
  // `enumerationBytes`: the buffer one enumeration call starts with; a call that needs more
  // grows it.
  explicit Win32Services(size_t enumerationBytes = 64 * 1024)
      : enumerationBytes_(enumerationBytes) {}
  Opened<ServiceManagerHandle> OpenManager() override;

 private:
  size_t enumerationBytes_;
};

}  // namespace tarnix
