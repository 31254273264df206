// What the change check writes to the system's event log: one event for the changes a check
// finds, one for the places it could not compare or the error that stopped it, and one for each
// decision in the report. Their numbers are fixed: the README lists them and res/events.mc
// holds their texts, into which the places and lines go.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/event_log.h"
#include "sources/workspace.h"
#include "watchdog/place_comparison.h"
#include "watchdog/report_list.h"

namespace tarnix {

enum class CheckEvent : uint32_t {
  ChangesFound = 1000,
  Confirmed = 1001,
  ChangedBack = 1002,
  ListSaved = 1003,
  CheckFailed = 1004,
};
constexpr CheckEvent kCheckEvents[] = {CheckEvent::ChangesFound, CheckEvent::Confirmed,
                                       CheckEvent::ChangedBack, CheckEvent::ListSaved,
                                       CheckEvent::CheckFailed};
EventType TypeOf(CheckEvent event);

// A place as an event names it, with its lines.
struct EventPlace {
  std::string place;
  std::vector<std::string> lines;
};

// The added and deleted lines, marked "+ " and "- ".
std::vector<std::string> MarkedChanges(const ReportList& list);
std::vector<std::string> MarkedChanges(const std::vector<ChangeLine>& lines);

// Each place on a line of its own followed by its lines, an empty line between places; the
// lines beyond what one event holds are counted instead.
std::string EventText(const std::vector<EventPlace>& places);

// How the places stand against the snapshot, from their comparisons in the check's order: each
// changed place with its marked changes as the check's report shows them (a win.ini value as a
// place of its own), and why each place that cannot be read is left out.
struct SnapshotComparison {
  std::vector<EventPlace> changed;
  std::vector<EventPlace> notChecked;
};
SnapshotComparison SortFindings(const std::vector<PlaceComparison>& places);

// A win.ini value's place as the check's report heads it: "C:\WINDOWS\win.ini Parameter Load=".
std::string WininiHeading(const StartupSection& section, const std::string& iniKey);

// Writes the event when the workspace has an event log. A refusal is not told and changes
// nothing: the check and its decisions go on as without the log.
void WriteCheckEvent(Workspace& ws, CheckEvent event, const std::vector<EventPlace>& places);
// At the start of a check, from its comparisons: the changes it will report, and the places it
// cannot compare.
void WriteFoundEvents(Workspace& ws, const std::vector<PlaceComparison>& places);

}  // namespace tarnix
