// Export of the three run lists to a REGEDIT4 file that the registry editor imports.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// The file's bytes in the ANSI code page: the header, then each run list's key with one line
// per entry the places hold. Raises StoreError naming the entry when a name or command does not
// fit the code page.
std::string RegistryFileBytes(Workspace& ws);
// Reads the run lists again and writes the file; it replaces an existing one only once it is
// complete. A run list that cannot be read, or a failure to write, leaves an existing file as
// it was.
StoreResult ExportRunLists(Workspace& ws, const std::string& path);

// The two commands differ only in the box that closes them.
enum class ExportNotice {
  KeysSaved,    // the toolbar button
  FileCreated,  // the pop-up menu item and Ctrl+S
};
// Asks for the file, writes it and names it in the closing box.
void SaveAllKeysToFile(Workspace& ws, const ui::FileDialogSpec& dialog, ExportNotice notice);

}  // namespace tarnix
