#include "app/logon_check.h"

#include <optional>

#include "app/program.h"
#include "platform/scheduler_ahead.h"
#include "runlists/undo_journal.h"
#include "setup/splash_form.h"
#include "watchdog/check.h"

namespace tarnix {

bool RunUnchangedLogonCheck(Store& store, ui::Toolkit& toolkit,
                            const std::vector<std::string>& arguments, Scheduler* scheduler) {
  if (CommandOf(arguments) != "/c")
    return false;
  // The scheduler is reached (a call to its service) while the other places are compared.
  std::optional<ListingAhead> ahead;
  if (scheduler != nullptr)
    scheduler = &ahead.emplace(*scheduler);
  Workspace ws(store, toolkit);
  const LocalDateTime start = store.Now();
  ws.catalogue = BuildCatalogue(store);
  if (!NothingChangedSinceSnapshot(store, ws.catalogue, scheduler))
    return false;
  // What the full start leaves behind besides the log.
  Titled(toolkit);
  EnsureUndoKey(store);
  LocateProgramFolder(ws);
  TfrmSplash splash(toolkit);
  splash.ShowChecking();
  // The splash goes with its window at the end; the program ends right after.
  return LogCheckWithoutChanges(ws, start);
}

}  // namespace tarnix
