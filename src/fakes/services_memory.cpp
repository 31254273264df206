#include "fakes/services_memory.h"

#include <algorithm>

#include "base/text_case.h"

namespace tarnix {

struct MemoryServices::State {
  std::vector<Service> services;
  size_t pageSize = 0;
  Faults faults;
  int openHandles = 0;
  int enumerationCalls = 0;
  std::vector<uint32_t> changes;
  int calls = 0, failAt = 0;
  ServiceFailure failKind = ServiceFailure::None;

  // Counts a call: the armed kind when it is the one to fail, else `otherwise`.
  ServiceFailure Called(ServiceFailure otherwise) {
    return ++calls == failAt ? failKind : otherwise;
  }

  Service* Find(const std::string& keyName) {
    auto found = std::find_if(services.begin(), services.end(), [&](const Service& s) {
      return FoldCase(s.keyName) == FoldCase(keyName);
    });
    return found == services.end() ? nullptr : &*found;
  }
  ServiceFailure Fault(const std::map<std::string, ServiceFailure>& faults,
                       const std::string& keyName) const {
    for (const auto& [name, failure] : faults) {
      if (FoldCase(name) == FoldCase(keyName)) {
        return failure;
      }
    }
    return ServiceFailure::None;
  }
};

namespace {

using State = MemoryServices::State;

bool Listed(const MemoryServices::Service& service) {
  const bool win32 = (service.config.serviceType & (svc::OwnProcess | svc::SharedProcess)) != 0;
  return win32 && service.state != svc::Stopped;
}

class Counted {
 public:
  explicit Counted(std::shared_ptr<State> state) : state_(std::move(state)) {
    ++state_->openHandles;
  }
  ~Counted() { --state_->openHandles; }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

 protected:
  std::shared_ptr<State> state_;
};

class MemoryService : public ServiceHandle, Counted {
 public:
  MemoryService(std::shared_ptr<State> state, std::string keyName)
      : Counted(std::move(state)), keyName_(std::move(keyName)) {}

  ServiceFailure QueryConfig(ServiceConfig& config) override {
    if (ServiceFailure failure = state_->Called(state_->Fault(state_->faults.query, keyName_));
        failure != ServiceFailure::None) {
      return failure;
    }
    const MemoryServices::Service* service = state_->Find(keyName_);
    if (service == nullptr) {
      return ServiceFailure::NoSuchService;
    }
    config = service->config;
    return ServiceFailure::None;
  }

  ServiceFailure ChangeStartType(uint32_t startType) override {
    state_->changes.push_back(startType);
    if (ServiceFailure failure = state_->Called(state_->Fault(state_->faults.change, keyName_));
        failure != ServiceFailure::None) {
      return failure;
    }
    MemoryServices::Service* service = state_->Find(keyName_);
    if (service == nullptr) {
      return ServiceFailure::NoSuchService;
    }
    service->config.startType = startType;
    return ServiceFailure::None;
  }

 private:
  std::string keyName_;
};

class MemoryManager : public ServiceManagerHandle, Counted {
 public:
  using Counted::Counted;

  ServiceFailure EnumerateActive(uint32_t& resume, ServicePage& page) override {
    ++state_->enumerationCalls;
    if (ServiceFailure failure = state_->Called(state_->faults.enumerate);
        failure != ServiceFailure::None) {
      return failure;
    }
    std::vector<ServiceEntry> listed;
    for (const auto& service : state_->services) {
      if (Listed(service)) {
        listed.push_back({service.keyName, service.displayName, service.state});
      }
    }
    const size_t from = std::min<size_t>(resume, listed.size());
    const size_t count = state_->pageSize == 0 ? listed.size() - from
                                               : std::min(state_->pageSize, listed.size() - from);
    page.services.assign(listed.begin() + static_cast<std::ptrdiff_t>(from),
                         listed.begin() + static_cast<std::ptrdiff_t>(from + count));
    page.more = from + count < listed.size();
    resume = static_cast<uint32_t>(from + count);
    return ServiceFailure::None;
  }

  ServiceFailure KeyName(const std::string& displayName, std::string& keyName) override {
    if (ServiceFailure failure = state_->Called(ServiceFailure::None);
        failure != ServiceFailure::None) {
      return failure;
    }
    for (const auto& service : state_->services) {
      if (FoldCase(service.displayName) == FoldCase(displayName)) {
        keyName = service.keyName;
        return ServiceFailure::None;
      }
    }
    return ServiceFailure::NoSuchService;
  }

  Opened<ServiceHandle> OpenForChange(const std::string& keyName) override {
    if (ServiceFailure failure = state_->Called(state_->Fault(state_->faults.open, keyName));
        failure != ServiceFailure::None) {
      return {nullptr, failure};
    }
    if (state_->Find(keyName) == nullptr) {
      return {nullptr, ServiceFailure::NoSuchService};
    }
    return {std::make_unique<MemoryService>(state_, keyName), ServiceFailure::None};
  }
};

}  // namespace

MemoryServices::MemoryServices() : state_(std::make_shared<State>()) {}

void MemoryServices::Add(Service service) {
  service.config.displayName = service.displayName;
  state_->services.push_back(std::move(service));
}

const MemoryServices::Service* MemoryServices::Find(const std::string& keyName) const {
  return state_->Find(keyName);
}

void MemoryServices::SetState(const std::string& keyName, uint32_t state) {
  if (Service* service = state_->Find(keyName)) {
    service->state = state;
  }
}

void MemoryServices::SetPageSize(size_t services) {
  state_->pageSize = services;
}

MemoryServices::Faults& MemoryServices::faults() {
  return state_->faults;
}

void MemoryServices::FailCall(int k, ServiceFailure kind) {
  state_->calls = 0;
  state_->failAt = k;
  state_->failKind = kind;
}

int MemoryServices::Calls() const {
  return state_->calls;
}

int MemoryServices::OpenHandles() const {
  return state_->openHandles;
}

int MemoryServices::EnumerationCalls() const {
  return state_->enumerationCalls;
}

const std::vector<uint32_t>& MemoryServices::Changes() const {
  return state_->changes;
}

Opened<ServiceManagerHandle> MemoryServices::OpenManager() {
  if (ServiceFailure failure = state_->Called(state_->faults.openManager);
      failure != ServiceFailure::None) {
    return {nullptr, failure};
  }
  return {std::make_unique<MemoryManager>(state_), ServiceFailure::None};
}

}  // namespace tarnix
