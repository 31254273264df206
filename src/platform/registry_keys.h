// What every writer of the registry needs: a root's full name, and a key opened for writing
// whose refusal is an error rather than a silent no-op.
#pragma once

#include <memory>
#include <string>

#include "platform/store.h"

namespace tarnix {

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
std::string RootName(Root root);

// Opens the key, creating what is missing. A key that cannot be opened or created raises
// StoreError("Cannot open the registry key <root name><path> for writing"), with the
// store's reason as its kind.
std::unique_ptr<RegKey> OpenKeyForWriting(Store& store, Root root, const std::string& path);

}  // namespace tarnix
