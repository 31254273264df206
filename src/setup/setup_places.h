// Where the program puts its own traces: its shell folders, its run value, its registry keys.
#pragma once

#include <optional>
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

// The current user's shell folder ("Programs", "Desktop") with "\" appended. Nothing when the
// key cannot be opened or the value is empty or not a string: a shortcut never lands at the
// root of a drive, and no odd value stops the setup half-way. `unread`, when given, takes why a
// key that is there could not be opened.
std::optional<std::string> ShellFolder(Store& store, const std::string& valueName,
                                       StoreResult* unread = nullptr);

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

// The snapshot keys of every section, in the order they are removed; then the Save key and the
// product key.
std::vector<std::string> ProgramRegistryKeys(const Catalogue& catalogue);

}  // namespace tarnix
