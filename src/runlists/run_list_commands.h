// Delete, edit and add on the run list that has the focus.
#pragma once

#include "runlists/edit_form.h"
#include "sources/add_form.h"
#include "sources/workspace.h"

namespace tarnix {

void DeleteRunEntry(Workspace& ws);
void EditRunEntry(Workspace& ws, TEditStr& dialog);
void AddRunEntry(Workspace& ws, Taddform& dialog);

}  // namespace tarnix
