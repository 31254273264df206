// Where the program puts its own traces: its shell folders, its run value, its registry keys.
#pragma once

#include <string>
#include <vector>

#include "platform/store.h"
#include "sources/catalogue.h"

namespace tarnix {

inline constexpr char kAutostartValue[] = "Tarnix2";
inline constexpr char kGroupFolder[] = "MovendaSoft\\";
inline constexpr char kProgramGroup[] = "MovendaSoft\\Tarnix2\\";
inline constexpr char kShortcutName[] = "Tarnix2.lnk";
inline constexpr char kUninstallName[] = "Uninstall.lnk";
// The report program for scripts, which comes beside this one, and the value of the product
// key that tells scripts where it lies.
inline constexpr char kReportProgram[] = "tarnix2c.exe";
inline constexpr char kReportProgramValue[] = "ReportProgram";

// What could not be done, one line each, and whether the system refused any of it for lack of
// rights: told in one box once the rest was tried.
struct NotDone {
  std::vector<std::string> lines;
  StoreFailure failure = StoreFailure::None;

  void Add(const std::string& line, const StoreResult& why) {
    lines.push_back(line);
    if (failure != StoreFailure::AccessDenied)
      failure = why.failure;
  }
  // The heading and the lines as one failure; a success when there are none.
  StoreResult Told(const std::string& heading) const {
    std::string text = heading;
    for (const std::string& line : lines) text += "\r\n" + line;
    return Outcome(lines.empty() ? StoreFailure::None : failure, text);
  }
};

// The program's path as a command line takes it: quoted when it holds a blank, so that
// Windows starts the right file.
std::string QuotedProgramPath(Store& store);

// tarnix2c.exe in this program's folder.
std::string ReportProgramPath(Store& store);

// The snapshot keys of every section, in the order they are removed; then the Save key and the
// product key.
std::vector<std::string> ProgramRegistryKeys(const Catalogue& catalogue);

}  // namespace tarnix
