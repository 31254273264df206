#include "setup/setup_places.h"

namespace tarnix {

std::optional<std::string> ShellFolder(Store& store, const std::string& valueName,
                                       StoreResult* unread) {
  auto key = store.OpenKey(Root::CurrentUser, kShellFoldersKey, false);
  if (!key && unread && key.result.failure != StoreFailure::NotFound)
    *unread = key.result;
  if (!key)
    return std::nullopt;
  const std::optional<RegValue> value = key->ReadValue(valueName);
  if (!value || !value->IsString() || value->data.empty())
    return std::nullopt;
  return value->data.back() == '\\' ? value->data : value->data + "\\";
}

std::string QuotedProgramPath(Store& store) {
  const std::string path = store.ProgramPath();
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

std::vector<std::string> ProgramRegistryKeys(const Catalogue& catalogue) {
  std::vector<std::string> keys;
  for (const StartupSection& section : catalogue.sections)
    keys.push_back(SnapshotKeyPath(section.key));
  keys.push_back(kSnapshotRoot);
  keys.push_back(kProductKey);
  return keys;
}

}  // namespace tarnix
