// Filling the main window's controls from the startup places, at start and on every refresh.
// Text files are also kept as read (Workspace::texts): the check and the snapshot work on
// those lines, whatever the pages can show.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// The file's lines as read, or why there are none (missing, or there but unreadable).
TextFile ReadTextFile(Store& store, const std::string& path);
// The entries of a startup folder section that the check and the page count: every file and
// every folder with more than the folder mark; none for an unknown folder.
std::vector<std::string> StartupFolderNames(Store& store, const StartupSection& section);

// Appends the value names of run list `index` to its list box.
void LoadRunList(Workspace& ws, int index);
// Reads the section's file into the workspace and shows it in its page. A file that cannot be
// read leaves the page as it is; a page that cannot show the file whole is made read-only.
void LoadTextPage(Workspace& ws, const StartupSection& section);
// Sets the load and run edit boxes from win.ini.
void LoadWinIni(Workspace& ws);
// Appends the folder's entries to the section's list (none for an unknown folder).
void ListStartupFolder(Workspace& ws, const StartupSection& section);
// Every text section, in the catalogue's order.
void LoadTextPages(Workspace& ws);
// The user's startup folder, then the all-users one.
void ListStartupFolders(Workspace& ws);
// Clears and reloads every place except the services list; unsaved text edits are dropped.
void RefreshAll(Workspace& ws);

// What a text section holds now: its page's lines when the user edited them (a page that
// shows its file whole), otherwise the file's lines as read.
std::vector<std::string> HeldLines(const Workspace& ws, const StartupSection& section);
// After the page's text was written to its file: the file now holds what the page shows.
void TakePageAsFile(Workspace& ws, const StartupSection& section);

// The five editable texts: autoex, config, winstart, load, run.
bool AnyTextModified(const Workspace& ws);
void ClearModifiedMarks(Workspace& ws);

}  // namespace tarnix
