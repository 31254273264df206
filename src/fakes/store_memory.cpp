// Registry, profile, platform and setup of the memory store; files are in
// store_files_memory.cpp.
#include <cstdio>

#include "fakes/store_memory_parts.h"
#include "platform/registry_keys.h"

namespace tarnix {

using namespace memory_store;

namespace {

constexpr char kWow32[] = "WOW6432Node";

bool IsPrefix(const std::vector<std::string>& prefix, const std::vector<std::string>& parts) {
  return prefix.size() <= parts.size() && std::equal(prefix.begin(), prefix.end(), parts.begin());
}

StoreFailure FaultAt(const std::vector<KeyFault>& faults, Root root,
                     const std::vector<std::string>& parts) {
  auto it = std::find_if(faults.begin(), faults.end(), [&](const KeyFault& fault) {
    return fault.root == root && IsPrefix(fault.parts, parts);
  });
  return it == faults.end() ? StoreFailure::None : it->kind;
}

}  // namespace

// ---------------------------------------------------------------- registry keys

class MemoryStore::Key : public RegKey {
 public:
  Key(MemoryStore& store, Root root, std::vector<std::string> parts, std::shared_ptr<Node> node)
      : store_(store), root_(root), parts_(std::move(parts)), node_(std::move(node)) {}

  std::optional<RegValue> ReadValue(const std::string& name) const override {
    const RegValue* value = node_->deleted ? nullptr : node_->FindValue(name);
    return value ? std::optional<RegValue>(*value) : std::nullopt;
  }

  StoreResult WriteValue(const std::string& name, const RegValue& value) override {
    const StoreFailure refused =
        store_.Called(node_->deleted ? StoreFailure::Other : store_.WriteRefused(root_, parts_));
    if (refused == StoreFailure::None)
      node_->PutValue(name, value);
    return Outcome(refused, "Failed to set data for '" + name + "'");
  }

  std::vector<std::string> GetValueNames() const override {
    std::vector<std::string> names;
    if (!node_->deleted) {
      for (const auto& entry : node_->values) names.push_back(entry.first);
    }
    return store_.SortedIfAsked(std::move(names));
  }

  std::vector<NamedValue> ReadValues() const override {
    std::vector<NamedValue> values;
    for (const std::string& name : GetValueNames()) values.push_back({name, *ReadValue(name)});
    return values;
  }

  std::optional<size_t> ValueCount() const override {
    if (store_.ReadFails())
      return std::nullopt;
    return node_->deleted ? 0 : node_->values.size();
  }

  std::optional<KeyStamp> Stamp() const override {
    if (store_.ReadFails())
      return std::nullopt;
    return KeyStamp{node_->written, node_->deleted ? 0 : node_->values.size()};
  }

  std::vector<std::string> GetKeyNames() const override {
    std::vector<std::string> names;
    if (!node_->deleted) {
      for (const auto& key : node_->keys) names.push_back(key->name);
    }
    return store_.SortedIfAsked(std::move(names));
  }

  StoreResult DeleteValue(const std::string& name) override {
    StoreFailure failure =
        store_.Called(node_->deleted ? StoreFailure::Other : store_.WriteRefused(root_, parts_));
    if (failure == StoreFailure::None && !node_->EraseValue(name))
      failure = StoreFailure::NotFound;
    return Outcome(failure, "Cannot delete the registry value " + name);
  }

 private:
  MemoryStore& store_;
  Root root_;
  std::vector<std::string> parts_;  // folded
  std::shared_ptr<Node> node_;
};

// ---------------------------------------------------------------- construction

MemoryStore::MemoryStore() : faults_(std::make_unique<Faults>()) {
  roots_[0] = std::make_shared<Node>();
  roots_[1] = std::make_shared<Node>();
  SetPlatform(PlatformPreset::Windows10);
  SetWindowsFolder("C:\\WINDOWS");
  SetProgramPath("C:\\Program Files\\Tarnix2\\tarnix2.exe");
  SetNow(LocalDateTime{2001, 5, 17, 16, 44, 3});
}

MemoryStore::~MemoryStore() = default;

// ---------------------------------------------------------------- registry

std::shared_ptr<MemoryStore::Node> MemoryStore::FindNode(
    Root root, const std::vector<std::string>& parts) const {
  std::shared_ptr<Node> node = roots_[static_cast<int>(root)];
  for (const auto& part : parts) {
    auto& keys = node->keys;
    auto it = std::find_if(keys.begin(), keys.end(),
                           [&](const auto& key) { return FoldCase(key->name) == part; });
    if (it == keys.end())
      return nullptr;
    node = *it;
  }
  return node;
}

std::shared_ptr<MemoryStore::Node> MemoryStore::MakeNode(Root root,
                                                         const std::vector<std::string>& parts) {
  std::shared_ptr<Node> node = roots_[static_cast<int>(root)];
  for (const auto& part : parts) {
    auto& keys = node->keys;
    auto it = std::find_if(keys.begin(), keys.end(),
                           [&](const auto& key) { return SameName(key->name, part); });
    if (it == keys.end()) {
      keys.push_back(std::make_shared<Node>());
      keys.back()->name = part;
      it = keys.end() - 1;
    }
    node = *it;
  }
  return node;
}

StoreFailure MemoryStore::OpenRefused(Root root, const std::vector<std::string>& parts) const {
  return FaultAt(faults_->refuseOpen, root, parts);
}

StoreFailure MemoryStore::WriteRefused(Root root, const std::vector<std::string>& parts) const {
  return FaultAt(faults_->refuseWrite, root, parts);
}

std::vector<std::string> MemoryStore::SortedIfAsked(std::vector<std::string> names) const {
  if (order_ == ValueOrder::Sorted) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return FoldCase(a) < FoldCase(b);
    });
  }
  return names;
}

OpenedKey MemoryStore::OpenKey(Root root, const std::string& path, bool create) {
  return OpenKeyInView(root, path, create, RegView::Default);
}

// As on 64-bit Windows: the 32-bit view of HKLM\Software is its subkey WOW6432Node, and
// HKEY_CURRENT_USER is one registry for both views.
OpenedKey MemoryStore::OpenKeyInView(Root root, const std::string& path, bool create,
                                     RegView view) {
  auto names = KeyParts(path);
  if (view == RegView::Bits32 && root == Root::LocalMachine && !names.empty() &&
      SameName(names[0], "Software") && (names.size() == 1 || !SameName(names[1], kWow32)))
    names.insert(names.begin() + 1, kWow32);
  auto parts = Folded(names);
  StoreFailure failure = Called(OpenRefused(root, parts));
  if (failure == StoreFailure::None && create)
    failure = WriteRefused(root, parts);
  std::shared_ptr<Node> node;
  if (failure == StoreFailure::None)
    node = create ? MakeNode(root, names) : FindNode(root, parts);
  if (failure == StoreFailure::None && !node)
    failure = StoreFailure::NotFound;
  if (failure != StoreFailure::None)
    return {nullptr, {failure, OpenKeyFailureText(root, path, create, view)}};
  return {std::make_unique<Key>(*this, root, std::move(parts), std::move(node)), {}};
}

bool MemoryStore::KeyExists(Root root, const std::string& path) {
  auto parts = Folded(KeyParts(path));
  return OpenRefused(root, parts) == StoreFailure::None && FindNode(root, parts) != nullptr;
}

StoreResult MemoryStore::DeleteKey(Root root, const std::string& path) {
  auto parts = Folded(KeyParts(path));
  StoreFailure failure = Called(parts.empty() ? StoreFailure::Other : OpenRefused(root, parts));
  if (failure == StoreFailure::None)
    failure = WriteRefused(root, parts);
  auto node = failure == StoreFailure::None ? FindNode(root, parts) : nullptr;
  if (failure == StoreFailure::None && !node)
    failure = StoreFailure::NotFound;
  if (failure != StoreFailure::None)
    return {failure, "Cannot delete the registry key " + RootName(root) + path};
  auto parent = FindNode(root, std::vector<std::string>(parts.begin(), parts.end() - 1));
  auto& siblings = parent->keys;
  siblings.erase(std::find(siblings.begin(), siblings.end(), node));
  std::vector<std::shared_ptr<Node>> pending{node};
  while (!pending.empty()) {
    auto current = pending.back();
    pending.pop_back();
    current->deleted = true;
    pending.insert(pending.end(), current->keys.begin(), current->keys.end());
  }
  return {};
}

// ---------------------------------------------------------------- profile

std::string MemoryStore::ProfileKey(const std::string& file) {
  std::string path = Normalise(file);
  if (path.find('\\') == std::string::npos)
    path = windowsFolder_ + "\\" + path;
  return FoldCase(path);
}

std::string MemoryStore::ReadProfileString(const std::string& file, const std::string& section,
                                           const std::string& key, const std::string& def) {
  auto fileIt = profiles_.find(ProfileKey(file));
  if (fileIt == profiles_.end())
    return def;
  auto sectionIt = fileIt->second.find(FoldCase(section));
  if (sectionIt == fileIt->second.end())
    return def;
  auto keyIt = sectionIt->second.find(FoldCase(key));
  return keyIt == sectionIt->second.end() ? def : keyIt->second;
}

StoreResult MemoryStore::WriteProfileString(const std::string& file, const std::string& section,
                                            const std::string& key, const std::string& value) {
  const StoreFailure failure =
      Called(faults_->refuseProfileWrites ? StoreFailure::Other : StoreFailure::None);
  if (failure != StoreFailure::None)
    return {failure, ProfileWriteFailureText(file, key)};
  profiles_[ProfileKey(file)][FoldCase(section)][FoldCase(key)] = value;
  return {};
}

// ---------------------------------------------------------------- platform

std::string MemoryStore::WindowsFolder() {
  return windowsFolder_;
}
PlatformVersionInfo MemoryStore::PlatformVersion() {
  return version_;
}
std::string MemoryStore::ProgramPath() {
  return programPath_;
}
LocalDateTime MemoryStore::Now() {
  return now_;
}

std::string MemoryStore::LongTimeText(const LocalDateTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour % 100, time.minute % 100,
                time.second % 100);
  return text;
}

uint64_t MemoryStore::FileTimeNow() {
  return FileTimeOf(now_);
}

std::optional<LocalDateTime> MemoryStore::LocalTimeOf(uint64_t fileTime) {
  return DateOfFileTime(fileTime);
}

// ---------------------------------------------------------------- test setup

void MemoryStore::SetValueOrder(ValueOrder order) {
  order_ = order;
}

void MemoryStore::SetPlatform(PlatformPreset preset) {
  switch (preset) {
    case PlatformPreset::Windows95:
      version_ = PlatformVersionInfo{1, 4, 0, 950, ""};
      break;
    case PlatformPreset::Windows98:
      version_ = PlatformVersionInfo{1, 4, 10, 1998, ""};
      break;
    case PlatformPreset::NT4:
      version_ = PlatformVersionInfo{2, 4, 0, 1381, "Service Pack 6"};
      break;
    case PlatformPreset::Windows10:
      version_ = PlatformVersionInfo{2, 10, 0, 19045, ""};
      break;
  }
}

void MemoryStore::SetPlatformVersion(const PlatformVersionInfo& version) {
  version_ = version;
}

void MemoryStore::SetWindowsFolder(const std::string& folder) {
  windowsFolder_ = Normalise(folder);
  AddFolder(windowsFolder_);
}

void MemoryStore::SetProgramPath(const std::string& path) {
  programPath_ = path;
  AddFolder(ParentOf(Normalise(path)));
}

void MemoryStore::SetNow(const LocalDateTime& time) {
  now_ = time;
}

void MemoryStore::SetValue(Root root, const std::string& path, const std::string& name,
                           const RegValue& value) {
  MakeNode(root, KeyParts(path))->PutValue(name, value);
}

void MemoryStore::SetString(Root root, const std::string& path, const std::string& name,
                            const std::string& text) {
  SetValue(root, path, name, RegValue{regtype::String, text});
}

SeededShellFolders MemoryStore::SeedShellFolders() {
  const std::string key = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  const std::string user = "C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\Windows";
  SeededShellFolders seeded{user + "\\Start Menu\\Programs\\StartUp",
                            user + "\\Start Menu\\Programs", "C:\\Users\\Tester\\Desktop",
                            "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp"};
  SetString(Root::CurrentUser, key, "StartUp", seeded.startup);
  SetString(Root::CurrentUser, key, "Programs", seeded.programs);
  SetString(Root::CurrentUser, key, "Desktop", seeded.desktop);
  SetString(Root::LocalMachine, key, "Common StartUp", seeded.commonStartup);
  for (const auto& folder :
       {seeded.startup, seeded.programs, seeded.desktop, seeded.commonStartup}) {
    AddFolder(folder);
  }
  return seeded;
}

// ---------------------------------------------------------------- reading back

std::optional<RegValue> MemoryStore::Value(Root root, const std::string& path,
                                           const std::string& name) const {
  auto node = FindNode(root, Folded(KeyParts(path)));
  const RegValue* value = node ? node->FindValue(name) : nullptr;
  return value ? std::optional<RegValue>(*value) : std::nullopt;
}

// ---------------------------------------------------------------- faults

void MemoryStore::RefuseOpen(Root root, const std::string& path, StoreFailure kind) {
  faults_->refuseOpen.push_back(KeyFault{root, Folded(KeyParts(path)), kind});
}

void MemoryStore::RefuseWrite(Root root, const std::string& path, StoreFailure kind) {
  faults_->refuseWrite.push_back(KeyFault{root, Folded(KeyParts(path)), kind});
}

void MemoryStore::SetFileFault(const std::string& path, FileFault fault) {
  faults_->files[FileKey(path)] = fault;
}

void MemoryStore::SetFolderUnlistable(const std::string& path) {
  faults_->unlistable.insert(FileKey(path));
}

void MemoryStore::RefuseProfileWrites(bool refuse) {
  faults_->refuseProfileWrites = refuse;
}

void MemoryStore::FailCall(int k, StoreFailure kind) {
  faults_->calls = 0;
  faults_->failAt = k;
  faults_->failKind = kind;
}

int MemoryStore::Calls() const {
  return faults_->calls;
}

StoreFailure MemoryStore::Called(StoreFailure otherwise) {
  return ++faults_->calls == faults_->failAt ? faults_->failKind : otherwise;
}

bool MemoryStore::ReadFails() {
  return faults_->failKind == StoreFailure::Other && Called() != StoreFailure::None;
}

void MemoryStore::ClearFaults() {
  *faults_ = Faults{};
}

}  // namespace tarnix
