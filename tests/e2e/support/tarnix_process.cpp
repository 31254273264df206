#include "e2e/support/tarnix_process.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "base/unicode_win32.h"

namespace e2e {

std::wstring WindowsPath(const std::string& hostPath) {
  std::wstring path = tarnix::Widen(hostPath);
  if (!path.empty() && path.front() == L'/')
    path = L"Z:" + path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::wstring ProgramPath() {
  return WindowsPath(TARNIX_EXE_PATH);
}

std::filesystem::path LogPath() {
  return std::filesystem::path(ProgramPath()).parent_path() / L"tx2log.txt";
}

std::wstring TempPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH] = {};
  return std::wstring(folder, GetTempPathW(MAX_PATH, folder)) + name;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TarnixProcess::TarnixProcess(const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
  if (!arguments.empty()) {
    commandLine += L" " + arguments;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info_)) {
    info_ = PROCESS_INFORMATION{};
  }
}

TarnixProcess::~TarnixProcess() {
  Kill();
  if (info_.hProcess != nullptr) {
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

bool TarnixProcess::Running() const {
  return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> TarnixProcess::WaitForExit(DWORD timeoutMs) {
  if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void TarnixProcess::Kill() {
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
}

}  // namespace e2e
