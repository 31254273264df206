// Filled in by the services feature.
#include "services/services_page.h"

namespace tarnix {

void ListServices(Workspace&) {}
void StartupButton(Workspace&, TfrmServ&) {}
void OpenEventViewer(Workspace&) {}

}  // namespace tarnix
