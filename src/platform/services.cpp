#include "platform/services.h"

namespace tarnix {

// The list is filled only once every page was read: a failure leaves it empty.
ServiceFailure ListActiveServices(ServiceManagerHandle& manager,
                                  std::vector<ServiceEntry>& services) {
  services.clear();
  std::vector<ServiceEntry> all;
  uint32_t resume = 0;
  for (;;) {
    ServicePage page;
    const uint32_t from = resume;
    if (ServiceFailure failure = manager.EnumerateActive(resume, page);
        failure != ServiceFailure::None) {
      return failure;
    }
    all.insert(all.end(), page.services.begin(), page.services.end());
    if (!page.more) {
      services = std::move(all);
      return ServiceFailure::None;
    }
    // A manager that promises more but gives nothing would keep this loop going for ever.
    if (page.services.empty() && resume == from) {
      return ServiceFailure::Other;
    }
  }
}

}  // namespace tarnix
