// The Tasks page: the scheduled tasks that start at boot or logon, listed again and shown from
// the places, and the state of the task on the selected line.
#pragma once

#include <string>

#include "sources/workspace.h"

namespace tarnix {

// Lists the tasks again and shows them; without a scheduler the page says so in its one line.
// The task selected before stays selected while it is there.
void LoadStartupTasks(Workspace& ws);
// Takes a listing made elsewhere (the check lists the tasks anyway) into the places and shows it.
void ShowListedTasks(Workspace& ws, TaskPlace listed);
// The path of the task on the page's selected line; empty for none and for the failure's line.
std::string SelectedTaskPath(const Workspace& ws);
// From now on selecting a task's line says its trigger and state in the status bar.
void BindTaskStates(Workspace& ws);

}  // namespace tarnix
