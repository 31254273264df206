// Filled in by the startup-group feature.
#include "startupfolders/group_commands.h"

namespace tarnix {

void DeleteGroupEntry(Workspace&, const StartupSection&) {}
void AddGroupEntry(Workspace&, const StartupSection&, Taddform&) {}
void EditGroupEntry(Workspace&, const StartupSection&, TfrmLink&) {}

}  // namespace tarnix
