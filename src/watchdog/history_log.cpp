#include "watchdog/history_log.h"

namespace tarnix {

void ShowHistoryLog(Workspace&) {}
void ClearHistoryLog(Workspace&) {}

}  // namespace tarnix
