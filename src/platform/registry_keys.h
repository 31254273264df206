// What every writer of the registry and the profile needs: a root's full name, and the words
// that tell a refused write.
#pragma once

#include <string>

#include "platform/store.h"

namespace tarnix {

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
std::string RootName(Root root);

// "Cannot open the registry key <root name><path>", with " (32-bit)" in the 32-bit view and
// " for writing" when it was to be made.
std::string OpenKeyFailureText(Root root, const std::string& path, bool create,
                               RegView view = RegView::Default);
// "Cannot write the <key> value to <file>".
std::string ProfileWriteFailureText(const std::string& file, const std::string& key);

}  // namespace tarnix
