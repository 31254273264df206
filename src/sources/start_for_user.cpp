#include "sources/start_for_user.h"

#include "sources/error_box.h"

namespace tarnix {

void StartForUser(Workspace& ws, const std::string& commandLine, int showCommand) {
  const std::string error = ws.toolkit.StartProgram(commandLine, showCommand);
  if (!error.empty())
    ShowError(ws, error);
}

// The shell's codes up to 32 are failures: no such file, no program for it.
void OpenForUser(Workspace& ws, ui::Form* owner, const std::string& target) {
  if (ws.toolkit.ShellExecute(owner, "open", target, "", "", ui::sw::Maximized) <= 32) {
    ws.toolkit.MessageBox(owner, "Cannot open " + target, "Error!", ui::mb::Ok | ui::mb::IconStop);
  }
}

}  // namespace tarnix
