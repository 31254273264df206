// Task-scheduler behaviour every implementation shares (memory and Win32).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "conformance/target_param.h"
#include "platform/scheduler.h"

namespace tarnix {

// What a platform's scheduler may lack; tests needing it skip after a failure with a text.
enum class SchedulerGap { Enabling, Restoring };

class SchedulerTarget {
 public:
  virtual ~SchedulerTarget() = default;
  virtual Scheduler& scheduler() = 0;
  // A folder of the test's own under the root ("\Name"), empty; the target removes it with
  // everything the test left in it.
  virtual std::string folder() const = 0;
  // Registers the task as another program would, hidden from the scheduler's own listings if
  // asked; one with neither trigger gets a time trigger. Gives the definition registered.
  virtual std::string Plant(const ScheduledTask& task, bool hidden) = 0;
  // Why this platform's scheduler lacks it, or null.
  virtual const char* Gap(SchedulerGap) const { return nullptr; }
};

using SchedulerParam = TargetParam<SchedulerTarget>;
inline constexpr TargetParamName SchedulerParamName;

class SchedulerConformance : public TargetSuite<SchedulerTarget> {
 protected:
  void SetUp() override;

  Scheduler& scheduler() { return target_->scheduler(); }
  std::string Path(const std::string& name) const { return target_->folder() + "\\" + name; }
  // The task read back matches the one planted: path, state, triggers, actions, a definition.
  void ExpectRead(const ScheduledTask& read, const ScheduledTask& planted);

  // Boot and logon, two actions; logon only, disabled and hidden, two folders down; and a task
  // that starts at neither.
  ScheduledTask updater_, logon_, timed_;
};

}  // namespace tarnix
