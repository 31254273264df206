#include "watchdog/snapshot_store.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "base/text_case.h"
#include "platform/registry_keys.h"
#include "platform/value_text.h"
#include "watchdog/snapshot_digest.h"

namespace tarnix {

const char kSnapshotWriteError[] =
    "Error with writing to registry. Possibly,  write access denied to HKLM\\Software\\...";
const char kSnapshotLoad[] = "Load";
const char kSnapshotRun[] = "Run";

namespace {

// Value names compare without case; an ASCII one (every line name) without a platform call.
std::string NameKey(const std::string& name) {
  std::string key = name;
  for (char& c : key) {
    if (static_cast<unsigned char>(c) >= 0x80)
      return FoldCase(name);
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return key;
}

using ValuesByName = std::unordered_map<std::string, const NamedValue*>;

ValuesByName ByName(const std::vector<NamedValue>& values) {
  ValuesByName byName;
  byName.reserve(values.size());
  for (const NamedValue& value : values) byName[NameKey(value.name)] = &value;
  return byName;
}

// Turns the key from holding `from` into holding `to`: writes what differs, deletes what `to`
// does not name.
StoreResult Turn(RegKey& key, const std::vector<NamedValue>& from,
                 const std::vector<NamedValue>& to) {
  const ValuesByName held = ByName(from), wanted = ByName(to);
  for (const NamedValue& value : to) {
    const auto old = held.find(NameKey(value.name));
    if (old != held.end() && old->second->value == value.value)
      continue;
    if (StoreResult written = key.WriteValue(value.name, value.value); !written)
      return written;
  }
  for (const NamedValue& value : from) {
    if (wanted.count(NameKey(value.name)) != 0)
      continue;
    StoreResult deleted = key.DeleteValue(value.name);
    if (!deleted && deleted.failure != StoreFailure::NotFound)
      return deleted;
  }
  return {};
}

// What the key holds now, read whole; nothing, and the key's failure, when it is missing or
// cannot be read.
// A key of settings holds only its watched values as far as a write is concerned: the others
// are never touched.
std::optional<std::vector<NamedValue>> HeldValues(Store& store, const RunKeyLocation& where,
                                                  StoreResult& failure) {
  const OpenedKey key = store.OpenKey(where.root, where.path, false, where.view);
  failure = key.result;
  if (!key)
    return std::nullopt;
  std::vector<NamedValue> values = key->ReadValues();
  if (key->ValueCount() != values.size()) {
    failure = {StoreFailure::Other,
               "Cannot read the registry key " + RootName(where.root) + where.path};
    return std::nullopt;
  }
  return WatchedValues(where, std::move(values));
}

// The key opened for reading; `unread`, when given, takes why it could not be opened, unless it
// is missing.
OpenedKey OpenToRead(Store& store, Root root, const std::string& path, StoreResult* unread) {
  OpenedKey key = store.OpenKey(root, path, false);
  if (unread && key.result.failure != StoreFailure::NotFound)
    *unread = key.result;
  return key;
}

// Line names are ASCII: they compare without the locale's case rules, which would cost a
// platform call for every line of a snapshot read.
bool SameAsciiIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The number of a LineNNN name; nothing for any other name.
std::optional<unsigned long> LineNumber(const std::string& name) {
  if (name.size() < 5 || !SameAsciiIgnoringCase(name.substr(0, 4), "line"))
    return std::nullopt;
  unsigned long number = 0;
  for (size_t i = 4; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9' || number > 100000000ul)
      return std::nullopt;
    number = number * 10 + static_cast<unsigned long>(name[i] - '0');
  }
  return number;
}

}  // namespace

std::string LineValueName(size_t index) {
  const std::string number = std::to_string(index + 1);
  return "Line" + std::string(number.size() < 3 ? 3 - number.size() : 0, '0') + number;
}

bool SnapshotExists(Store& store) {
  return store.KeyExists(Root::LocalMachine, kSnapshotRoot);
}

StoreResult WriteSnapshotLines(Store& store, const std::string& keyPath,
                               const std::vector<std::string>& lines) {
  std::vector<NamedValue> values;
  values.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i)
    values.push_back({LineValueName(i), {regtype::String, lines[i]}});
  StoreResult written = WriteKeyValues(store, Root::LocalMachine, keyPath, values);
  if (written)
    RecordSnapshotDigest(store, keyPath, lines);
  return written;
}

std::optional<std::vector<std::string>> ReadSnapshotLines(Store& store, const std::string& keyPath,
                                                          StoreResult* unread) {
  auto key = OpenToRead(store, Root::LocalMachine, keyPath, unread);
  if (!key)
    return std::nullopt;
  struct Numbered {
    unsigned long number;
    std::string text;
  };
  std::vector<Numbered> numbered;
  for (NamedValue& entry : key->ReadValues()) {
    // A value that is not a line of ours sorts after the lines.
    numbered.push_back({LineNumber(entry.name).value_or(~0ul), ValueText(entry.value)});
  }
  std::stable_sort(numbered.begin(), numbered.end(),
                   [](const Numbered& a, const Numbered& b) { return a.number < b.number; });
  std::vector<std::string> lines;
  lines.reserve(numbered.size());
  for (Numbered& entry : numbered) lines.push_back(std::move(entry.text));
  return lines;
}

std::optional<std::vector<NamedValue>> ReadKeyValues(Store& store, Root root,
                                                     const std::string& path, StoreResult* unread) {
  auto key = OpenToRead(store, root, path, unread);
  if (!key)
    return std::nullopt;
  return key->ReadValues();
}

StoreResult WriteKeyValues(Store& store, Root root, const std::string& path,
                           const std::vector<NamedValue>& values) {
  return WriteKeyValues(store, RunKeyLocation{root, path}, values);
}

StoreResult WriteKeyValues(Store& store, const RunKeyLocation& where,
                           const std::vector<NamedValue>& values) {
  StoreResult read;
  const std::optional<std::vector<NamedValue>> held = HeldValues(store, where, read);
  if (!held && read.failure != StoreFailure::NotFound)
    return read;
  StoreResult written;
  {
    const OpenedKey key = store.OpenKey(where.root, where.path, true, where.view);
    if (!key)
      return key.result;
    written = Turn(*key, held.value_or(std::vector<NamedValue>{}), values);
    // What it held is put back: the key ends as it was or as asked, never between.
    if (!written && held)
      static_cast<void>(Turn(*key, values, *held));
  }
  // A key made for nothing is taken away again, once closed (deleting names the default view).
  if (!written && !held && where.view == RegView::Default)
    static_cast<void>(store.DeleteKey(where.root, where.path));
  return written;
}

std::optional<StoreResult> SnapshotRunList(Store& store, const std::string& keyPath,
                                           const RunListPlace& runList) {
  if (!runList.Readable())
    return std::nullopt;
  return WriteKeyValues(store, Root::LocalMachine, keyPath, runList.entries);
}

StoreResult WriteSnapshotValue(Store& store, const std::string& keyPath, const std::string& name,
                               const std::string& text) {
  const OpenedKey key = store.OpenKey(Root::LocalMachine, keyPath, true);
  return key ? key->WriteString(name, text) : key.result;
}

StoredWinini ReadSnapshotWinini(Store& store, const std::string& keyPath) {
  StoredWinini stored;
  if (const OpenedKey key = OpenToRead(store, Root::LocalMachine, keyPath, &stored.unread)) {
    const auto text = [&key](const char* name) -> std::optional<std::string> {
      const auto value = key->ReadValue(name);
      return value ? std::optional<std::string>(ValueText(*value)) : std::nullopt;
    };
    stored.load = text(kSnapshotLoad);
    stored.run = text(kSnapshotRun);
  }
  return stored;
}

StoreResult WriteSnapshotWinini(Store& store, const std::string& keyPath,
                                const WininiTexts& texts) {
  return WriteKeyValues(store, Root::LocalMachine, keyPath,
                        {{kSnapshotLoad, {regtype::String, texts.load}},
                         {kSnapshotRun, {regtype::String, texts.run}}});
}

}  // namespace tarnix
