// The system's event log as the program writes to it: one source, "Tarnix2", in the
// Application log. An event carries an ID whose text is in the program's message table and one
// inserted text, the details. Writing an event is never a reason for a command to fail.
#pragma once

#include <cstdint>
#include <string>

#include "platform/store.h"

namespace tarnix {

enum class EventType { Information, Warning, Error };

struct LogEvent {
  uint32_t id = 0;
  EventType type = EventType::Information;
  std::string text;
  bool operator==(const LogEvent& o) const {
    return id == o.id && type == o.type && text == o.text;
  }
};

class EventSink {
 public:
  virtual ~EventSink() = default;
  // Writes one event; a failure says why.
  virtual StoreResult Write(const LogEvent& event) = 0;
};

extern const char kEventSource[];     // "Tarnix2"
extern const char kEventSourceKey[];  // the source's key under HKEY_LOCAL_MACHINE

// Registers the source with the file that holds its message table (EventMessageFile, an
// expandable string) and the types it writes (TypesSupported), so that the event viewer shows
// the events' texts; one that fails part-way is taken away again. An unregistered source still
// writes its events, without those texts.
StoreResult RegisterEventLogSource(Store& store, const std::string& messageFile);
// Removes the registration; none is no failure.
StoreResult RemoveEventLogSource(Store& store);

}  // namespace tarnix
