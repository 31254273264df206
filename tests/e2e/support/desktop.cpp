#include "e2e/support/desktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/win32/win32_find.h"

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= end) {
      return false;
    }
    Sleep(25);
  }
  return true;
}

HWND FindProcessWindow(DWORD processId, const std::wstring& className,
                       const std::wstring& caption) {
  struct Search {
    DWORD processId;
    const std::wstring& className;
    const std::wstring& caption;
    HWND found;
  } search{processId, className, caption, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (owner != s->processId || name != s->className || !IsWindowVisible(window) ||
            (!s->caption.empty() && WindowText(window) != s->caption)) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs,
                   const std::wstring& caption) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindProcessWindow(processId, className, caption)) != nullptr; },
            timeoutMs);
  return found;
}

HWND FindNamedControl(HWND form, const std::wstring& name) {
  return tarnix::ui::win32::FindControl(form, name);
}

HWND WaitForControl(HWND form, const std::wstring& name, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindNamedControl(form, name)) != nullptr; }, timeoutMs);
  return found;
}

int NamedCommand(HWND form, const std::wstring& name) {
  return tarnix::ui::win32::FindId(form, name);
}

std::wstring WindowText(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// Another process's list: the W messages, so the text arrives as UTF-16.
std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring item(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(length < 0 ? 0 : length));
    items.push_back(item);
  }
  return items;
}

bool ListContains(HWND list, const std::wstring& item) {
  for (const std::wstring& line : ListItems(list)) {
    if (line == item) {
      return true;
    }
  }
  return false;
}

std::wstring MessageBoxText(HWND box) {
  return WindowText(GetDlgItem(box, 0xFFFF));
}

void PressDialogButton(HWND dialog, int id) {
  PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

namespace {

HWND NamedControl(HWND form, const wchar_t* name) {
  HWND control = WaitForControl(form, name, kShortTime);
  EXPECT_NE(control, nullptr) << "no control " << std::wstring(name);
  return control;
}

}  // namespace

void Click(HWND form, const wchar_t* button) {
  PostMessageW(NamedControl(form, button), BM_CLICK, 0, 0);
}

void SetText(HWND form, const wchar_t* edit, const std::wstring& text) {
  SendMessageW(NamedControl(form, edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Command(HWND form, const wchar_t* name) {
  const int id = NamedCommand(form, name);
  return id != 0 && PostMessageW(form, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

bool SelectLine(HWND list, const std::wstring& line) {
  const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(line.c_str()));
  return index != LB_ERR &&
         SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0) != LB_ERR;
}

void PostKey(HWND window, UINT virtualKey) {
  const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  PostMessageW(window, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageW(window, WM_KEYUP, virtualKey,
               static_cast<LPARAM>(1 | (scan << 16) | (1u << 30) | (1u << 31)));
}

void PressCtrl(HWND window, WORD letter) {
  // Keys go to the active window: wait until the program's window has become it.
  WaitUntil(
      [&] {
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      10000);
  INPUT keys[4] = {};
  const WORD codes[4] = {VK_CONTROL, letter, letter, VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof(INPUT));
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
  RECT area{};
  GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) {
    return false;
  }
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  std::string pixels(static_cast<size_t>(rowBytes) * static_cast<size_t>(height), '\0');
  const int rows = GetDIBits(memory, picture, 0, static_cast<UINT>(height), pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height) {
    return false;
  }
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace e2e
