#include "watchdog/check.h"

namespace tarnix {

bool RunCheck(Workspace&, TForm1&, const std::function<void()>&) { return false; }

}  // namespace tarnix
