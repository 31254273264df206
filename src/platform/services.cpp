#include "platform/services.h"

namespace tarnix {

ServiceFailure ListActiveServices(ServiceManagerHandle& manager,
                                  std::vector<ServiceEntry>& services) {
  services.clear();
  uint32_t resume = 0;
  for (;;) {
    ServicePage page;
    const uint32_t from = resume;
    if (ServiceFailure failure = manager.EnumerateActive(resume, page);
        failure != ServiceFailure::None) {
      services.clear();
      return failure;
    }
    services.insert(services.end(), page.services.begin(), page.services.end());
    if (!page.more) {
      return ServiceFailure::None;
    }
    // A manager that promises more but gives nothing would keep this loop going for ever.
    if (page.services.empty() && resume == from) {
      services.clear();
      return ServiceFailure::Other;
    }
  }
}

}  // namespace tarnix
