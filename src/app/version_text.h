// The line that the version button shows for the running platform.
#pragma once

#include <string>

#include "platform/store.h"

namespace tarnix {

// "Windows 98 4.10 <service pack> Build:2222", "Win NT  5.1 <service pack> Build:2600", ...
std::string VersionLine(const PlatformVersionInfo& version);

}  // namespace tarnix
