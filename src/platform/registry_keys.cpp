#include "platform/registry_keys.h"

namespace tarnix {

std::string RootName(Root root) {
  return root == Root::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string OpenKeyFailureText(Root root, const std::string& path, bool create, RegView view) {
  return "Cannot open the registry key " + RootName(root) + path +
         (view == RegView::Bits32 ? " (32-bit)" : "") + (create ? " for writing" : "");
}

std::string ProfileWriteFailureText(const std::string& file, const std::string& key) {
  return "Cannot write the " + key + " value to " + file;
}

}  // namespace tarnix
