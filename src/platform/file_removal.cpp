#include "platform/file_removal.h"

namespace tarnix {

StoreFailure RemoveFile(Store& store, const std::string& path) {
  if (store.DeleteFile(path))
    return StoreFailure::None;
  const StoreFailure failure = store.LastFailure();
  return store.GetFileAttributes(path) == kInvalidAttributes ? StoreFailure::None : failure;
}

}  // namespace tarnix
