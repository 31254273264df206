// Whether the process holds administrator rights, as its access token tells.
#include <windows.h>

#include "ui/win32/toolkit_impl.h"

namespace tarnix::ui::win32 {

// A token that cannot be asked is taken as not elevated: the caller then offers what a
// standard user needs, which an administrator can still use.
bool Win32Toolkit::Elevated() const {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  bool asked = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  return asked && elevation.TokenIsElevated != 0;
}

}  // namespace tarnix::ui::win32
