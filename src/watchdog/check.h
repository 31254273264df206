// The change check: compares every startup place with the snapshot.
#pragma once

#include <functional>

#include "sources/workspace.h"
#include "watchdog/report_form.h"

namespace tarnix {

// Runs the whole check; firstLaunch shows the first-launch window when there is no snapshot.
// True when changes were found.
bool RunCheck(Workspace& ws, TForm1& report, const std::function<void()>& firstLaunch);

}  // namespace tarnix
