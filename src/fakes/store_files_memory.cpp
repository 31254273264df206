// Files and folders of the memory store.
#include "base/text_codec.h"
#include "fakes/store_memory_parts.h"

namespace tarnix {

using namespace memory_store;

namespace {

// Wildcards "*" and "?" on folded names; "*.*" matches every name, as on the platform.
bool Matches(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*" || pattern == "*")
    return true;
  std::string n = FoldCase(name), p = FoldCase(pattern);
  size_t ni = 0, pi = 0, star = std::string::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++ni;
      ++pi;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ni;
    } else if (star != std::string::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

}  // namespace

MemoryStore::FileNode* MemoryStore::FindFile(const std::string& path) {
  auto it = files_.find(FileKey(path));
  return it == files_.end() ? nullptr : it->second.get();
}

const MemoryStore::FileNode* MemoryStore::FindFile(const std::string& path) const {
  auto it = files_.find(FileKey(path));
  return it == files_.end() ? nullptr : it->second.get();
}

FileFault MemoryStore::FaultOf(const std::string& path) const {
  auto it = faults_->files.find(FileKey(path));
  return it == faults_->files.end() ? FileFault::None : it->second;
}

bool MemoryStore::ParentExists(const std::string& path) const {
  std::string parent = ParentOf(Normalise(path));
  if (parent.empty())
    return false;
  if (IsDriveRoot(parent))
    return true;
  const FileNode* node = FindFile(parent);
  return node && node->folder;
}

bool MemoryStore::WriteDeniedAt(const std::string& path) const {
  for (std::string at = Normalise(path); !at.empty(); at = ParentOf(at)) {
    if (FaultOf(at) == FileFault::WriteDenied)
      return true;
  }
  return false;
}

StoreFailure MemoryStore::WriteFailure(const std::string& path) const {
  if (WriteDeniedAt(path))
    return StoreFailure::AccessDenied;
  FileFault fault = FaultOf(path);
  if (fault == FileFault::Uncreatable || fault == FileFault::Locked)
    return StoreFailure::Other;
  const FileNode* node = FindFile(path);
  bool writable = node ? !node->folder : ParentExists(path);
  return writable ? StoreFailure::None : StoreFailure::Other;
}

void MemoryStore::StoreFile(const std::string& path, const std::string& bytes) {
  auto& node = files_[FileKey(path)];
  if (!node) {
    node = std::make_unique<FileNode>();
    node->path = Normalise(path);
    node->attributes = attr::Archive;
  }
  node->bytes = bytes;
  ++node->writes;
}

std::optional<std::string> MemoryStore::ReadBytes(const std::string& path) {
  FileFault fault = FaultOf(path);
  const FileNode* node = FindFile(path);
  if (ReadFails() || !node || node->folder || fault == FileFault::Unreadable ||
      fault == FileFault::Locked) {
    return std::nullopt;
  }
  return node->bytes;
}

std::optional<std::vector<std::string>> MemoryStore::LoadLines(const std::string& path) {
  auto bytes = ReadBytes(path);
  if (!bytes)
    return std::nullopt;
  return SplitLines(Cp1252ToUtf8(*bytes));
}

TextWrite MemoryStore::SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string ansi;
  if (TextWrite encoded = AnsiLines(path, lines, ansi); !encoded)
    return encoded;
  return {WriteBytes(path, ansi), std::nullopt};
}

StoreResult MemoryStore::WriteBytes(const std::string& path, const std::string& bytes) {
  const StoreFailure failure = Called(WriteFailure(path));
  if (failure == StoreFailure::None)
    StoreFile(path, bytes);
  return Outcome(failure, "Cannot create file " + path);
}

StoreResult MemoryStore::AppendText(const std::string& path, const std::string& text) {
  auto ansi = Utf8ToCp1252(text);
  const FileNode* node = FindFile(path);
  StoreFailure failure = Called(ansi ? WriteFailure(path) : StoreFailure::Other);
  if (failure == StoreFailure::None && node && (node->attributes & attr::ReadOnly))
    failure = StoreFailure::AccessDenied;
  if (failure == StoreFailure::None)
    StoreFile(path, (node ? node->bytes : std::string()) + *ansi);
  return Outcome(failure, "Cannot write to " + path);
}

std::optional<std::string> MemoryStore::AnsiBytes(const std::string& text) {
  return Utf8ToCp1252(text);
}

uint32_t MemoryStore::GetFileAttributes(const std::string& path) {
  if (IsDriveRoot(Normalise(path)))
    return attr::Directory;
  const FileNode* node = FindFile(path);
  return node ? node->attributes : kInvalidAttributes;
}

StoreResult MemoryStore::SetFileAttributes(const std::string& path, uint32_t attributes) {
  FileNode* node = FindFile(path);
  const StoreFailure failure = Called(node ? StoreFailure::None : StoreFailure::NotFound);
  if (failure != StoreFailure::None)
    return {failure, "Cannot set the attributes of " + path};
  attributes &= ~attr::Directory;
  if (node->folder) {
    node->attributes = attributes | attr::Directory;
  } else {
    node->attributes = attributes == 0 ? attr::Normal : attributes;
  }
  return {};
}

std::vector<FileEntry> MemoryStore::ListFiles(const std::string& folder,
                                              const std::string& pattern) {
  std::string key = FileKey(folder);
  std::vector<FileEntry> entries;
  bool exists = IsDriveRoot(key) || (FindFile(folder) && FindFile(folder)->folder);
  if (!exists || faults_->unlistable.count(key))
    return entries;
  for (const auto& [path, node] : files_) {
    if (ParentOf(path) != key)
      continue;
    std::string name = NameOf(node->path);
    if (Matches(name, pattern))
      entries.push_back(FileEntry{name, node->attributes});
  }
  return entries;
}

StoreFailure MemoryStore::DeleteFailure(const std::string& path) const {
  const FileNode* node = FindFile(path);
  if (!node)
    return StoreFailure::NotFound;
  if (node->folder || FaultOf(path) == FileFault::Locked)
    return StoreFailure::Other;
  if ((node->attributes & attr::ReadOnly) || WriteDeniedAt(path))
    return StoreFailure::AccessDenied;
  return StoreFailure::None;
}

StoreResult MemoryStore::DeleteFile(const std::string& path) {
  const StoreFailure failure = Called(DeleteFailure(path));
  if (failure == StoreFailure::None)
    files_.erase(FileKey(path));
  return Outcome(failure, "Cannot delete " + path);
}

StoreResult MemoryStore::CreateFolder(const std::string& path) {
  std::string normalised = Normalise(path);
  StoreFailure failure = StoreFailure::None;
  if (IsDriveRoot(normalised) || FindFile(normalised) || !ParentExists(normalised))
    failure = StoreFailure::Other;
  else if (WriteDeniedAt(normalised))
    failure = StoreFailure::AccessDenied;
  failure = Called(failure);
  if (failure == StoreFailure::None)
    MakeFolder(normalised);
  return Outcome(failure, "Cannot create the folder " + path);
}

void MemoryStore::MakeFolder(const std::string& normalised) {
  auto node = std::make_unique<FileNode>();
  node->path = normalised;
  node->folder = true;
  node->attributes = attr::Directory;
  files_[FileKey(normalised)] = std::move(node);
}

StoreFailure MemoryStore::RemoveFolderFailure(const std::string& path) const {
  std::string key = FileKey(path);
  const FileNode* node = FindFile(path);
  if (!node || !node->folder)
    return StoreFailure::Other;
  if (WriteDeniedAt(path))
    return StoreFailure::AccessDenied;
  bool empty = std::none_of(files_.begin(), files_.end(),
                            [&](const auto& entry) { return ParentOf(entry.first) == key; });
  return empty ? StoreFailure::None : StoreFailure::Other;
}

StoreResult MemoryStore::RemoveFolder(const std::string& path) {
  const StoreFailure failure = Called(RemoveFolderFailure(path));
  if (failure == StoreFailure::None)
    files_.erase(FileKey(path));
  return Outcome(failure, "Cannot remove the folder " + path);
}

std::string MemoryStore::ShortPath(const std::string& path) {
  std::string normalised = Normalise(path);
  if (IsDriveRoot(normalised))
    return normalised + "\\";
  const FileNode* node = FindFile(path);
  return node ? node->path : std::string();
}

void MemoryStore::AddFolder(const std::string& path) {
  std::string normalised = Normalise(path);
  if (normalised.empty() || IsDriveRoot(normalised) || FindFile(normalised))
    return;
  AddFolder(ParentOf(normalised));
  MakeFolder(normalised);
}

void MemoryStore::AddFile(const std::string& path, const std::string& bytes, uint32_t attributes) {
  AddFolder(ParentOf(Normalise(path)));
  StoreFile(path, bytes);
  FileNode* node = FindFile(path);
  node->writes = 0;
  node->attributes = attributes == 0 ? attr::Archive : attributes;
}

std::optional<std::string> MemoryStore::FileBytes(const std::string& path) const {
  const FileNode* node = FindFile(path);
  if (!node || node->folder)
    return std::nullopt;
  return node->bytes;
}

bool MemoryStore::FolderExists(const std::string& path) const {
  if (IsDriveRoot(Normalise(path)))
    return true;
  const FileNode* node = FindFile(path);
  return node && node->folder;
}

int MemoryStore::FileWrites(const std::string& path) const {
  const FileNode* node = FindFile(path);
  return node ? node->writes : 0;
}

}  // namespace tarnix
