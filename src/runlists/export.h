// Export of the three run lists to a REGEDIT4 file.
#pragma once

#include "sources/workspace.h"

namespace tarnix {

void ExportRunLists(Workspace& ws, const ui::FileDialogSpec& dialog);

}  // namespace tarnix
