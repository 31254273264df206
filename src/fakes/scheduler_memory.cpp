#include "fakes/scheduler_memory.h"

#include <algorithm>

#include "base/text_case.h"

namespace tarnix {

namespace {

bool Within(const std::string& path, const std::string& folder) {
  const std::string prefix = folder == "\\" ? folder : folder + "\\";
  return FoldCase(path).compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

void MemoryScheduler::Add(ScheduledTask task) {
  if (ScheduledTask* held = Lookup(task.path))
    *held = std::move(task);
  else
    tasks_.push_back(std::move(task));
}

void MemoryScheduler::RefuseFolder(const std::string& folder, StoreFailure kind) {
  refusedFolders_[FoldCase(folder)] = kind;
}

void MemoryScheduler::RefuseChange(const std::string& path, StoreFailure kind) {
  refusedChanges_[FoldCase(path)] = kind;
}

void MemoryScheduler::Hide(const std::string& path) {
  hidden_.push_back(FoldCase(path));
}

bool MemoryScheduler::Hidden(const std::string& path) const {
  return std::find(hidden_.begin(), hidden_.end(), FoldCase(path)) != hidden_.end();
}

void MemoryScheduler::FailCall(int k, StoreFailure kind) {
  failAt_ = k;
  callFailure_ = kind;
  calls_ = 0;
}

StoreFailure MemoryScheduler::CallFailure() {
  return ++calls_ == failAt_ ? callFailure_ : StoreFailure::None;
}

TaskListing MemoryScheduler::ListStartupTasks() {
  TaskListing listing;
  if (const StoreFailure failure = CallFailure(); failure != StoreFailure::None) {
    static_cast<StoreResult&>(listing) = {failure, TaskFailureText(TaskOperation::List, "\\")};
    return listing;
  }
  for (const ScheduledTask& task : tasks_) {
    auto refused =
        std::find_if(refusedFolders_.begin(), refusedFolders_.end(),
                     [&](const auto& folder) { return Within(task.path, folder.first); });
    if (refused == refusedFolders_.end()) {
      if ((task.atBoot || task.atLogon) && !Hidden(task.path))
        listing.tasks.push_back(task);
    } else if (listing) {
      static_cast<StoreResult&>(listing) = {
          refused->second, TaskFailureText(TaskOperation::List, TaskFolderOf(task.path))};
    }
  }
  return listing;
}

TaskRead MemoryScheduler::ReadTask(const std::string& path) {
  TaskRead read;
  const ScheduledTask* task = Lookup(path);
  if (const StoreFailure failure = CallFailure(); failure != StoreFailure::None)
    static_cast<StoreResult&>(read) = {failure, TaskFailureText(TaskOperation::Read, path)};
  else if (task != nullptr && Hidden(path))
    static_cast<StoreResult&>(read) = {StoreFailure::AccessDenied,
                                       TaskFailureText(TaskOperation::Read, path)};
  else if (task != nullptr)
    read.task = *task;
  else
    static_cast<StoreResult&>(read) = {StoreFailure::NotFound,
                                       TaskFailureText(TaskOperation::Read, path)};
  return read;
}

StoreResult MemoryScheduler::SetEnabled(const std::string& path, bool enabled) {
  StoreResult result = Change(path, enabled ? TaskOperation::Enable : TaskOperation::Disable);
  if (result)
    Lookup(path)->enabled = enabled;
  return result;
}

StoreResult MemoryScheduler::DeleteTask(const std::string& path) {
  StoreResult result = Change(path, TaskOperation::Delete);
  if (result)
    tasks_.erase(tasks_.begin() + (Lookup(path) - tasks_.data()));
  return result;
}

StoreResult MemoryScheduler::RestoreTask(const ScheduledTask& task) {
  const auto refused = refusedChanges_.find(FoldCase(task.path));
  const StoreFailure called = CallFailure();
  const StoreFailure failure = called != StoreFailure::None       ? called
                               : refused != refusedChanges_.end() ? refused->second
                               : task.xml.empty()                 ? StoreFailure::Other
                                                                  : StoreFailure::None;
  if (failure == StoreFailure::None)
    Add(task);
  return Outcome(failure, TaskFailureText(TaskOperation::Restore, task.path));
}

ScheduledTask* MemoryScheduler::Lookup(const std::string& path) {
  auto found = std::find_if(tasks_.begin(), tasks_.end(), [&](const ScheduledTask& task) {
    return FoldCase(task.path) == FoldCase(path);
  });
  return found == tasks_.end() ? nullptr : &*found;
}

StoreResult MemoryScheduler::Change(const std::string& path, TaskOperation operation) {
  const auto refused = refusedChanges_.find(FoldCase(path));
  const StoreFailure called = CallFailure();
  const StoreFailure failure = called != StoreFailure::None       ? called
                               : refused != refusedChanges_.end() ? refused->second
                               : Lookup(path) == nullptr          ? StoreFailure::NotFound
                                                                  : StoreFailure::None;
  return Outcome(failure, TaskFailureText(operation, path));
}

}  // namespace tarnix
