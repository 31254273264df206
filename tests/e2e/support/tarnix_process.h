// Starting tarnix2.exe from a test, always bounded in time.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// tarnix2.exe as a Windows path.
std::wstring ProgramPath();

// A started tarnix2.exe; one still running when the object goes is ended.
class TarnixProcess {
 public:
  explicit TarnixProcess(const std::wstring& arguments = L"");
  ~TarnixProcess();
  TarnixProcess(const TarnixProcess&) = delete;
  TarnixProcess& operator=(const TarnixProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  // The exit code when the process has ended within the time, else nothing.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace e2e
