#include "setup/find.h"

namespace tarnix {

TfrmFind::TfrmFind(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"frmFind", "TfrmFind", "Find", 380, 120})) {}

// Filled in by the find feature.
void ShowFind(Workspace&, TfrmFind&) {}
void FindNext(Workspace&, TfrmFind&) {}

}  // namespace tarnix
