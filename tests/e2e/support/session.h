// Running tarnix2.exe through its start-up so that the next start meets no surprise.
#pragma once

#include <windows.h>

#include "e2e/support/tarnix_process.h"

namespace e2e {

// Makes the snapshot hold the system as it is now: deletes it and runs "tarnix2.exe /c",
// whose first launch saves a new one, confirming what that start shows. Whether it ended
// within the time with exit code 0.
bool SnapshotCurrentState();

// Confirms every message box and first-launch window the process shows until the main
// window appears; the main window, or null when it did not appear in time.
HWND WaitForMainWindow(TarnixProcess& process, DWORD timeoutMs);

}  // namespace e2e
