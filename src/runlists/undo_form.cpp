#include "runlists/undo_form.h"

namespace tarnix {

Tundolist::Tundolist(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"undolist", "Tundolist", "Undo", 470, 300})) {}

}  // namespace tarnix
