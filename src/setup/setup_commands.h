// The program's own shortcuts, its autostart entry and its uninstall.
#pragma once

#include "sources/workspace.h"

namespace tarnix {

enum class ShortcutPlace { Desktop, Programs };

// Adds the "/c" check to the current user's run list.
void EnableStartupCheck(Workspace& ws);
void CreateProgramShortcut(Workspace& ws, ShortcutPlace place);
// Removes what the program added; the caller has asked the user.
void UninstallProgram(Workspace& ws);

}  // namespace tarnix
