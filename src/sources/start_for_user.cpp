#include "sources/start_for_user.h"

#include "sources/error_box.h"

namespace tarnix {

void StartForUser(Workspace& ws, const std::string& commandLine, int showCommand) {
  const std::string error = ws.toolkit.StartProgram(commandLine, showCommand);
  if (!error.empty())
    ShowError(ws, error);
}

}  // namespace tarnix
