#include "setup/first_launch.h"

namespace tarnix {

TfrmFirst::TfrmFirst(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"frmFirst", "TfrmFirst", "Tarnix II First launching", 526, 416,
                               ui::BorderStyle::DialogNoSysMenu})) {}

// Filled in by the first-launch feature.
void ShowFirstLaunch(Workspace&, TfrmFirst&) {}

}  // namespace tarnix
