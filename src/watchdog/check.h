// The change check: compares every startup place with the snapshot.
#pragma once

#include <functional>

#include "sources/workspace.h"
#include "watchdog/check_run.h"
#include "watchdog/report_form.h"

namespace tarnix {

// Runs the whole check; firstLaunch shows the first-launch window when there is no snapshot
// (which is then saved). True when changes were found.
bool RunCheck(Workspace& ws, TForm1& report, const std::function<void()>& firstLaunch);
// Every section in its fixed order between the log's start and end lines, then a refresh of
// every place.
bool CheckAllSections(CheckRun& run);

}  // namespace tarnix
