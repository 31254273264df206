#include "platform/services_win32.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/handles_win32.h"
#include "base/unicode_win32.h"

namespace tarnix {

namespace {

// Far beyond any machine's services; a manager that keeps asking for more is failing.
constexpr size_t kLargestEnumeration = 64u * 1024 * 1024;

ServiceFailure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
      return ServiceFailure::AccessDenied;
    case ERROR_SERVICE_DOES_NOT_EXIST:
    case ERROR_SERVICE_MARKED_FOR_DELETE:
    case ERROR_INVALID_NAME:
      return ServiceFailure::NoSuchService;
    default:
      return ServiceFailure::Other;
  }
}

ServiceFailure LastFailure() {
  return FailureOf(GetLastError());
}

// Buffers of records that hold their strings behind them: whole records keep the alignment.
template <typename Record>
std::vector<Record> RecordBuffer(size_t bytes) {
  return std::vector<Record>((bytes + sizeof(Record) - 1) / sizeof(Record));
}

template <typename Record>
DWORD BytesOf(const std::vector<Record>& buffer) {
  return static_cast<DWORD>(buffer.size() * sizeof(Record));
}

class Win32Service : public ServiceHandle {
 public:
  explicit Win32Service(ScHandle handle) : handle_(std::move(handle)) {}

  ServiceFailure QueryConfig(ServiceConfig& config) override {
    DWORD needed = 0;
    if (!QueryServiceConfigW(handle_.get(), nullptr, 0, &needed) &&
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      return LastFailure();
    }
    auto buffer = RecordBuffer<QUERY_SERVICE_CONFIGW>(std::max<size_t>(needed, 1));
    if (!QueryServiceConfigW(handle_.get(), buffer.data(), BytesOf(buffer), &needed)) {
      return LastFailure();
    }
    const QUERY_SERVICE_CONFIGW& record = buffer.front();
    config.serviceType = record.dwServiceType;
    config.startType = record.dwStartType;
    config.errorControl = record.dwErrorControl;
    config.binaryPath = Narrow(record.lpBinaryPathName);
    config.loadOrderGroup = Narrow(record.lpLoadOrderGroup);
    config.account = Narrow(record.lpServiceStartName);
    config.displayName = Narrow(record.lpDisplayName);
    return ServiceFailure::None;
  }

  ServiceFailure ChangeStartType(uint32_t startType) override {
    // A null display name keeps the service's own, which may be an indirect resource name.
    if (!ChangeServiceConfigW(handle_.get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)) {
      return LastFailure();
    }
    return ServiceFailure::None;
  }

 private:
  ScHandle handle_;
};

class Win32Manager : public ServiceManagerHandle {
 public:
  Win32Manager(ScHandle handle, size_t enumerationBytes, ServiceOpeners openers)
      : handle_(std::move(handle)),
        enumerationBytes_(enumerationBytes),
        openers_(std::move(openers)) {}

  ServiceFailure EnumerateActive(uint32_t& resume, ServicePage& page) override {
    auto buffer = RecordBuffer<ENUM_SERVICE_STATUSW>(enumerationBytes_);
    for (;;) {
      DWORD needed = 0, returned = 0, next = resume;
      const bool complete =
          EnumServicesStatusW(handle_.get(), SERVICE_WIN32, SERVICE_ACTIVE, buffer.data(),
                              BytesOf(buffer), &needed, &returned, &next) != FALSE;
      if (!complete && GetLastError() != ERROR_MORE_DATA) {
        return LastFailure();
      }
      // Nothing returned, or a manager that does not move the resume position (Wine's): the
      // same call again with room for everything it still holds.
      if (!complete && (returned == 0 || next == resume)) {
        const size_t larger = std::max<size_t>(BytesOf(buffer) * 2, needed + 4096u);
        if (larger > kLargestEnumeration) {
          return ServiceFailure::Other;
        }
        buffer = RecordBuffer<ENUM_SERVICE_STATUSW>(larger);
        continue;
      }
      page.services.clear();
      for (DWORD i = 0; i < returned; ++i) {
        const ENUM_SERVICE_STATUSW& record = buffer[i];
        page.services.push_back({Narrow(record.lpServiceName), Narrow(record.lpDisplayName),
                                 record.ServiceStatus.dwCurrentState});
      }
      page.more = !complete;
      resume = next;
      return ServiceFailure::None;
    }
  }

  ServiceFailure KeyName(const std::string& displayName, std::string& keyName) override {
    const std::wstring wide = Widen(displayName);
    std::wstring name(257, L'\0');
    DWORD length = static_cast<DWORD>(name.size());
    if (!GetServiceKeyNameW(handle_.get(), wide.c_str(), name.data(), &length)) {
      if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return LastFailure();
      }
      name.assign(length + 1u, L'\0');
      length = static_cast<DWORD>(name.size());
      if (!GetServiceKeyNameW(handle_.get(), wide.c_str(), name.data(), &length)) {
        return LastFailure();
      }
    }
    keyName = Narrow(name.c_str());
    return ServiceFailure::None;
  }

  Opened<ServiceHandle> OpenForChange(const std::string& keyName) override {
    // What a change of the start type needs, and no more.
    ScHandle service(openers_.service(handle_.get(), Widen(keyName),
                                      SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG));
    if (!service.valid()) {
      return {nullptr, LastFailure()};
    }
    return {std::make_unique<Win32Service>(std::move(service)), ServiceFailure::None};
  }

 private:
  ScHandle handle_;
  size_t enumerationBytes_;
  ServiceOpeners openers_;
};

}  // namespace

ServiceOpeners PlatformServiceOpeners() {
  return {[](DWORD access) { return OpenSCManagerW(nullptr, nullptr, access); },
          [](SC_HANDLE manager, const std::wstring& name, DWORD access) {
            return OpenServiceW(manager, name.c_str(), access);
          }};
}

// What a standard user may: connect and list. Opening a service for a change needs no more of
// the manager.
Opened<ServiceManagerHandle> Win32Services::OpenManager() {
  ScHandle manager(openers_.manager(SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE));
  if (!manager.valid()) {
    return {nullptr, LastFailure()};
  }
  return {std::make_unique<Win32Manager>(std::move(manager), enumerationBytes_, openers_),
          ServiceFailure::None};
}

}  // namespace tarnix
