#include "watchdog/check.h"

#include "base/time_spans.h"
#include "sources/loading.h"
#include "watchdog/check_events.h"
#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/save_command.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

using SectionCompare = ComparedSection (*)(CheckRun&, const StartupSection&);

SectionCompare CompareOf(SectionKind kind) {
  switch (kind) {
    case kindRunList:
    case kindMarks:
      return CompareRunSection;
    case kindWinIni:
      return CompareWininiSection;
    case kindTasks:
      return CompareTaskSection;
    default:
      return CompareLineSection;
  }
}

std::string CheckStartLine(Workspace& ws, const LocalDateTime& start) {
  return StartLine(ShortDate(start), ws.store.LongTimeText(start));
}

std::string CheckEndLines(Workspace& ws) {
  return EndLines(ws.store.LongTimeText(ws.store.Now()));
}

}  // namespace

bool CheckAllSections(CheckRun& run) {
  Workspace& ws = run.ws;
  run.Logged(AppendLogText(ws, CheckStartLine(ws, ws.store.Now())));
  TakeNewListsIntoSnapshot(run);
  std::vector<PlaceComparison> found;
  std::vector<std::function<bool()>> reports;
  for (SectionKind kind : kCheckOrder) {
    for (const StartupSection* section : ws.catalogue.OfKind(kind)) {
      if (!Watched(*section, ws.scheduler))
        continue;
      ComparedSection compared = CompareOf(kind)(run, *section);
      found.push_back(std::move(compared.found));
      reports.push_back(std::move(compared.report));
    }
  }
  WriteFoundEvents(ws, found);
  bool changed = false;
  for (const auto& report : reports) changed = report() || changed;
  {
    TimeSpan span("reload after check");
    RefreshAll(ws);
  }
  run.Logged(AppendLogText(ws, CheckEndLines(ws)));
  return changed;
}

bool LogCheckWithoutChanges(Workspace& ws, const LocalDateTime& start) {
  return static_cast<bool>(
      AppendLogText(ws, CheckStartLine(ws, start) + "\r\n" + CheckEndLines(ws)));
}

namespace {

bool CheckOrFirstLaunch(Workspace& ws, TForm1& report, const std::function<void()>& firstLaunch) {
  if ((ws.dataChanged || AnyTextModified(ws)) &&
      ws.toolkit.MessageBox(ws.mainForm, "The data were changed! Save before check ?", "Attention!",
                            ui::mb::YesNo | ui::mb::IconInfo) == ui::mb::IdYes &&
      !SaveEditedTexts(ws)) {
    // Checking now would reload the pages and lose the edits that could not be saved.
    throw StoreError("The check did not run, so that the edits that were not saved are kept.");
  }
  bool changed = false;
  if (SnapshotExists(ws.store)) {
    CheckRun run(ws, report);
    changed = CheckAllSections(run);
  } else {
    if (firstLaunch)
      firstLaunch();
    // A snapshot that could not be written has shown its error box. What of it was written goes,
    // so that the next start is a first launch again, not a check against part of a snapshot.
    if (!SaveSnapshot(ws))
      static_cast<void>(ws.store.DeleteKey(Root::LocalMachine, kSnapshotRoot));
  }
  ClearModifiedMarks(ws);
  ws.dataChanged = false;
  return changed;
}

}  // namespace

bool RunCheck(Workspace& ws, TForm1& report, const std::function<void()>& firstLaunch) {
  try {
    return CheckOrFirstLaunch(ws, report, firstLaunch);
  } catch (const std::exception& error) {
    WriteCheckEvent(ws, CheckEvent::CheckFailed, {{error.what(), {}}});
    throw;
  }
}

}  // namespace tarnix
