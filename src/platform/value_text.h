// Registry values as the watchdog compares and shows them.
#pragma once

#include <string>

#include "platform/store.h"

namespace tarnix {

// A string as it stands (never expanded); any other type in the registry editor's typed form,
// such as "dword:0000002a", "hex:01,02" or "hex(7):61,00,00,00", so that it can be compared
// by type and data and shown as a line.
std::string ValueText(const RegValue& value);
// The bytes as two lower-case hex digits each, separated by commas ("01,ff").
std::string HexBytes(const std::string& data);

}  // namespace tarnix
