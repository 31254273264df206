// The whole memory store as one text, so that a test can tell that nothing in it changed.
#include <functional>

#include "fakes/store_memory_parts.h"
#include "platform/value_text.h"

namespace tarnix {

std::string MemoryStore::StateText() const {
  std::string text;
  const std::function<void(const Node&, const std::string&)> key = [&](const Node& node,
                                                                       const std::string& path) {
    text += "key " + path + "\n";
    for (const auto& [name, value] : node.values)
      text += "  " + name + " " + std::to_string(value.type) + " " + HexBytes(value.data) + "\n";
    for (const auto& child : node.keys) key(*child, path + "\\" + child->name);
  };
  key(*roots_[0], "HKLM");
  key(*roots_[1], "HKCU");
  for (const auto& [folded, file] : files_) {
    text += (file->folder ? "folder " : "file ") + file->path + " " +
            std::to_string(file->attributes) + " " + std::to_string(file->writes) + " " +
            HexBytes(file->bytes) + "\n";
  }
  for (const auto& [file, sections] : profiles_) {
    for (const auto& [section, keys] : sections) {
      for (const auto& [name, value] : keys)
        text += file + " [" + section + "] " + name + "=" + value + "\n";
    }
  }
  return text;
}

}  // namespace tarnix
