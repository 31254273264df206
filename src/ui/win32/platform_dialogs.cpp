// Message boxes, file dialogs, starting programs and documents.
#include <windows.h>

#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
// The toolkit interface is seen without this macro of the shell header, as in the other
// files of the backend; the shell function is called by its wide name.
#undef ShellExecute

#include <algorithm>
#include <cwctype>
#include <string>
#include <utility>
#include <vector>

#include "base/com_win32.h"
#include "base/late_bound_win32.h"
#include "base/module_path_win32.h"
#include "base/unicode_win32.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

namespace {

// "exe|*.exe|all files|*.*" as the double-NUL-ended list the dialogs take.
std::wstring FilterList(const std::string& filter) {
  std::wstring list = Widen(filter);
  for (wchar_t& c : list) {
    if (c == L'|')
      c = L'\0';
  }
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

// The program of a command line, quoted or up to the first blank, and the arguments after it.
std::pair<std::wstring, std::wstring> SplitCommandLine(const std::wstring& line) {
  size_t start = line.find_first_not_of(L' ');
  if (start == std::wstring::npos)
    return {};
  bool quoted = line[start] == L'"';
  size_t programStart = quoted ? start + 1 : start;
  size_t programEnd = line.find(quoted ? L'"' : L' ', programStart);
  if (programEnd == std::wstring::npos)
    return {line.substr(programStart), {}};
  size_t argumentsStart = line.find_first_not_of(L' ', programEnd + (quoted ? 1 : 0));
  std::wstring arguments =
      argumentsStart == std::wstring::npos ? std::wstring() : line.substr(argumentsStart);
  return {line.substr(programStart, programEnd - programStart), arguments};
}

// The system's text for an error code, without its closing line break.
std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : std::wstring();
  if (text)
    LocalFree(text);
  while (!message.empty() && std::iswspace(message.back())) message.pop_back();
  return message.empty() ? "error " + std::to_string(error) : Narrow(message);
}

// The shell's verb on a program ("open" asks for elevation where the program needs it,
// "runas" always); no error box of its own. The error, or ERROR_SUCCESS.
DWORD ShellStart(HWND owner, const wchar_t* verb, const std::wstring& program,
                 const std::wstring& arguments, int showCommand) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpVerb = verb;
  info.lpFile = program.c_str();
  info.lpParameters = OrNull(arguments);
  info.nShow = showCommand;
  // The shell may hand the verb to an extension, which needs the component library.
  ComScope com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  static auto* const start =
      LateBound<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
  DWORD error = start && start(&info) ? ERROR_SUCCESS : GetLastError();
  // A failure without a last error still has the shell's own code, which for the common
  // cases (file or path not found, access denied) is the system's number.
  if (error == ERROR_SUCCESS && reinterpret_cast<INT_PTR>(info.hInstApp) <= 32)
    error = static_cast<DWORD>(reinterpret_cast<INT_PTR>(info.hInstApp));
  return error;
}

}  // namespace

int Win32Toolkit::MessageBox(Form* owner, const std::string& text, const std::string& caption,
                             unsigned style) {
  LoadCommonControls();
  return ::MessageBoxW(OwnerWindow(owner), Widen(text).c_str(), Widen(caption).c_str(), style);
}

namespace {

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// The file dialogs' library is loaded when a dialog is first asked for: loaded with the
// program, it would cost every start, the logon check's too.
FileDialogFunction DialogFunction(bool save) {
  static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (library == nullptr)
    return nullptr;
  FARPROC proc = GetProcAddress(library, save ? "GetSaveFileNameW" : "GetOpenFileNameW");
  return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

std::optional<std::string> Win32Toolkit::FileDialog(Form* owner, const FileDialogSpec& spec,
                                                    bool save) {
  constexpr size_t kPathRoom = 32768;
  std::wstring filter = FilterList(spec.filter);
  std::wstring title = Widen(spec.title), extension = Widen(spec.defaultExtension);
  std::wstring folder = Widen(spec.initialFolder);
  std::vector<wchar_t> path(kPathRoom, L'\0');
  std::wstring proposed = Widen(spec.fileName);
  proposed.copy(path.data(), std::min(proposed.size(), kPathRoom - 1));

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = OwnerWindow(owner);
  dialog.lpstrFilter = spec.filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(kPathRoom);
  dialog.lpstrInitialDir = OrNull(folder);
  dialog.lpstrTitle = OrNull(title);
  dialog.lpstrDefExt = OrNull(extension);
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  LoadCommonControls();
  const FileDialogFunction show = DialogFunction(save);
  if (show == nullptr || !show(&dialog))
    return std::nullopt;
  return Narrow(path.data());
}

std::optional<std::string> Win32Toolkit::OpenFileDialog(Form* owner, const FileDialogSpec& spec) {
  return FileDialog(owner, spec, false);
}

std::optional<std::string> Win32Toolkit::SaveFileDialog(Form* owner, const FileDialogSpec& spec) {
  return FileDialog(owner, spec, true);
}

int Win32Toolkit::ShellExecute(Form* owner, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& folder,
                               int showCommand) {
  std::wstring wideVerb = Widen(verb), wideFile = Widen(file);
  std::wstring wideParameters = Widen(parameters), wideFolder = Widen(folder);
  static auto* const execute =
      LateBound<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (!execute)
    return SE_ERR_DLLNOTFOUND;
  HINSTANCE result = execute(OwnerWindow(owner), OrNull(wideVerb), wideFile.c_str(),
                             OrNull(wideParameters), OrNull(wideFolder), showCommand);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

std::string Win32Toolkit::StartProgram(const std::string& commandLine, int showCommand) {
  auto [program, arguments] = SplitCommandLine(Widen(commandLine));
  DWORD error = ShellStart(OwnerWindow(nullptr), L"open", program, arguments, showCommand);
  // Declining the elevation prompt is the user's choice, not a failure.
  if (error == ERROR_SUCCESS || error == ERROR_CANCELLED)
    return {};
  return "Cannot start " + Narrow(program) + ": " + SystemMessage(error);
}

ElevatedStart Win32Toolkit::StartElevated(const std::string& parameters) {
  const std::wstring program = ModuleFileName();
  if (program.empty())
    return {false, "Cannot start Tarnix2 as administrator: " + SystemMessage(GetLastError())};
  DWORD error =
      ShellStart(OwnerWindow(nullptr), L"runas", program, Widen(parameters), SW_SHOWNORMAL);
  if (error == ERROR_SUCCESS)
    return {true, {}};
  if (error == ERROR_CANCELLED)
    return {};
  return {false, "Cannot start Tarnix2 as administrator: " + SystemMessage(error)};
}

}  // namespace tarnix::ui::win32
