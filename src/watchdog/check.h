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
// Every section in its fixed order between the log's start and end lines: all compared first,
// then each reported and decided; then a refresh of every place.
bool CheckAllSections(CheckRun& run);

// Whether a check would find every section as its snapshot holds it, read from the store
// alone, without a window or a control. False as soon as a section differs, and whenever the
// full check has something to show: no snapshot yet, a text file that cannot be read, a
// failure to read. The scheduled tasks only with a scheduler.
[[nodiscard]] bool NothingChangedSinceSnapshot(Store& store, const Catalogue& catalogue,
                                               Scheduler* scheduler = nullptr);
// What the log gets from a check that found nothing: its start and end lines. False when the
// log refused them.
[[nodiscard]] bool LogCheckWithoutChanges(Workspace& ws, const LocalDateTime& start);

}  // namespace tarnix
