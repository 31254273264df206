// Owners of the platform handles that the program opens and closes again.
#pragma once

#include "base/win32_api.h"

#include <winsvc.h>

#include "base/unique_handle.h"

namespace tarnix {

namespace handle_traits {

// Kernel objects that report failure as null: tokens, mutexes, processes.
struct Kernel {
  using Handle = HANDLE;
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

// Files, which report failure as INVALID_HANDLE_VALUE.
struct File {
  using Handle = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

struct Find {
  using Handle = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { FindClose(handle); }
};

struct Key {
  using Handle = HKEY;
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY key) { RegCloseKey(key); }
};

// The service control manager and the services opened through it.
struct Service {
  using Handle = SC_HANDLE;
  static SC_HANDLE Invalid() { return nullptr; }
  static void Close(SC_HANDLE handle) { CloseServiceHandle(handle); }
};

// Bitmaps, fonts and the other objects DeleteObject ends.
template <typename Object>
struct Gdi {
  using Handle = Object;
  static Object Invalid() { return nullptr; }
  static void Close(Object object) { DeleteObject(object); }
};

struct Menu {
  using Handle = HMENU;
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU menu) { DestroyMenu(menu); }
};

// The screen's device context, from GetDC(nullptr).
struct ScreenDc {
  using Handle = HDC;
  static HDC Invalid() { return nullptr; }
  static void Close(HDC dc) { ReleaseDC(nullptr, dc); }
};

// A source of the event log, from RegisterEventSource.
struct EventSource {
  using Handle = HANDLE;
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE source) { DeregisterEventSource(source); }
};

struct Window {
  using Handle = HWND;
  static HWND Invalid() { return nullptr; }
  static void Close(HWND window) { DestroyWindow(window); }
};

}  // namespace handle_traits

using KernelHandle = UniqueHandle<handle_traits::Kernel>;
using FileHandle = UniqueHandle<handle_traits::File>;
using FindHandle = UniqueHandle<handle_traits::Find>;
using KeyHandle = UniqueHandle<handle_traits::Key>;
using ScHandle = UniqueHandle<handle_traits::Service>;
template <typename Object>
using GdiObject = UniqueHandle<handle_traits::Gdi<Object>>;
using MenuHandle = UniqueHandle<handle_traits::Menu>;
using ScreenDc = UniqueHandle<handle_traits::ScreenDc>;
using WindowHandle = UniqueHandle<handle_traits::Window>;
using EventSourceHandle = UniqueHandle<handle_traits::EventSource>;

}  // namespace tarnix
