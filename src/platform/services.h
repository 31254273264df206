// The service control manager: the active services and the start type of one service. The
// Windows build implements it on the Win32 service API (services_win32.cpp), tests on memory
// (fakes/services_memory.cpp). Handles close when their objects go.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarnix {

namespace svc {
// Start types, numbered as the platform numbers them.
constexpr uint32_t BootStart = 0, SystemStart = 1, AutoStart = 2, DemandStart = 3, Disabled = 4;
// Current states.
constexpr uint32_t Stopped = 1, StartPending = 2, StopPending = 3, Running = 4, ContinuePending = 5,
                   PausePending = 6, Paused = 7;
// Service types: the two kinds of Win32 service that are listed, and a driver, which is not.
constexpr uint32_t KernelDriver = 0x01, OwnProcess = 0x10, SharedProcess = 0x20;
}  // namespace svc

// Why a call failed; the user is told "access denied" apart from the rest.
enum class ServiceFailure { None, AccessDenied, NoSuchService, Other };

struct ServiceEntry {
  std::string keyName;
  std::string displayName;
  uint32_t currentState = svc::Stopped;
  bool operator==(const ServiceEntry& o) const {
    return keyName == o.keyName && displayName == o.displayName && currentState == o.currentState;
  }
};

// What one enumeration call returned; `more` when the manager holds further services.
struct ServicePage {
  std::vector<ServiceEntry> services;
  bool more = false;
};

struct ServiceConfig {
  uint32_t serviceType = svc::OwnProcess;
  uint32_t startType = svc::DemandStart;
  uint32_t errorControl = 1;
  std::string binaryPath;
  std::string loadOrderGroup;
  std::string account;
  std::string displayName;
};

template <typename Handle>
struct [[nodiscard]] Opened {
  std::unique_ptr<Handle> handle;  // null when opening failed
  ServiceFailure failure = ServiceFailure::None;
};

// One service, opened with the rights to query and change its configuration.
class ServiceHandle {
 public:
  virtual ~ServiceHandle() = default;
  [[nodiscard]] virtual ServiceFailure QueryConfig(ServiceConfig& config) = 0;
  // Changes the start type alone: every other setting, the display name too, stays.
  [[nodiscard]] virtual ServiceFailure ChangeStartType(uint32_t startType) = 0;
};

// The manager, opened with the rights to connect and enumerate, which a standard user has.
class ServiceManagerHandle {
 public:
  virtual ~ServiceManagerHandle() = default;
  // One enumeration call for the active Win32 services, from `resume` on, in the manager's
  // order; it moves `resume` on past what it returned.
  [[nodiscard]] virtual ServiceFailure EnumerateActive(uint32_t& resume, ServicePage& page) = 0;
  [[nodiscard]] virtual ServiceFailure KeyName(const std::string& displayName,
                                               std::string& keyName) = 0;
  virtual Opened<ServiceHandle> OpenForChange(const std::string& keyName) = 0;
};

class ServiceControl {
 public:
  virtual ~ServiceControl() = default;
  virtual Opened<ServiceManagerHandle> OpenManager() = 0;
};

// Every active Win32 service, over as many enumeration calls as the manager needs, in its
// order; a failed call fails the whole list.
[[nodiscard]] ServiceFailure ListActiveServices(ServiceManagerHandle& manager,
                                                std::vector<ServiceEntry>& services);

}  // namespace tarnix
