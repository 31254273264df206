// The program's own shortcuts, its autostart entry and its uninstall.
#pragma once

#include "setup/shortcut_spec.h"
#include "sources/workspace.h"

namespace tarnix {

enum class ShortcutPlace { Desktop, Programs };

// What the first-launch window's check boxes asked for.
struct FirstLaunchChoices {
  bool programs = true;
  bool desktop = true;
  bool autostart = true;
};

// Adds the "/c" check to the current user's run list, records it as an undo step, approves
// just that value in the snapshot and reloads every place.
void EnableStartupCheck(Workspace& ws);
// A shortcut to the program in the Desktop or Programs folder, and how writing it ended; an
// unknown folder makes it a no-op, which is no failure; a Shell Folders key that cannot be read
// is one.
StoreResult CreateProgramShortcut(Workspace& ws, ShortcutPlace place, const WriteShortcutFn& write);
// Where the report program lies (when it is beside this one), the program group with its two
// shortcuts, then what the user chose, the check on startup without its approval: the snapshot
// that follows approves it. What could not be made is told in one box once the rest was tried.
void FirstLaunchActions(Workspace& ws, const FirstLaunchChoices& choices,
                        const WriteShortcutFn& write);
// Removes what the program added; the caller has asked the user. Tells what could not be
// removed, then ends with the closing message.
void UninstallProgram(Workspace& ws);

}  // namespace tarnix
