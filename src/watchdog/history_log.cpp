#include "watchdog/history_log.h"

namespace tarnix {

bool AppendLogText(Workspace& ws, const std::string& text) {
  return ws.store.AppendText(ws.logPath, text + "\r\n");
}

bool LogChangeList(Workspace& ws, const std::vector<ChangeLine>& lines, LogKind kind,
                   const std::string& label) {
  return ws.store.AppendText(ws.logPath, ChangeListBlock(lines, kind, label));
}

bool LogChangeList(Workspace& ws, const ReportList& lines, LogKind kind, const std::string& label) {
  return ws.store.AppendText(ws.logPath, ChangeListBlock(lines, kind, label));
}

bool LogChangeList(Workspace& ws, const std::vector<std::string>& lines, LogKind kind,
                   const std::string& label) {
  return ws.store.AppendText(ws.logPath, PlainListBlock(lines, kind, label));
}

void ShowHistoryLog(Workspace& ws) {
  ws.toolkit.ShellExecute(ws.mainForm, "open", ws.logPath, "", "", ui::sw::Maximized);
}

void ClearHistoryLog(Workspace& ws) {
  if (ws.toolkit.MessageBox(ws.mainForm, "Are you sure to clear history log ?", "Attention!",
                            ui::mb::YesNo | ui::mb::IconInfo) == ui::mb::IdYes) {
    ws.store.DeleteFile(ws.logPath);
  }
}

}  // namespace tarnix
