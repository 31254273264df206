#include "platform/event_log_win32.h"

#include <string>

#include "base/unicode_win32.h"
#include "platform/store_win32.h"

namespace tarnix {

namespace {

WORD TypeOf(EventType type) {
  switch (type) {
    case EventType::Error:
      return EVENTLOG_ERROR_TYPE;
    case EventType::Warning:
      return EVENTLOG_WARNING_TYPE;
    case EventType::Information:
      break;
  }
  return EVENTLOG_INFORMATION_TYPE;
}

StoreResult LastFailure(const char* what) {
  const DWORD error = GetLastError();
  return {FailureOfError(error),
          std::string(what) + " the event log failed (error " + std::to_string(error) + ")"};
}

}  // namespace

StoreResult Win32EventLog::Write(const LogEvent& event) {
  if (!source_.valid())
    source_.reset(RegisterEventSourceW(nullptr, Widen(kEventSource).c_str()));
  if (!source_.valid())
    return LastFailure("Opening");
  const std::wstring text = Widen(event.text);
  const wchar_t* strings[] = {text.c_str()};
  if (!ReportEventW(source_.get(), TypeOf(event.type), 0, event.id, nullptr, 1, 0, strings,
                    nullptr))
    return LastFailure("Writing to");
  return {};
}

}  // namespace tarnix
