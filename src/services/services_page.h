// The "NT Services" page: the active services and their start types.
#pragma once

#include "platform/services.h"
#include "services/serv_form.h"
#include "sources/workspace.h"

namespace tarnix {

// The pictures of the main window's "sem" images that mark a listed service's state.
constexpr int kServiceRunningImage = 0;
constexpr int kServiceOtherStateImage = 1;

// Adds the active services to lsbNTServ in the manager's order; once, when the main window is
// built on NT. Without a service manager (null) the list stays empty.
void ListServices(Workspace& ws, ServiceControl* services);
// "&Startup": changes the start type of the service of that display name; tells the user what
// failed.
void StartupButton(Workspace& ws, ServiceControl* services, TfrmServ& dialog,
                   const std::string& displayName);
// "Event Viewer".
void OpenEventViewer(Workspace& ws);

}  // namespace tarnix
