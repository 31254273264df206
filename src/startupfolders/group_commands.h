// Delete, edit and add in the two startup-group lists. Each command is given its page's group
// and works on that group's folder and list; shortcuts go through the workspace's shortcuts.
#pragma once

#include "sources/workspace.h"
#include "startupfolders/add_shortcut_dialog.h"
#include "startupfolders/link_form.h"

namespace tarnix {

// Asks, then deletes the selected entry's file and takes its line from the list.
void DeleteGroupEntry(Workspace& ws, const StartupSection& section);
// Shows the selected shortcut's target, arguments and working directory in the dialog and
// saves what it holds unless it was cancelled.
void EditGroupShortcut(Workspace& ws, const StartupSection& section, TfrmLink& dialog);
// Makes a shortcut named as typed in the add dialog and lists the folder again.
void AddGroupShortcut(Workspace& ws, const StartupSection& section, AddShortcutDialog& dialog);

}  // namespace tarnix
