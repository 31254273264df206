// Delete, Disable and Enable for the scheduled tasks that start at boot or logon, through the
// scheduler; every failure told through the one error channel.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// Asks first; a task gone since it was listed is left gone.
void DeleteStartupTask(Workspace& ws, const std::string& path);
// A task already in that state, or gone, is left as it is.
void SetStartupTaskEnabled(Workspace& ws, const std::string& path, bool enabled);

}  // namespace tarnix
