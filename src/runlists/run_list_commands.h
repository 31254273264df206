// Delete, edit and add on the registry run lists. Each command is given the run list (its
// run-list index: the Registry page's three, or a logon list) and the entry it works on; every
// change is written to the run key at once, taken into the places, shown, and leaves one undo
// step. Add serves the Registry page only.
#pragma once

#include <string>

#include "runlists/edit_form.h"
#include "sources/add_form.h"
#include "sources/workspace.h"

namespace tarnix {

// Deletes the entry after asking; a setting Windows needs to log on is refused.
void DeleteRunEntry(Workspace& ws, int runList, const std::string& name);
// Edits the entry's command in the dialog; a Registry page list becomes the current one.
void EditRunEntry(Workspace& ws, TEditStr& dialog, int runList, const std::string& name);
// Adds entries through the add dialog to the run list, which becomes the current one.
void AddRunEntry(Workspace& ws, Taddform& dialog, int runList);

}  // namespace tarnix
