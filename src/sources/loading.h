// Filling the main window's controls from the startup places, at start and on every refresh.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// Appends the value names of run list `index` to its list box.
void LoadRunList(Workspace& ws, int index);
// Replaces the page's lines with the file's; a file that cannot be read leaves the page as is.
void LoadTextPage(Workspace& ws, const std::string& path, ui::TextPage& page);
// Sets the load and run edit boxes from win.ini.
void LoadWinIni(Workspace& ws);
// Appends the folder's entries to the section's list (none for an unknown folder).
void ListStartupFolder(Workspace& ws, const StartupSection& section);
// The text pages of Config, Autoexec and Winstart, in that order.
void LoadTextPages(Workspace& ws);
// The user's startup folder, then the all-users one.
void ListStartupFolders(Workspace& ws);
// Clears and reloads every place except the services list; unsaved text edits are dropped.
void RefreshAll(Workspace& ws);

// The five editable texts: autoex, config, winstart, load, run.
bool AnyTextModified(const Workspace& ws);
void ClearModifiedMarks(Workspace& ws);

}  // namespace tarnix
