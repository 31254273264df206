// A write the system refused for lack of rights (a standard user and HKEY_LOCAL_MACHINE, the
// all-users startup folder, a service): after its error box the program offers, once in its
// run, to start again as administrator, where the same command can work.
#pragma once

#include "platform/store.h"
#include "sources/workspace.h"

namespace tarnix {

// Nothing unless the failure is a refusal of rights, the program is not elevated and the
// offer was not made yet in this run. Yes: lets go of the instance mark, starts the program
// through the shell's "runas" with the same arguments and ends this process at once; a start
// that fails takes the mark back and is told. No: returns, and the program goes on.
void OfferRestart(Workspace& ws, StoreFailure failure);
// The one place a failed result of a command reaches the user: its text in the error box, then
// the offer. Nothing for a success.
void Tell(Workspace& ws, const StoreResult& result);

}  // namespace tarnix
