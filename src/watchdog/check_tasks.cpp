#include "base/text_case.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "sources/startup_tasks.h"
#include "sources/task_page.h"
#include "watchdog/check_events.h"
#include "watchdog/check_sections.h"
#include "watchdog/history_log.h"
#include "watchdog/snapshot_store.h"
#include "watchdog/task_snapshot.h"

namespace tarnix {

namespace {

struct TaskReport {
  const StartupSection& section;
  std::vector<ScheduledTask> current, snapshot;
};

const ScheduledTask* FindTask(const std::vector<ScheduledTask>& tasks, const std::string& path) {
  for (const ScheduledTask& task : tasks) {
    if (FoldCase(task.path) == FoldCase(path))
      return &task;
  }
  return nullptr;
}

// Puts one task of the snapshot back: only its state where nothing else changed.
StoreResult PutBack(Scheduler& scheduler, const ScheduledTask& saved, const ScheduledTask* now) {
  if (now == nullptr)
    return scheduler.RestoreTask(saved);
  ScheduledTask enabledAsNow = saved;
  enabledAsNow.enabled = now->enabled;
  if (SameStart(enabledAsNow, *now))
    return saved.enabled == now->enabled ? StoreResult{}
                                         : scheduler.SetEnabled(saved.path, saved.enabled);
  return scheduler.RestoreTask(saved);
}

// Stops at the first task the scheduler refuses.
StoreResult ChangeTasksBack(Scheduler& scheduler, const TaskReport& r) {
  for (const ScheduledTask& task : r.current) {
    if (FindTask(r.snapshot, task.path) == nullptr) {
      if (StoreResult deleted = scheduler.DeleteTask(task.path); !deleted)
        return deleted;
    }
  }
  for (const ScheduledTask& saved : r.snapshot) {
    if (StoreResult put = PutBack(scheduler, saved, FindTask(r.current, saved.path)); !put)
      return put;
  }
  return {};
}

std::vector<std::string> Lines(const std::vector<ScheduledTask>& tasks) {
  std::vector<std::string> lines;
  for (const ScheduledTask& task : tasks) lines.push_back(TaskLine(task));
  return lines;
}

void Decide(CheckRun& run, const TaskReport& r, ReportResult result, const ReportList& shown) {
  Workspace& ws = run.ws;
  const std::string& place = r.section.place;
  if (result == ReportResult::Confirm) {
    if (run.WriteSnapshot([&] {
          return WriteKeyValues(ws.store, Root::LocalMachine, SnapshotKeyPath(r.section.key),
                                TaskSnapshotValues(r.current));
        })) {
      run.Logged(LogChangeList(ws, shown, LogKind::Confirmed, place));
      WriteCheckEvent(ws, CheckEvent::Confirmed, {{place, MarkedChanges(shown)}});
    }
  } else if (result == ReportResult::ChangeBack) {
    if (const StoreResult changed = ChangeTasksBack(*ws.scheduler, r); !changed) {
      Tell(ws, changed);
      return;
    }
    run.Logged(LogChangeList(ws, Lines(r.snapshot), LogKind::Cancelled, place));
    WriteCheckEvent(ws, CheckEvent::ChangedBack, {{place, MarkedChanges(shown)}});
  }
}

bool ReportTasks(CheckRun& run, const TaskReport& r) {
  // The list points into its lines.
  const std::vector<std::string> current = Lines(r.current), snapshot = Lines(r.snapshot);
  const auto list = BuildReportList(current, snapshot);
  if (!list)
    return false;
  const ReportResult result = ShowValueReport(run, *list, r.section.place, true);
  Decide(run, r, result, *list);
  ReloadPlace(run.ws, r.section);
  return true;
}

}  // namespace

ComparedSection CompareTaskSection(CheckRun& run, const StartupSection& section) {
  TaskPlace now = ReadTaskPlace(*run.ws.scheduler);
  ShowListedTasks(run.ws, now);
  StoreResult unread;
  const auto saved =
      ReadKeyValues(run.ws.store, Root::LocalMachine, SnapshotKeyPath(section.key), &unread);
  if (!unread)
    return NotCompared(run, section, unread.Saying(SnapshotNotReadText(section)));
  std::optional<std::vector<ScheduledTask>> tasks;
  if (saved) {
    tasks = TasksOfSnapshot(*saved);
    KeepUnreadableTasks(*run.ws.scheduler, now, *tasks);
  }
  PlaceComparison found = CompareTaskValues(section, now, tasks, false);
  if (!found.unread)
    return NotCompared(run, section, found.unread);
  if (found.notInSnapshot || !found.Changed())
    return NoReport(std::move(found));
  TaskReport r{section, std::move(now.tasks), std::move(*tasks)};
  return {std::move(found), [&run, r = std::move(r)] { return ReportTasks(run, r); }};
}

}  // namespace tarnix
