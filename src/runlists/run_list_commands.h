// Delete, edit and add on the three registry run lists. Every change is written to the run key
// at once and leaves one undo step; only the affected list line is adjusted.
#pragma once

#include "runlists/edit_form.h"
#include "sources/add_form.h"
#include "sources/workspace.h"

namespace tarnix {

// Deletes the selected entry of the focused run list after asking.
void DeleteRunEntry(Workspace& ws);
// Edits the selected entry of the focused run list, which becomes the current one.
void EditRunEntry(Workspace& ws, TEditStr& dialog);
// Edits the selected entry of a run list the user double-clicked.
void EditClickedRunEntry(Workspace& ws, TEditStr& dialog, int runList);
// Adds an entry to the focused run list, or to the current one when no run list has the focus.
void AddRunEntry(Workspace& ws, Taddform& dialog);

}  // namespace tarnix
