// Delete, add and edit in the two startup-group lists.
#pragma once

#include "sources/add_form.h"
#include "sources/workspace.h"
#include "startupfolders/link_form.h"

namespace tarnix {

void DeleteGroupEntry(Workspace& ws, const StartupSection& section);
void AddGroupEntry(Workspace& ws, const StartupSection& section, Taddform& dialog);
void EditGroupEntry(Workspace& ws, const StartupSection& section, TfrmLink& dialog);

}  // namespace tarnix
