// The path of the running executable, however long.
#pragma once

#include "base/win32_api.h"

#include <string>

namespace tarnix {

// Empty when the system gives none (GetLastError tells why).
inline std::wstring ModuleFileName() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size())
      return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace tarnix
