// Lookups for a test driver, in this process or another one, on the windows the Win32
// backend makes (see win32_toolkit.h).
#pragma once

#include <windows.h>

#include <string>

namespace tarnix::ui::win32 {

// The ID of a named control, menu item or toolbar button of a form; 0 when there is none.
inline int FindId(HWND form, const std::wstring& name) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(form, (L"Tarnix:" + name).c_str())));
}

// The window of a named control anywhere inside a form, or null.
inline HWND FindControl(HWND form, const std::wstring& name) {
  struct Search {
    int id;
    HWND found;
  } search{FindId(form, name), nullptr};
  if (search.id == 0)
    return nullptr;
  EnumChildWindows(
      form,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s->id)
          return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The name of a control window, or empty.
inline std::wstring ControlName(HWND control) {
  auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, L"TarnixName")));
  wchar_t name[256] = {};
  if (atom == 0 || GlobalGetAtomNameW(atom, name, 256) == 0)
    return {};
  return name;
}

}  // namespace tarnix::ui::win32
