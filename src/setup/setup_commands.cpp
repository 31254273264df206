// Filled in by the first-launch and uninstall feature.
#include "setup/setup_commands.h"

namespace tarnix {

void EnableStartupCheck(Workspace&) {}
void CreateProgramShortcut(Workspace&, ShortcutPlace) {}
void UninstallProgram(Workspace&) {}

}  // namespace tarnix
