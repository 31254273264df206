// What a name or path in a startup folder may be.
#pragma once

#include <optional>
#include <string>

namespace tarnix {

// Whether the path ends in the extension ".lnk", in any case: the text from the last "." that
// stands after the last "\" or ":".
bool IsShortcutPath(const std::string& path);
// The file's own name: the text after the last "\" or ":".
std::string FileNameOf(const std::string& path);
// Why the name cannot be the name of a file, as told to the user; nothing when it can.
std::optional<std::string> NameRefusal(const std::string& name);

}  // namespace tarnix
