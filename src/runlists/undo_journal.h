// The undo journal of run-list changes under HKEY_CURRENT_USER "SOFTWARE\Tarnix": undoing a
// step of this run (Ctrl+Z) or any stored step (Ctrl+R).
#pragma once

#include <string>

#include "platform/store.h"
#include "runlists/undo_form.h"
#include "sources/workspace.h"

namespace tarnix {

// Creates the journal's root key when it is missing; a failure is silent.
void EnsureUndoKey(Store& store);
// The undo dialog's line for a step: its kind, date, time, run key and entry name.
std::string StepDisplayLine(const std::string& stepName);
// Lets the user pick a step of this run, newest first, and undoes it.
void UndoRecentStep(Workspace& ws, Tundolist& dialog);
// Lets the user pick any stored step, of this run or an earlier one, and undoes it.
void UndoStoredStep(Workspace& ws, Tundolist& dialog);

}  // namespace tarnix
