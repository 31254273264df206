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
// empty string; `named`, each as "name=command".
std::vector<std::string> CheckedCommands(const std::vector<NamedValue>& values, bool named = false);
// The snapshot side of that comparison: every value.
std::vector<std::string> AllValueTexts(const std::vector<NamedValue>& values, bool named = false);

// A run list and its snapshot as the check compares them. A list whose entries Windows deletes
// once started compares only the snapshot's entries that are still there: the others ran.
struct ComparedRunList {
  std::vector<NamedValue> snapshot;  // what Change Back writes
  std::vector<std::string> currentLines, snapshotLines;
};
ComparedRunList CompareRunList(const RunKeyLocation& where, const std::vector<NamedValue>& current,
                               const std::vector<NamedValue>& snapshot);

// A logon list that the snapshot does not hold yet (one made by an earlier version) is taken
// into it without a report, and one log line names them all.
void TakeNewListsIntoSnapshot(CheckRun& run);

// Why a place was left out of the check: a file or run key that cannot be read, a folder that
// is not known.
std::string NotCheckedText(const StartupSection& section);

// kindTextFile and kindFolder.
bool CheckLineSection(CheckRun& run, const StartupSection& section);
// kindRunList.
bool CheckRunSection(CheckRun& run, const StartupSection& section);
// kindWinIni: the load value, then the run value, each reported and decided on its own.
bool CheckWininiSection(CheckRun& run, const StartupSection& section);

}  // namespace tarnix
