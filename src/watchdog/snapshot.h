// The snapshot of every startup place in the registry, and the Save command.
#pragma once

#include "sources/workspace.h"

namespace tarnix {

// Save: writes the text pages and win.ini values back, then saves the whole snapshot.
void SaveAll(Workspace& ws);

}  // namespace tarnix
