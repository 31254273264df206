// The registry run keys as the run-list commands reach them, each in its view.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// The run key for reading (and writing where allowed); none when it is missing or refused.
OpenedKey OpenRunKey(Store& store, int runList);
// The run key opened for writing, made when missing.
OpenedKey OpenRunKeyForWriting(Store& store, int runList);
// Tells the user that the run key could not be written; a refusal of rights also offers the
// restart as administrator.
void ShowRunKeyWriteError(Workspace& ws, int runList, const StoreResult& failed);

}  // namespace tarnix
