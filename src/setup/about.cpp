#include "setup/about.h"

namespace tarnix {

TAboutBox::TAboutBox(ui::Toolkit& toolkit)
    : form(toolkit.CreateForm({"AboutBox", "TAboutBox", "About Tarnix", 375, 260})) {}

// Filled in by the about box feature.
void ShowAbout(Workspace&, TAboutBox&) {}

}  // namespace tarnix
