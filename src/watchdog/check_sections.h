// The change check of one section in two steps: compare with the snapshot, then report and
// carry the decision out. The whole check compares every section before the first report, so
// that its event names every change, and reads each place and snapshot once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/store.h"
#include "sources/catalogue.h"
#include "watchdog/check_run.h"
#include "watchdog/place_comparison.h"

namespace tarnix {

// A logon list or key of marks that the snapshot does not hold yet (one made by an earlier
// version) is taken into it without a report, and one log line names them all.
void TakeNewListsIntoSnapshot(CheckRun& run);

// The order in which the check goes through the places: the texts, then the folders, then the
// run lists and Task Manager's marks, then win.ini, then the scheduled tasks.
constexpr SectionKind kCheckOrder[] = {kindTextFile, kindFolder, kindRunList,
                                       kindMarks,    kindWinIni, kindTasks};

// What the compare step found: the changes (or why the place was not compared) and the step
// that follows, which tells such a failure or shows the report and carries the decision out,
// and gives true when the section had changed (its report was shown).
struct ComparedSection {
  PlaceComparison found;
  std::function<bool()> report;
};

// kindTextFile and kindFolder.
ComparedSection CompareLineSection(CheckRun& run, const StartupSection& section);
// kindRunList and kindMarks.
ComparedSection CompareRunSection(CheckRun& run, const StartupSection& section);
// kindWinIni: the load value, then the run value, each reported and decided on its own.
ComparedSection CompareWininiSection(CheckRun& run, const StartupSection& section);

// kindTasks: OK takes the tasks as they are into the snapshot; Change Back deletes a new task
// and registers a gone or changed one again from the snapshot, or only sets its enabled state
// back where that alone changed.
ComparedSection CompareTaskSection(CheckRun& run, const StartupSection& section);

// Shows a list of registry values or tasks as the report, logged as found, offering only OK and
// Change Back (when there is a snapshot to change back to); the report's other buttons are
// enabled again after.
ReportResult ShowValueReport(CheckRun& run, const ReportList& list, const std::string& place,
                             bool canChangeBack);

// A place left out of the check: its report step tells why.
ComparedSection NotCompared(CheckRun& run, const StartupSection& section, const StoreResult& why);
// A place whose report would show nothing: its report step has nothing to do.
ComparedSection NoReport(PlaceComparison found);

}  // namespace tarnix
