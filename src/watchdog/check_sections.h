// The change check of one section: compare with the snapshot, report, carry the decision out.
// Each gives true when the section had changed (its report was shown).
#pragma once

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
// run lists and Task Manager's marks, then win.ini.
constexpr SectionKind kCheckOrder[] = {kindTextFile, kindFolder, kindRunList, kindMarks,
                                       kindWinIni};

// kindTextFile and kindFolder.
bool CheckLineSection(CheckRun& run, const StartupSection& section);
// kindRunList and kindMarks.
bool CheckRunSection(CheckRun& run, const StartupSection& section);
// kindWinIni: the load value, then the run value, each reported and decided on its own.
bool CheckWininiSection(CheckRun& run, const StartupSection& section);

}  // namespace tarnix
