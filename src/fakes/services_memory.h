// The service control manager in memory, for tests, with faults a test can inject.
//
// Services enumerate in the order they were added; the stopped ones and the drivers are not
// listed. Key and display names compare without regard to case. Every handle counts itself
// while it is open, so a test can see that none is left behind.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"

namespace tarnix {

class MemoryServices : public ServiceControl {
 public:
  struct Service {
    std::string keyName;
    std::string displayName;
    uint32_t state = svc::Running;
    ServiceConfig config;  // its displayName follows the service's
  };
  struct Faults {
    ServiceFailure openManager = ServiceFailure::None;
    ServiceFailure enumerate = ServiceFailure::None;
    std::map<std::string, ServiceFailure> open, query, change;  // by key name
  };

  MemoryServices();

  void Add(Service service);
  // The service with this key name, or null.
  const Service* Find(const std::string& keyName) const;
  void SetState(const std::string& keyName, uint32_t state);
  // At most this many services per enumeration call; 0 for all of them.
  void SetPageSize(size_t services);
  Faults& faults();
  // The k-th call from now (1: the next) of the manager or a service fails once as `kind`; 0
  // fails none. Calls() counts them since.
  void FailCall(int k, ServiceFailure kind);
  int Calls() const;

  int OpenHandles() const;
  int EnumerationCalls() const;
  // Every start type a change was asked for, in order.
  const std::vector<uint32_t>& Changes() const;

  Opened<ServiceManagerHandle> OpenManager() override;

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace tarnix
