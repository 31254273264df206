// How every subsystem tells the user of a failure: caption "Error!", the stop icon, owned by
// the main window.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

void ShowError(Workspace& ws, const std::string& text);

}  // namespace tarnix
