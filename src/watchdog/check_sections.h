// The change check of one section: compare with the snapshot, report, carry the decision out.
// Each gives true when the section had changed (its report was shown).
#pragma once

#include <string>
#include <vector>

#include "platform/store.h"
#include "sources/catalogue.h"
#include "watchdog/check_run.h"

namespace tarnix {

// A run list's values as the check compares them with its snapshot: every value except an
// empty string.
std::vector<std::string> CheckedCommands(const std::vector<NamedValue>& values);
// The snapshot side of that comparison: every value.
std::vector<std::string> AllValueTexts(const std::vector<NamedValue>& values);

// Why a place was left out of the check: a file or run key that cannot be read, a folder that
// is not known.
std::string NotCheckedText(const StartupSection& section);
// Why a place whose snapshot could not be read was left out of the check.
std::string SnapshotNotReadText(const StartupSection& section);

// kindTextFile and kindFolder.
bool CheckLineSection(CheckRun& run, const StartupSection& section);
// kindRunList.
bool CheckRunSection(CheckRun& run, const StartupSection& section);
// kindWinIni: the load value, then the run value, each reported and decided on its own.
bool CheckWininiSection(CheckRun& run, const StartupSection& section);

}  // namespace tarnix
