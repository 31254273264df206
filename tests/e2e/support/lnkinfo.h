// An independent reader of shortcut files: Debian's lnkinfo, run as a Unix program from the
// Wine test.
#pragma once

#include "base/win32_api.h"

#include <map>
#include <string>

namespace e2e {

// What lnkinfo prints about the shortcut (UTF-8 Windows path), as label -> value ("Local
// path", "Command line arguments", "Working directory", "Description"); empty when it did not
// run within the time.
std::map<std::string, std::string> LnkInfo(const std::string& linkPath, DWORD timeoutMs = 20000);

}  // namespace e2e
