// Resource numbers of the toolkit (res/ui.rc). Plain defines: the resource compiler reads this
// file too.
#pragma once

// The manifest that asks for the common controls of version 6, activated when the first window
// that needs them is made (the program's own manifest does not name them).
#define IDR_COMMON_CONTROLS_MANIFEST 120
