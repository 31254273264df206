#include "watchdog/check.h"

#include "sources/loading.h"
#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/save_command.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

const char* const kLineSections[] = {"Autoexec", "Config", "Winstart", "Startup", "Common Startup"};
const char* const kRunSections[] = {"HKLM_Run", "HKLM_RunService", "HKCU_Run"};

using SectionCheck = bool (*)(CheckRun&, const StartupSection&);

// A section whose handling fails is reported, and the check goes on with the next one; what
// was written before the failure stays written.
bool CheckGuarded(CheckRun& run, const char* key, SectionCheck check) {
  const StartupSection* section = run.ws.catalogue.Find(key);
  if (section == nullptr)
    return false;
  const int reportsBefore = run.Reports();
  try {
    return check(run, *section);
  } catch (const StoreError& error) {
    run.ShowError(error.what());
    return run.Reports() > reportsBefore;
  }
}

}  // namespace

bool CheckAllSections(CheckRun& run) {
  Workspace& ws = run.ws;
  const LocalDateTime start = ws.store.Now();
  run.Logged(AppendLogText(ws, StartLine(ShortDate(start), ws.store.LongTimeText(start))));
  bool changed = false;
  for (const char* key : kLineSections)
    changed = CheckGuarded(run, key, CheckLineSection) || changed;
  for (const char* key : kRunSections) changed = CheckGuarded(run, key, CheckRunSection) || changed;
  changed = CheckGuarded(run, "Winini", CheckWininiSection) || changed;
  RefreshAll(ws);
  run.Logged(AppendLogText(ws, EndLines(ws.store.LongTimeText(ws.store.Now()))));
  return changed;
}

bool RunCheck(Workspace& ws, TForm1& report, const std::function<void()>& firstLaunch) {
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
    SaveSnapshot(ws);
  }
  ClearModifiedMarks(ws);
  ws.dataChanged = false;
  return changed;
}

}  // namespace tarnix
