// Reading the places into the workspace and showing them in the main window's controls, at
// start and on every refresh; and the controls handing the user's edits back to the places.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// What the status bar says of the text pages that show less than their file; empty when none.
std::string PageNotes(const Workspace& ws);
// Reads run list `index` and shows its value names in its list box; a logon list is shown on
// the Logon page.
void LoadRunList(Workspace& ws, int index);
// Shows what the places hold of run list `index`, as they hold it now.
void ShowRunList(Workspace& ws, int index);
// Reads every logon list, then shows the Logon page once.
void LoadLogonLists(Workspace& ws);
// Reads the section's file and shows it in its page. A file that cannot be read leaves the page
// as it is; a page that cannot show the file whole is made read-only.
void LoadTextPage(Workspace& ws, const StartupSection& section);
// Reads the load and run values of win.ini and shows them.
void LoadWinIni(Workspace& ws);
// Shows the load and run values as the places hold them.
void ShowWinIni(Workspace& ws);
// Lists the folder's entries and shows them (none for an unknown folder).
void ListStartupFolder(Workspace& ws, const StartupSection& section);
// Every text section, in the catalogue's order.
void LoadTextPages(Workspace& ws);
// The user's startup folder, then the all-users one.
void ListStartupFolders(Workspace& ws);
// Reads and shows every place except the services list; unsaved text edits are dropped.
void RefreshAll(Workspace& ws);

// From now on the pages and the win.ini boxes hand every edit of the user to the places.
void BindPlaceEdits(Workspace& ws);
// After the text was written to its file: the file now holds it.
void TakeEditAsFile(Workspace& ws, SectionId id);
// After the load and run values were written to win.ini.
void TakeWinIniAsSaved(Workspace& ws);
// Reads the section's place again and shows it.
void ReloadPlace(Workspace& ws, const StartupSection& section);

// Whether the user edited one of the five editable texts: autoex, config, winstart, load, run.
bool AnyTextModified(const Workspace& ws);
void ClearModifiedMarks(Workspace& ws);

}  // namespace tarnix
