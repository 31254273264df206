#include "e2e/support/lnkinfo.h"

#include <sstream>

#include "base/unicode_win32.h"
#include "e2e/support/desktop.h"
#include "platform/store_win32.h"

namespace e2e {

namespace {

// The Unix path Wine maps a Windows path to.
std::string UnixPath(const std::string& path) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  FARPROC proc = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
  if (proc == nullptr)
    return "";
  auto convert = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(proc));
  char* unix = convert(tarnix::Widen(path).c_str());
  std::string result = unix ? unix : "";
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

std::map<std::string, std::string> Fields(const std::string& report) {
  std::map<std::string, std::string> fields;
  std::istringstream text(report);
  for (std::string row; std::getline(text, row);) {
    const size_t colon = row.find(": ");
    if (colon == std::string::npos)
      continue;
    std::string label = row.substr(0, colon);
    label.erase(0, label.find_first_not_of('\t'));
    label.erase(label.find_last_not_of("\t ") + 1);
    fields.emplace(label, row.substr(colon + 2));
  }
  return fields;
}

}  // namespace

// Wine gives no handle to wait on for a Unix process, so the shell renames the report into
// place when lnkinfo is done and the test waits for that name.
std::map<std::string, std::string> LnkInfo(const std::string& linkPath, DWORD timeoutMs) {
  const std::string report = linkPath + ".report";
  const std::string command = "/bin/sh -c \"lnkinfo '" + UnixPath(linkPath) + "' > '" +
                              UnixPath(report) + ".part' 2>&1; mv '" + UnixPath(report) +
                              ".part' '" + UnixPath(report) + "'\"";
  std::wstring line = tarnix::Widen(command);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return {};
  }
  for (HANDLE handle : {info.hThread, info.hProcess}) {
    if (handle)
      CloseHandle(handle);
  }
  tarnix::Win32Store files;
  WaitUntil([&] { return files.GetFileAttributes(report) != tarnix::kInvalidAttributes; },
            timeoutMs);
  const std::string text = files.ReadBytes(report).value_or("");
  static_cast<void>(files.DeleteFile(report));
  return Fields(text);
}

}  // namespace e2e
