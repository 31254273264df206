// The "NT Services" page: the active services and their start types.
#pragma once

#include "services/serv_form.h"
#include "sources/workspace.h"

namespace tarnix {

// Fills lsbNTServ with the active services; once, when the main window is built on NT.
void ListServices(Workspace& ws);
// "&Startup": changes the start type of the selected service.
void StartupButton(Workspace& ws, TfrmServ& dialog);
// "Event Viewer".
void OpenEventViewer(Workspace& ws);

}  // namespace tarnix
