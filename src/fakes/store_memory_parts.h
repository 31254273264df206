// The memory store's inner state, shared by its registry and file parts.
#pragma once

#include <algorithm>
#include <unordered_map>

#include "base/text_case.h"
#include "fakes/store_memory.h"

namespace tarnix {

struct MemoryStore::Node {
  std::string name;
  std::vector<std::pair<std::string, RegValue>> values;  // in creation order
  std::vector<std::shared_ptr<Node>> keys;               // in creation order
  bool deleted = false;
  uint64_t written = Tick();  // a write's turn in the store's history

  // The memory store's clock: every write of a value moves it on.
  static uint64_t Tick() {
    static uint64_t now = 0;
    return ++now;
  }

  // Values by folded name, so that keys of many thousand values stay quick to fill.
  const RegValue* FindValue(const std::string& valueName) const {
    auto it = index_.find(FoldCase(valueName));
    return it == index_.end() ? nullptr : &values[it->second].second;
  }
  void PutValue(const std::string& valueName, const RegValue& value) {
    written = Tick();
    auto [it, added] = index_.emplace(FoldCase(valueName), values.size());
    if (added) {
      values.emplace_back(valueName, value);
    } else {
      values[it->second].second = value;
    }
  }
  bool EraseValue(const std::string& valueName) {
    auto it = index_.find(FoldCase(valueName));
    if (it == index_.end())
      return false;
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(it->second));
    written = Tick();
    index_.clear();
    for (size_t i = 0; i < values.size(); ++i) index_.emplace(FoldCase(values[i].first), i);
    return true;
  }

 private:
  std::unordered_map<std::string, size_t> index_;
};

struct MemoryStore::FileNode {
  std::string path;  // normalised, with its case
  bool folder = false;
  std::string bytes;
  uint32_t attributes = 0;
  int writes = 0;
};

// A refused key and everything below it.
struct KeyFault {
  Root root;
  std::vector<std::string> parts;  // folded
  StoreFailure kind;
};

struct MemoryStore::Faults {
  std::vector<KeyFault> refuseOpen;
  std::vector<KeyFault> refuseWrite;
  std::map<std::string, FileFault> files;  // by folded path
  std::set<std::string> unlistable;        // by folded path
  bool refuseProfileWrites = false;
  int calls = 0, failAt = 0;
  StoreFailure failKind = StoreFailure::None;
};

namespace memory_store {

// Key path components; empty ones (a leading "\") are dropped.
inline std::vector<std::string> KeyParts(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos)
      end = path.size();
    if (end > start)
      parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

inline std::vector<std::string> Folded(std::vector<std::string> parts) {
  for (auto& part : parts) part = FoldCase(part);
  return parts;
}

inline bool SameName(const std::string& a, const std::string& b) {
  return FoldCase(a) == FoldCase(b);
}

// "/" as "\", no trailing "\"; a drive root is "C:".
inline std::string Normalise(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

inline std::string FileKey(const std::string& path) {
  return FoldCase(Normalise(path));
}

// The parent folder of a normalised path; empty for a drive root.
inline std::string ParentOf(const std::string& normalised) {
  size_t slash = normalised.rfind('\\');
  return slash == std::string::npos ? std::string() : normalised.substr(0, slash);
}

inline std::string NameOf(const std::string& normalised) {
  size_t slash = normalised.rfind('\\');
  return slash == std::string::npos ? normalised : normalised.substr(slash + 1);
}

inline bool IsDriveRoot(const std::string& normalised) {
  return normalised.size() == 2 && normalised[1] == ':';
}

}  // namespace memory_store
}  // namespace tarnix
