// What a test sees of another process's windows, and how it acts on them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls the condition until it holds or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// A visible top-level window of the process with this class (and this caption when given).
HWND FindProcessWindow(DWORD processId, const std::wstring& className,
                       const std::wstring& caption = L"");
HWND WaitForWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs,
                   const std::wstring& caption = L"");

// A named control of a form window (the names the program gives its controls).
HWND FindNamedControl(HWND form, const std::wstring& name);
HWND WaitForControl(HWND form, const std::wstring& name, DWORD timeoutMs);
// The command ID of a named menu item or toolbar button; 0 when there is none.
int NamedCommand(HWND form, const std::wstring& name);

std::wstring WindowText(HWND window);
std::vector<std::wstring> ListItems(HWND list);
bool ListContains(HWND list, const std::wstring& item);

// Message boxes: the text, and pressing one of their buttons (IDOK, IDYES, ...).
std::wstring MessageBoxText(HWND box);
void PressDialogButton(HWND dialog, int id);
// A key pressed on a window of the program, as the keyboard would deliver it.
void PostKey(HWND window, UINT virtualKey);
// Ctrl and a letter through the session's keyboard input, to the window brought to the front.
void PressCtrl(HWND window, WORD letter);

// Saves what the screen shows inside the rectangle as a 24-bit BMP file.
bool SaveScreenshot(const RECT& area, const std::wstring& path);

}  // namespace e2e
