// What a test sees of another process's windows, and how it acts on them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// How long a test waits for the program to start, and for anything else it does.
constexpr DWORD kStartTime = 30000;
constexpr DWORD kShortTime = 10000;

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

// The text of a window or control, also of another process's edit box, whose GetWindowText
// would give only the text it was created with.
std::wstring WindowText(HWND window);
bool EndsWith(const std::wstring& text, const std::wstring& end);
std::vector<std::wstring> ListItems(HWND list);
bool ListContains(HWND list, const std::wstring& item);

// Message boxes: the text, and pressing one of their buttons (IDOK, IDYES, ...).
std::wstring MessageBoxText(HWND box);
void PressDialogButton(HWND dialog, int id);
// Acting on a named control of a form, as the user would (a control that does not come in
// time fails the test): a click on a button, text typed into an edit box, a menu item or toolbar
// button run by its command (false when the form has no such command); a line of a list selected
// (false when it is not there).
void Click(HWND form, const wchar_t* button);
void SetText(HWND form, const wchar_t* edit, const std::wstring& text);
bool Command(HWND form, const wchar_t* name);
bool SelectLine(HWND list, const std::wstring& line);
// A key pressed on a window of the program, as the keyboard would deliver it.
void PostKey(HWND window, UINT virtualKey);
// Ctrl and a letter through the session's keyboard input, to the window brought to the front.
void PressCtrl(HWND window, WORD letter);

// Saves what the screen shows of the window as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::wstring& path);

}  // namespace e2e
