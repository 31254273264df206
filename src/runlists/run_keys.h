// The three registry run keys as the run-list commands reach them.
#pragma once

#include <memory>
#include <string>

#include "sources/workspace.h"

namespace tarnix {

std::unique_ptr<RegKey> OpenRunKey(Store& store, int runList, bool create);
// The entry's command: empty when the key or the value is missing. A value that is not a
// string raises StoreError("Invalid data type for '<name>'").
std::string ReadRunCommand(Store& store, const std::string& name, int runList);
// The run list whose list box has the keyboard focus in the main window, or -1.
int FocusedRunList(const Workspace& ws);
// Tells the user that the run key could not be written; a refusal of rights also offers the
// restart as administrator.
void ShowRunKeyWriteError(Workspace& ws, int runList, StoreFailure failure);

}  // namespace tarnix
