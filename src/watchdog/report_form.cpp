#include "watchdog/report_form.h"

namespace tarnix {

Teditline::Teditline(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"editline", "Teditline", "Edit Line", 620, 103})) {}

TForm1::TForm1(ui::Toolkit& toolkit, Teditline&)
    : form(toolkit.CreateForm({"Form1", "TForm1", "Attention! Tarnix find out changes!", 605, 421})) {}

}  // namespace tarnix
