// Message boxes, file dialogs, starting programs and documents.
#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>
// The toolkit interface is seen without this macro of the shell header, as in the other
// files of the backend; the shell function is called by its wide name.
#undef ShellExecute

#include <algorithm>
#include <vector>

#include "base/unicode_win32.h"
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

}  // namespace

int Win32Toolkit::MessageBox(Form* owner, const std::string& text, const std::string& caption,
                             unsigned style) {
  return ::MessageBoxW(OwnerWindow(owner), Widen(text).c_str(), Widen(caption).c_str(), style);
}

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
  BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen)
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
  HINSTANCE result = ::ShellExecuteW(OwnerWindow(owner), OrNull(wideVerb), wideFile.c_str(),
                                     OrNull(wideParameters), OrNull(wideFolder), showCommand);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool Win32Toolkit::StartProgram(const std::string& commandLine, int showCommand) {
  std::wstring line = Widen(commandLine);
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace tarnix::ui::win32
