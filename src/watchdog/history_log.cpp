#include "watchdog/history_log.h"
#include "platform/file_removal.h"
#include "sources/restart_offer.h"
#include "sources/start_for_user.h"

#include <algorithm>

namespace tarnix {

namespace {

bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  }
  return true;
}

// Appends the lines (each ending in CR LF). When the log refuses them and they hold more than
// ASCII, a character the code page cannot hold may be the cause: the lines are written one by
// one, a line that is refused as it stands with its characters beyond ASCII spelled out.
StoreResult Append(Workspace& ws, const std::string& lines) {
  StoreResult whole = ws.store.AppendText(ws.logPath, lines);
  if (whole || IsAscii(lines))
    return whole;
  for (size_t at = 0; at < lines.size();) {
    const size_t end = std::min(lines.find("\r\n", at), lines.size() - 2) + 2;
    const std::string line = lines.substr(at, end - at);
    if (!ws.store.AppendText(ws.logPath, line)) {
      if (StoreResult spelled = ws.store.AppendText(ws.logPath, SpellOutBeyondAscii(line));
          !spelled)
        return spelled;
    }
    at = end;
  }
  return {};
}

}  // namespace

StoreResult AppendLogText(Workspace& ws, const std::string& text) {
  return Append(ws, text + "\r\n");
}

StoreResult LogChangeList(Workspace& ws, const std::vector<ChangeLine>& lines, LogKind kind,
                          const std::string& label) {
  return Append(ws, ChangeListBlock(lines, kind, label));
}

StoreResult LogChangeList(Workspace& ws, const ReportList& lines, LogKind kind,
                          const std::string& label) {
  return Append(ws, ChangeListBlock(lines, kind, label));
}

StoreResult LogChangeList(Workspace& ws, const std::vector<std::string>& lines, LogKind kind,
                          const std::string& label) {
  return Append(ws, PlainListBlock(lines, kind, label));
}

void ShowHistoryLog(Workspace& ws) {
  OpenForUser(ws, ws.mainForm, ws.logPath);
}

// A log that is not there is as clear as it gets; one that stays is told.
void ClearHistoryLog(Workspace& ws) {
  if (ws.toolkit.MessageBox(ws.mainForm, "Are you sure to clear history log ?", "Attention!",
                            ui::mb::YesNo | ui::mb::IconInfo) == ui::mb::IdYes)
    Tell(ws, RemoveFile(ws.store, ws.logPath));
}

}  // namespace tarnix
