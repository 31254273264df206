// Starting a tool for the user (the registry editor, the event viewer, a folder): through the
// shell, which asks for elevation where the tool needs it, and never silently.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// Starts the command line; what kept it from starting is shown in an error box owned by the
// main window. A user who declined the elevation is not told again.
void StartForUser(Workspace& ws, const std::string& commandLine, int showCommand);
// Opens a document or an address maximised with the program the shell has for it; when there
// is none, "Cannot open <target>" in an error box owned by `owner`.
void OpenForUser(Workspace& ws, ui::Form* owner, const std::string& target);

}  // namespace tarnix
