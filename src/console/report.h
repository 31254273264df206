// tarnix2c.exe /report: every startup place against the snapshot, for scripts. It only reads:
// nothing is written to the snapshot, the log or anywhere else.
#pragma once

#include <string>
#include <vector>

#include "platform/store.h"
#include "watchdog/place_comparison.h"

namespace tarnix {

// The exit codes a script reads.
enum ReportExit { kNothingChanged = 0, kSomethingChanged = 1, kNoAnswer = 2 };

// What the report prints (UTF-8; the console program writes it in the console's code page)
// and how it ends.
struct ReportOutput {
  std::string out;
  std::string err;
  int exitCode = kNoAnswer;
};

// `arguments` come after the program's name; `computer` is the name the JSON document gives. The
// scheduled tasks are compared only with a scheduler.
ReportOutput RunReport(Store& store, const std::string& computer,
                       const std::vector<std::string>& arguments, Scheduler* scheduler = nullptr);

// "added", "deleted", "changed" or "unchanged".
const char* StateName(EntryState state);
// The snapshot's key with its root's full name.
std::string SnapshotKeyName();

// Each place with its changes (and its unchanged entries when they were compared), under the
// place's full name; places that cannot be read are left to standard error.
std::string ReportText(const std::vector<PlaceComparison>& places);
// One JSON document: the computer, the snapshot's key, each place with its entries.
std::string ReportJson(const std::string& computer, const std::vector<PlaceComparison>& places);

}  // namespace tarnix
