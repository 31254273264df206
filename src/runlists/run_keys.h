// The three registry run keys as the run-list commands reach them.
#pragma once

#include <memory>
#include <string>

#include "sources/workspace.h"

namespace tarnix {

// The run key for reading (and writing where allowed); null when it is missing or refused.
std::unique_ptr<RegKey> OpenRunKey(Store& store, int runList);
// The run key opened for writing, made when missing; a refusal raises StoreError with the
// store's reason.
std::unique_ptr<RegKey> OpenRunKeyForWriting(Store& store, int runList);
// Tells the user that the run key could not be written; a refusal of rights also offers the
// restart as administrator.
void ShowRunKeyWriteError(Workspace& ws, int runList, StoreFailure failure);

}  // namespace tarnix
