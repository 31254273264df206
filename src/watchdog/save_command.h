// The Save command and the writers of the two edited file kinds: the startup text files and
// the load and run values of win.ini. Each failure is shown in an error box owned by the main
// window; the text that was not written keeps its modified mark.
#pragma once

#include <string>
#include <vector>

#include "sources/workspace.h"

namespace tarnix {

// Writes the lines to the file (atomically, keeping its attributes). False, after the error
// box, when it cannot be written or a line holds a character its code page cannot store (the
// box names that line; nothing is written).
[[nodiscard]] bool WriteTextFile(Workspace& ws, const std::string& path,
                                 const std::vector<std::string>& lines);
// Writes "load" and then "run" of win.ini's "windows" section as the places hold them.
[[nodiscard]] bool WriteWinIni(Workspace& ws);
// Writes the texts the user edited (a page that was not edited is never written, so a
// file that could not be read is not truncated and a missing one is not created) and the
// win.ini values. True when everything was written.
[[nodiscard]] bool SaveEditedTexts(Workspace& ws);
// Writes every section of the snapshot, then "Information saved succesfully!"; on a failed
// write the error box instead, and the sections after it are not written. A text file that
// could not be read keeps its old snapshot, and the user is told which.
[[nodiscard]] bool SaveSnapshot(Workspace& ws);
// Save: the edited texts, then, when they were all written, the snapshot.
void SaveAll(Workspace& ws);

}  // namespace tarnix
