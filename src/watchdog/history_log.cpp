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

// A standard user may not write beside a program installed for everyone; the log then goes to
// the user's own folder. Appending nothing tells without changing the log.
const std::string& LogInUse(Workspace& ws) {
  if (ws.logPlaceChosen)
    return ws.logPath;
  ws.logPlaceChosen = true;
  if (ws.store.AppendText(ws.logPath, "").failure != StoreFailure::AccessDenied)
    return ws.logPath;
  const std::optional<std::string> local = ShellFolder(ws.store, "Local AppData");
  if (!local)
    return ws.logPath;
  const std::string folder = *local + "Tarnix2";
  if (ws.store.GetFileAttributes(folder) == kInvalidAttributes && !ws.store.CreateFolder(folder))
    return ws.logPath;
  ws.logPath = folder + "\\tx2log.txt";
  return ws.logPath;
}

// Appends the lines (each ending in CR LF). When the log refuses them and they hold more than
// ASCII, a character the code page cannot hold may be the cause: the lines are written one by
// one, a line that is refused as it stands with its characters beyond ASCII spelled out.
StoreResult Append(Workspace& ws, const std::string& lines) {
  const std::string& path = LogInUse(ws);
  StoreResult whole = ws.store.AppendText(path, lines);
  if (whole || IsAscii(lines))
    return whole;
  for (size_t at = 0; at < lines.size();) {
    const size_t end = std::min(lines.find("\r\n", at), lines.size() - 2) + 2;
    const std::string line = lines.substr(at, end - at);
    if (!ws.store.AppendText(path, line)) {
      if (StoreResult spelled = ws.store.AppendText(path, SpellOutBeyondAscii(line)); !spelled)
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
  OpenForUser(ws, ws.mainForm, LogInUse(ws));
}

// A log that is not there is as clear as it gets; one that stays is told.
void ClearHistoryLog(Workspace& ws) {
  if (ws.toolkit.MessageBox(ws.mainForm, "Are you sure to clear history log ?", "Attention!",
                            ui::mb::YesNo | ui::mb::IconInfo) == ui::mb::IdYes)
    Tell(ws, RemoveFile(ws.store, LogInUse(ws)));
}

}  // namespace tarnix
