// tarnix2.exe /c at a logon that finds every startup place as the snapshot holds it. The full
// start would create every window and load every place only to end after the check: here the
// splash window is all that is made while the check's lines go to the log.
#pragma once

#include <string>
#include <vector>

#include "platform/scheduler.h"
#include "platform/store.h"
#include "ui/toolkit.h"

namespace tarnix {

// True when the first argument is "/c" and nothing has changed since the snapshot: the splash
// was shown, the log holds the check's start and end lines, and the program may end. False
// when the full start has to run instead (another argument, a change, a first launch, a place
// that cannot be read, a log that refused the lines); nothing was logged then. The scheduled
// tasks are compared only with a scheduler.
[[nodiscard]] bool RunUnchangedLogonCheck(Store& store, ui::Toolkit& toolkit,
                                          const std::vector<std::string>& arguments,
                                          Scheduler* scheduler = nullptr);

}  // namespace tarnix
