// Taking a file away, where a file that is already gone is as good as deleted.
#pragma once

#include <string>

#include "platform/store.h"

namespace tarnix {

// Deletes the file. Success when it is gone afterwards, also when someone else took it away
// first; otherwise why it could not be deleted.
StoreResult RemoveFile(Store& store, const std::string& path);

}  // namespace tarnix
