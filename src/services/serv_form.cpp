#include "services/serv_form.h"

namespace tarnix {

TfrmServ::TfrmServ(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"frmServ", "TfrmServ", "Service Startup", 473, 220})) {}

}  // namespace tarnix
