// The history log "tx2log.txt", beside the program or, for a user who may not write there, in
// the user's local application data folder: its two writers and the File menu's two
// commands. The log is only ever appended to, in the ANSI code page.
#pragma once

#include <string>
#include <vector>

#include "sources/workspace.h"
#include "watchdog/log_text.h"

namespace tarnix {

// Appends the text and CR LF.
StoreResult AppendLogText(Workspace& ws, const std::string& text);
// Appends one block (log_text.h).
StoreResult LogChangeList(Workspace& ws, const std::vector<ChangeLine>& lines, LogKind kind,
                          const std::string& label);
StoreResult LogChangeList(Workspace& ws, const ReportList& lines, LogKind kind,
                          const std::string& label);
StoreResult LogChangeList(Workspace& ws, const std::vector<std::string>& lines, LogKind kind,
                          const std::string& label);

// Menu commands of the main window.
void ShowHistoryLog(Workspace& ws);
void ClearHistoryLog(Workspace& ws);

}  // namespace tarnix
