// Starting tarnix2.exe from a test, always bounded in time.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace e2e {

// A path of the build as Wine sees it: the host's root is drive Z:.
std::wstring WindowsPath(const std::string& hostPath);
// tarnix2.exe as a Windows path.
std::wstring ProgramPath();
// The history log the program keeps beside itself.
std::filesystem::path LogPath();
// A file of that name in the temporary folder.
std::wstring TempPath(const std::wstring& name);
// The bytes of a file; empty when there is none.
std::string ReadFile(const std::filesystem::path& path);

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
