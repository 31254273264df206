#include "sources/task_commands.h"

#include "sources/restart_offer.h"

namespace tarnix {

namespace {

// A task that is not there is nothing to change.
void TellUnlessGone(Workspace& ws, const StoreResult& result) {
  if (result.failure != StoreFailure::NotFound)
    Tell(ws, result);
}

}  // namespace

void DeleteStartupTask(Workspace& ws, const std::string& path) {
  if (ws.scheduler == nullptr ||
      ws.toolkit.MessageBox(ws.mainForm, "Are you sure delete the scheduled task " + path + " ?",
                            "Attention!", ui::mb::OkCancel | ui::mb::IconWarning) != ui::mb::IdOk)
    return;
  TellUnlessGone(ws, ws.scheduler->DeleteTask(path));
}

void SetStartupTaskEnabled(Workspace& ws, const std::string& path, bool enabled) {
  if (ws.scheduler == nullptr)
    return;
  const TaskRead read = ws.scheduler->ReadTask(path);
  if (!read) {
    TellUnlessGone(ws, read);
    return;
  }
  if (read.task.enabled != enabled)
    Tell(ws, ws.scheduler->SetEnabled(path, enabled));
}

}  // namespace tarnix
