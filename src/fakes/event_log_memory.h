// The event log in memory, for tests: the events written, in order, or a refusal of each.
#pragma once

#include <vector>

#include "platform/event_log.h"

namespace tarnix {

class MemoryEventLog : public EventSink {
 public:
  StoreResult Write(const LogEvent& event) override {
    if (refuse)
      return {StoreFailure::AccessDenied, "The event log refused the event."};
    events.push_back(event);
    return {};
  }

  std::vector<LogEvent> events;
  bool refuse = false;
};

}  // namespace tarnix
