#include "sources/task_page.h"

#include "base/text_case.h"
#include "sources/loading.h"

namespace tarnix {

namespace {

const char kNoScheduler[] = "The task scheduler cannot be reached.";

TaskPlace ListTasks(Workspace& ws) {
  if (ws.scheduler == nullptr)
    return {{StoreFailure::Other, kNoScheduler}, {}};
  return ReadTaskPlace(*ws.scheduler);
}

const ScheduledTask* TaskOf(const Workspace& ws, const std::string& path) {
  for (const ScheduledTask& task : ws.places.tasks.tasks) {
    if (FoldCase(task.path) == FoldCase(path))
      return &task;
  }
  return nullptr;
}

// A task gone from the page leaves the status bar to the pages' notes.
void ShowTaskState(Workspace& ws) {
  if (ws.views.status == nullptr)
    return;
  const std::string notes = PageNotes(ws);
  const ScheduledTask* task = TaskOf(ws, SelectedTaskPath(ws));
  if (task == nullptr) {
    ws.views.status->SetPanelText(0, notes);
    return;
  }
  ws.views.status->SetPanelText(0, task->path + ": " + TaskTriggerText(*task) +
                                       (task->enabled ? ", enabled" : ", disabled") +
                                       (notes.empty() ? "" : "  " + notes));
}

// The places' tasks drawn, the task of this path selected while it is there.
void DrawTasks(Workspace& ws, const std::string& selected) {
  ui::ListBox* list = ws.views.lsbTasks;
  if (list == nullptr)
    return;
  list->Clear();
  const std::vector<TaskRow> rows = TaskRows(ws.places);
  for (size_t i = 0; i < rows.size(); ++i) {
    list->Add(rows[i].text);
    list->SetItemGreyed(static_cast<int>(i), rows[i].greyed);
    if (!selected.empty() && FoldCase(rows[i].path) == FoldCase(selected))
      list->SetItemIndex(static_cast<int>(i));
  }
  if (!selected.empty())
    ShowTaskState(ws);
}

}  // namespace

void LoadStartupTasks(Workspace& ws) {
  if (ws.views.lsbTasks != nullptr)
    ShowListedTasks(ws, ListTasks(ws));
}

void ShowListedTasks(Workspace& ws, TaskPlace listed) {
  const std::string selected = SelectedTaskPath(ws);
  ws.places.tasks = std::move(listed);
  DrawTasks(ws, selected);
}

std::string SelectedTaskPath(const Workspace& ws) {
  const ui::ListBox* list = ws.views.lsbTasks;
  const std::vector<TaskRow> rows = TaskRows(ws.places);
  const auto at = static_cast<size_t>(list != nullptr ? list->ItemIndex() : -1);
  return at < rows.size() ? rows[at].path : "";
}

void BindTaskStates(Workspace& ws) {
  if (ui::ListBox* list = ws.views.lsbTasks)
    list->onChange = [&ws] { ShowTaskState(ws); };
}

}  // namespace tarnix
