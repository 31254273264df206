#include "sources/add_form.h"

namespace tarnix {

Taddform::Taddform(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"addform", "Taddform", "Add", 430, 190})) {}

}  // namespace tarnix
