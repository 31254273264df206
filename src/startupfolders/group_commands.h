// Delete, edit and add in the two startup groups. Each command is given the group and the
// entry it works on, and lists the folder again after a change; shortcuts go through the
// workspace's shortcuts.
#pragma once

#include "sources/workspace.h"
#include "startupfolders/add_shortcut_dialog.h"
#include "startupfolders/link_form.h"

namespace tarnix {

// Asks, then deletes the entry's file.
void DeleteGroupEntry(Workspace& ws, const StartupSection& section, const std::string& entry);
// Shows the shortcut's target, arguments and working directory in the dialog and saves what it
// holds unless it was cancelled.
void EditGroupShortcut(Workspace& ws, const StartupSection& section, const std::string& entry,
                       TfrmLink& dialog);
// Makes a shortcut named as typed in the add dialog and lists the folder again.
void AddGroupShortcut(Workspace& ws, const StartupSection& section, AddShortcutDialog& dialog);

}  // namespace tarnix
