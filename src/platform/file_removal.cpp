#include "platform/file_removal.h"

namespace tarnix {

StoreResult RemoveFile(Store& store, const std::string& path) {
  StoreResult deleted = store.DeleteFile(path);
  if (!deleted && store.GetFileAttributes(path) == kInvalidAttributes)
    return {};
  return deleted;
}

}  // namespace tarnix
