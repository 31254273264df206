// The history log "tx2log.txt" beside the program.
#pragma once

#include "sources/workspace.h"

namespace tarnix {

// Menu commands of the main window.
void ShowHistoryLog(Workspace& ws);
void ClearHistoryLog(Workspace& ws);

}  // namespace tarnix
