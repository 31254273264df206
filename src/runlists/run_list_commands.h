// Delete, edit and add on the three registry run lists. Each command is given the run list
// (0 HKLM Run, 1 HKLM RunServices, 2 HKCU Run) and the entry it works on; every change is
// written to the run key at once, taken into the places, shown, and leaves one undo step.
#pragma once

#include <string>

#include "runlists/edit_form.h"
#include "sources/add_form.h"
#include "sources/workspace.h"

namespace tarnix {

// Deletes the entry after asking.
void DeleteRunEntry(Workspace& ws, int runList, const std::string& name);
// Edits the entry's command in the dialog; the run list becomes the current one.
void EditRunEntry(Workspace& ws, TEditStr& dialog, int runList, const std::string& name);
// Adds entries through the add dialog to the run list, which becomes the current one.
void AddRunEntry(Workspace& ws, Taddform& dialog, int runList);

}  // namespace tarnix
