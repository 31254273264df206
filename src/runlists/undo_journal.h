// The undo journal of run-list changes under HKEY_CURRENT_USER "SOFTWARE\Tarnix".
#pragma once

#include "platform/store.h"
#include "runlists/undo_form.h"
#include "sources/workspace.h"

namespace tarnix {

// Creates the journal's root key when it is missing.
void EnsureUndoKey(Store& store);
// Undoes the last change of this run.
void UndoLastStep(Workspace& ws);
// Lets the user pick a change of an earlier run and undoes it.
void UndoPreviousSessions(Workspace& ws, Tundolist& dialog);

}  // namespace tarnix
