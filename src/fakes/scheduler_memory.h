// Scheduled tasks in memory, for tests, with faults a test can inject.
//
// Paths compare without regard to case; a folder is there while a task is in it. A task is
// kept as the record it was added or restored with: its xml is not read, and a record without
// one cannot be restored (as a scheduler refuses an empty definition).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/scheduler.h"

namespace tarnix {

class MemoryScheduler : public Scheduler {
 public:
  // Adds the task or replaces the one of its path. One with neither trigger is kept, not listed.
  void Add(ScheduledTask task);
  // The listing leaves out the tasks of this folder and every folder below it and fails with
  // `kind`, as for a folder the user may not read.
  void RefuseFolder(const std::string& folder, StoreFailure kind = StoreFailure::AccessDenied);
  // Enabling, disabling, deleting or restoring this task fails with `kind` and changes
  // nothing; reading it works.
  void RefuseChange(const std::string& path, StoreFailure kind = StoreFailure::AccessDenied);
  // The listing leaves the task out and reading it is refused, as for a task this account may
  // not read.
  void Hide(const std::string& path);
  // From now on the k-th call (counted from 1) of any operation fails with `kind` and changes
  // nothing; 0 fails none. Calls() counts them since.
  void FailCall(int k, StoreFailure kind);
  int Calls() const { return calls_; }

  TaskListing ListStartupTasks() override;
  TaskRead ReadTask(const std::string& path) override;
  StoreResult SetEnabled(const std::string& path, bool enabled) override;
  StoreResult DeleteTask(const std::string& path) override;
  StoreResult RestoreTask(const ScheduledTask& task) override;

 private:
  ScheduledTask* Lookup(const std::string& path);
  bool Hidden(const std::string& path) const;
  // Why the task cannot be changed: a refused change, or a missing task.
  StoreResult Change(const std::string& path, TaskOperation operation);
  // The failure of this call, where it is the one to fail.
  StoreFailure CallFailure();

  std::vector<ScheduledTask> tasks_;
  std::map<std::string, StoreFailure> refusedFolders_, refusedChanges_;  // by folded path
  std::vector<std::string> hidden_;                                      // folded paths
  int failAt_ = 0, calls_ = 0;
  StoreFailure callFailure_ = StoreFailure::None;
};

}  // namespace tarnix
