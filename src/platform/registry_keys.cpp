#include "platform/registry_keys.h"

namespace tarnix {

std::string RootName(Root root) {
  return root == Root::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::unique_ptr<RegKey> OpenKeyForWriting(Store& store, Root root, const std::string& path) {
  auto key = store.OpenKey(root, path, true);
  if (!key)
    throw StoreError("Cannot open the registry key " + RootName(root) + path + " for writing",
                     store.LastFailure());
  return key;
}

}  // namespace tarnix
