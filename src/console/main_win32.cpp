// tarnix2c.exe: the change report for scripts, on the console. No window, no mutex: it only
// reads, so it may run beside tarnix2.exe at any time.
#include "base/win32_api.h"

#include <string>
#include <vector>

#include "base/unicode_win32.h"
#include "console/report.h"
#include "platform/scheduler_win32.h"
#include "platform/store_win32.h"

namespace {

std::string ComputerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
  return GetComputerNameW(name, &length) ? tarnix::Narrow(std::wstring(name, length)) : "";
}

// The console's code page, or the OEM one that a console would have, for a program that has
// none.
UINT OutputCodePage() {
  const UINT codePage = GetConsoleOutputCP();
  return codePage != 0 ? codePage : GetOEMCP();
}

// A console shows the text as it is. Anything else (a pipe, a file) gets it in the console's
// code page, in which scripts read a program's output; false when a character had no place
// there.
bool Write(DWORD handleId, const std::string& utf8) {
  const HANDLE handle = GetStdHandle(handleId);
  DWORD mode = 0, written = 0;
  if (utf8.empty() || handle == nullptr || handle == INVALID_HANDLE_VALUE)
    return true;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = tarnix::Widen(utf8);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return true;
  }
  // Each character the code page lacks comes out as "?", as Windows writes it.
  bool lossless = true;
  std::string bytes = tarnix::ToCodePage(utf8, OutputCodePage(), &lossless);
  if (bytes.empty())
    bytes = utf8;
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return lossless;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(tarnix::Narrow(argv[i]));
  tarnix::Win32Store store;
  tarnix::Win32Scheduler scheduler;
  const tarnix::ReportOutput output =
      tarnix::RunReport(store, ComputerName(), arguments, &scheduler);
  if (!Write(STD_OUTPUT_HANDLE, output.out)) {
    Write(STD_ERROR_HANDLE, "Some names or values hold characters that code page " +
                                std::to_string(OutputCodePage()) +
                                " cannot show (written as ?); /json gives them exactly.\r\n");
  }
  Write(STD_ERROR_HANDLE, output.err);
  return output.exitCode;
}
