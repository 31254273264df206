// Private services for the tests under Wine, registered and removed with Wine's own "sc", and
// their start type read from the registry: readers independent of the program's code.
#pragma once

#include <windows.h>

#include <winsvc.h>

#include <optional>
#include <string>

#include "e2e/support/desktop.h"
#include "e2e/support/tarnix_process.h"

namespace tarnix::service_test {

constexpr DWORD kCommandTime = 30000;

inline std::wstring TestServiceProgram() {
  return e2e::WindowsPath(TARNIX_TEST_SERVICE_PATH);
}

struct CommandResult {
  bool finished = false;  // within the time
  DWORD exitCode = 0;
};

// Runs a command line, its output going where this program's goes; ended when it overruns
// the time.
inline CommandResult RunCommand(const std::wstring& commandLine, DWORD timeoutMs = kCommandTime) {
  CommandResult result;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &process)) {
    result.finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!result.finished) {
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  return result;
}

// The service's start type as its key holds it, or nothing when there is none.
inline std::optional<DWORD> StartType(const std::wstring& service) {
  const std::wstring key = L"System\\CurrentControlSet\\Services\\" + service;
  DWORD start = 0, size = sizeof start;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"Start", RRF_RT_REG_DWORD, nullptr, &start,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return start;
}

// The state the manager reports for the service; 0 when it cannot tell.
inline DWORD ServiceState(const std::wstring& service) {
  DWORD state = 0;
  if (SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT)) {
    if (SC_HANDLE handle = OpenServiceW(manager, service.c_str(), SERVICE_QUERY_STATUS)) {
      SERVICE_STATUS status{};
      if (QueryServiceStatus(handle, &status))
        state = status.dwCurrentState;
      CloseServiceHandle(handle);
    }
    CloseServiceHandle(manager);
  }
  return state;
}

inline bool WaitForServiceState(const std::wstring& service, DWORD state, DWORD timeoutMs) {
  return e2e::WaitUntil([&] { return ServiceState(service) == state; }, timeoutMs);
}

// A service registered on demand for one test and deleted when it ends. With no program of
// its own it runs cmd, which is no service program and never runs.
class PrivateService {
 public:
  PrivateService(std::wstring name, std::wstring displayName, std::wstring program = L"")
      : name_(std::move(name)), displayName_(std::move(displayName)) {
    Remove();
    const std::wstring binary =
        program.empty() ? L"C:\\windows\\system32\\cmd.exe /c exit" : program;
    created_ = RunCommand(L"sc create " + name_ + L" binPath= \"" + binary +
                          L"\" start= demand DisplayName= \"" + displayName_ + L"\"")
                   .exitCode == 0;
  }
  ~PrivateService() { Remove(); }
  PrivateService(const PrivateService&) = delete;
  PrivateService& operator=(const PrivateService&) = delete;

  bool Created() const { return created_; }
  const std::wstring& name() const { return name_; }
  const std::wstring& displayName() const { return displayName_; }
  // Whether it reports running in time.
  bool Start() {
    RunCommand(L"sc start " + name_);
    return WaitForServiceState(name_, SERVICE_RUNNING, kCommandTime);
  }
  bool Stop() {
    RunCommand(L"sc stop " + name_);
    return WaitForServiceState(name_, SERVICE_STOPPED, kCommandTime);
  }

 private:
  void Remove() {
    const DWORD state = ServiceState(name_);
    if (state != 0 && state != SERVICE_STOPPED)
      Stop();
    RunCommand(L"sc delete " + name_);
  }
  std::wstring name_, displayName_;
  bool created_ = false;
};

}  // namespace tarnix::service_test
