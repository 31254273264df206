#include "sources/start_for_user.h"

namespace tarnix {

void StartForUser(Workspace& ws, const std::string& commandLine, int showCommand) {
  const std::string error = ws.toolkit.StartProgram(commandLine, showCommand);
  if (!error.empty())
    ws.toolkit.MessageBox(ws.mainForm, error, "Error!", ui::mb::Ok | ui::mb::IconStop);
}

}  // namespace tarnix
