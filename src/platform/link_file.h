// The layout of a shell-link (.lnk) file, checked before the shell's own loader sees it: a
// file cut short or filled with other bytes can make that loader read past its end and take
// the program down with it.
#pragma once

#include <string>

namespace tarnix {

// Whether the bytes hold a whole shell link: its header, and every part the header's flags
// announce (item list, link info, strings, extra blocks) lying inside the file.
bool IsWholeLinkFile(const std::string& bytes);

}  // namespace tarnix
