// System functions that only some commands call, found on their first call: a start that never
// calls them does not load their library (shell32 and wtsapi32 cost a few ms each under Wine).
#pragma once

#include <windows.h>

namespace tarnix {

// The function, or null when its library or the function cannot be found. The library stays
// loaded for the life of the process.
template <class Function>
Function* LateBound(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryW(library);
  FARPROC proc = module ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace tarnix
