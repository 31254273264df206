// The steps of the undo journal: one key per run-list change under HKEY_CURRENT_USER
// "SOFTWARE\Tarnix". The run lists record them, and so does the autostart entry of setup.
#pragma once

#include <string>

#include "platform/store.h"
#include "sources/workspace.h"

namespace tarnix {

enum class StepKind { Deleted = 0, Changed = 1, Added = 2 };

inline constexpr char kUndoRoot[] = "SOFTWARE\\Tarnix";

// The fields stand at fixed positions: the kind digit, a blank, the date "dd.MM.yyyy", a
// blank, the time "HH:MM:SS", a blank, the run-list digit, a blank (24 characters), then the
// entry name. A key name cannot hold "\", so the name is written with "%" as "%25" and "\" as
// "%5C".
std::string StepName(StepKind kind, const LocalDateTime& when, int runList,
                     const std::string& entry);
// The entry name that a step name stands for.
std::string StepEntryName(const std::string& stepName);
// The step's key below HKEY_CURRENT_USER.
std::string StepKeyPath(const std::string& stepName);

// Writes the step's key with the "Command" value, of the command's own type, and appends the
// step to the run undo list. A step that cannot be written is not recorded, the change it would
// undo stays made, and the user is told.
void RecordUndoStep(Workspace& ws, StepKind kind, int runList, const std::string& entry,
                    const RegValue& command);

}  // namespace tarnix
