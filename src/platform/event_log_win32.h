// The event log of the system: ReportEvent under the source "Tarnix2". The source is opened at
// the first event, so a run that writes none never opens it.
#pragma once

#include "base/handles_win32.h"
#include "platform/event_log.h"

namespace tarnix {

class Win32EventLog : public EventSink {
 public:
  StoreResult Write(const LogEvent& event) override;

 private:
  EventSourceHandle source_;
};

}  // namespace tarnix
