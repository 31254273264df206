#include "sources/error_box.h"

namespace tarnix {

void ShowError(Workspace& ws, const std::string& text) {
  ws.toolkit.MessageBox(ws.mainForm, text, "Error!", ui::mb::Ok | ui::mb::IconStop);
}

}  // namespace tarnix
