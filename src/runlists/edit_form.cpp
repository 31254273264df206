#include "runlists/edit_form.h"

namespace tarnix {

TEditStr::TEditStr(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"EditStr", "TEditStr", "Edit", 430, 150})) {}

}  // namespace tarnix
