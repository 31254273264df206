// The snapshot write of one text section on the real registry, as Save does it: the lines of
// a section of `count` lines go to the section's subkey through the program's own snapshot code
// and the Win32 store. Prints the milliseconds of the write alone (the process's start and the
// making of the lines are not counted).
//   snapshot_save_bench <count> [subkey]     (default subkey: Autoexec)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/unicode_win32.h"
#include "platform/store_win32.h"
#include "watchdog/snapshot_store.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: snapshot_save_bench <count> [subkey]\n");
    return 2;
  }
  const int count = _wtoi(argv[1]);
  const std::string subkey = argc > 2 ? tarnix::Narrow(argv[2]) : "Autoexec";
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "SET PATH=%%PATH%%;C:\\TOOLS\\BIN REM line %05d", i);
    lines.push_back(line);
  }
  tarnix::Win32Store store;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const tarnix::StoreResult written =
      tarnix::WriteSnapshotLines(store, tarnix::SnapshotKeyPath(subkey), lines);
  if (!written) {
    std::fprintf(stderr, "%s\n", written.text.c_str());
    return 1;
  }
  QueryPerformanceCounter(&end);
  std::printf("%.1f\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                            static_cast<double>(frequency.QuadPart));
  return 0;
}
