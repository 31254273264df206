// The task scheduler's own store: each task's definition in an XML file of its own under the
// system's Tasks folder, at the task's path. Read where the scheduler's interface cannot list
// a folder's tasks or a task's triggers and actions (Wine's answers E_NOTIMPL).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/scheduler.h"

namespace tarnix {

// The paths of the tasks stored in this folder ("\Vendor"), not in the folders below it.
HRESULT TaskFilesIn(const std::string& folder, std::vector<std::string>& paths);
// The task as its file defines it: the enabled state, the boot and logon triggers that are
// enabled, the exec actions and the file's text.
HRESULT ReadTaskFile(const std::string& path, ScheduledTask& task);

}  // namespace tarnix
