// Whether the process holds administrator rights, as its access token tells, and whose account
// it runs as.
#include <windows.h>

#include <wtsapi32.h>

#include "base/handles_win32.h"
#include "base/late_bound_win32.h"
#include "base/unicode_win32.h"
#include "ui/win32/toolkit_impl.h"

namespace tarnix::ui::win32 {

namespace {

std::wstring ProcessUser() {
  wchar_t name[257] = {};
  DWORD size = 257;
  return GetUserNameW(name, &size) ? std::wstring(name) : std::wstring();
}

std::wstring SessionUser() {
  static auto* const query = LateBound<decltype(WTSQuerySessionInformationW)>(
      L"wtsapi32.dll", "WTSQuerySessionInformationW");
  static auto* const release = LateBound<decltype(WTSFreeMemory)>(L"wtsapi32.dll", "WTSFreeMemory");
  wchar_t* name = nullptr;
  DWORD bytes = 0;
  if (!query || !release ||
      !query(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, WTSUserName, &name, &bytes) ||
      name == nullptr)
    return {};
  std::wstring user(name);
  release(name);
  return user;
}

}  // namespace

// A system before Vista knows no elevation (the class is unknown to it): the program has all
// the rights it will ever get. Any other token that cannot be asked is taken as not elevated:
// the caller then offers what a standard user needs, which an administrator can still use.
bool Win32Toolkit::Elevated() const {
  KernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()))
    return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size))
    return GetLastError() == ERROR_INVALID_PARAMETER;
  return elevation.TokenIsElevated != 0;
}

// Account names compare without case. Where either name is unknown nothing is said.
std::string Win32Toolkit::OtherAccount() const {
  const std::wstring process = ProcessUser();
  const std::wstring session = SessionUser();
  if (process.empty() || session.empty() ||
      CompareStringOrdinal(process.c_str(), -1, session.c_str(), -1, TRUE) == CSTR_EQUAL)
    return {};
  return Narrow(process);
}

void Win32Toolkit::EndAtOnce() {
  ExitProcess(0);
}

}  // namespace tarnix::ui::win32
