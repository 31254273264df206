// Disable and Enable as Task Manager does them, for the entries of the run lists and startup
// folders it lists; and the entry's state said in the status bar.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// Writes the entry's mark (disabled: with the time), reads the place again and shows it, and
// says the entry's state. An entry gone since the list was read, or already in that state, is
// left as it is; a place that Task Manager does not list is refused with a message.
void SetEntryDisabled(Workspace& ws, const StartupSection& section, const std::string& entry,
                      bool disabled);
// The status bar says whether the entry is enabled or disabled, then the pages' notes.
void ShowEntryState(Workspace& ws, const StartupSection& section, const std::string& entry);
// From now on choosing a line of a list that Task Manager marks says that entry's state.
void BindEntryStates(Workspace& ws);

}  // namespace tarnix
