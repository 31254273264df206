#include "startupfolders/link_form.h"

namespace tarnix {

TfrmLink::TfrmLink(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"frmLink", "TfrmLink", "Shortcut properties", 470, 200})) {}

}  // namespace tarnix
