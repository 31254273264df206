#include "watchdog/snapshot_store.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "base/text_case.h"
#include "platform/value_text.h"

namespace tarnix {

const char kSnapshotWriteError[] =
    "Error with writing to registry. Possibly,  write access denied to HKLM\\Software\\...";
const char kSnapshotLoad[] = "Load";
const char kSnapshotRun[] = "Run";

namespace {

// After `written` values of distinct names were written: deletes every value that `kept` does
// not take. A key that holds (`held`) no more values than were written holds no other, and is
// not listed.
template <typename Kept>
StoreResult DeleteOtherValues(RegKey& key, std::optional<size_t> held, size_t written, Kept kept) {
  if (held == written)
    return {};
  for (const std::string& name : key.GetValueNames()) {
    if (kept(name))
      continue;
    if (StoreResult deleted = key.DeleteValue(name); !deleted)
      return deleted;
  }
  return {};
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

namespace {

// Whether the name is one of the first `count` line names, in any case.
bool IsLineName(const std::string& name, size_t count) {
  const auto number = LineNumber(name);
  return number && *number >= 1 && *number <= count &&
         SameAsciiIgnoringCase(name, LineValueName(*number - 1));
}

// The lines a longer text left behind follow the new last line: they are deleted by name for as
// long as the key holds more values than were written; what remains is found by listing.
StoreResult DeleteLinesBeyond(RegKey& key, size_t written) {
  std::optional<size_t> held = key.ValueCount();
  for (size_t index = written; held && *held > written; ++index, --*held) {
    if (!key.DeleteValue(LineValueName(index)))
      break;
  }
  return DeleteOtherValues(
      key, held, written, [written](const std::string& name) { return IsLineName(name, written); });
}

}  // namespace

bool SnapshotExists(Store& store) {
  return store.KeyExists(Root::LocalMachine, kSnapshotRoot);
}

StoreResult WriteSnapshotLines(Store& store, const std::string& keyPath,
                               const std::vector<std::string>& lines) {
  const OpenedKey key = store.OpenKey(Root::LocalMachine, keyPath, true);
  if (!key)
    return key.result;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (StoreResult written = key->WriteString(LineValueName(i), lines[i]); !written)
      return written;
  }
  return DeleteLinesBeyond(*key, lines.size());
}

std::optional<std::vector<std::string>> ReadSnapshotLines(Store& store,
                                                          const std::string& keyPath) {
  auto key = store.OpenKey(Root::LocalMachine, keyPath, false);
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
                                                     const std::string& path) {
  auto key = store.OpenKey(root, path, false);
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
  const OpenedKey key = store.OpenKey(where.root, where.path, true, where.view);
  if (!key)
    return key.result;
  std::set<std::string> written;
  for (const NamedValue& entry : values) {
    if (StoreResult value = key->WriteValue(entry.name, entry.value); !value)
      return value;
    written.insert(FoldCase(entry.name));
  }
  std::set<std::string> watched;
  for (const std::string& name : where.settings) watched.insert(FoldCase(name));
  const auto kept = [&](const std::string& name) {
    const std::string folded = FoldCase(name);
    return written.count(folded) != 0 || (!watched.empty() && watched.count(folded) == 0);
  };
  // Beside settings the key holds other values, so it is always listed.
  const std::optional<size_t> held = watched.empty() ? key->ValueCount() : std::nullopt;
  return DeleteOtherValues(*key, held, written.size(), kept);
}

std::optional<StoreResult> SnapshotRunList(Store& store, const std::string& keyPath,
                                           const RunListPlace& runList) {
  if (!runList.Readable())
    return std::nullopt;
  return WriteKeyValues(store, Root::LocalMachine, keyPath, runList.entries);
}

std::optional<std::string> FindSnapshotValue(Store& store, const std::string& keyPath,
                                             const std::string& name) {
  auto key = store.OpenKey(Root::LocalMachine, keyPath, false);
  if (!key)
    return std::nullopt;
  auto value = key->ReadValue(name);
  if (!value)
    return std::nullopt;
  return ValueText(*value);
}

StoreResult WriteSnapshotValue(Store& store, const std::string& keyPath, const std::string& name,
                               const std::string& text) {
  const OpenedKey key = store.OpenKey(Root::LocalMachine, keyPath, true);
  return key ? key->WriteString(name, text) : key.result;
}

StoredWinini ReadSnapshotWinini(Store& store, const std::string& keyPath) {
  return {FindSnapshotValue(store, keyPath, kSnapshotLoad),
          FindSnapshotValue(store, keyPath, kSnapshotRun)};
}

StoreResult WriteSnapshotWinini(Store& store, const std::string& keyPath,
                                const WininiTexts& texts) {
  const OpenedKey key = store.OpenKey(Root::LocalMachine, keyPath, true);
  if (!key)
    return key.result;
  StoreResult load = key->WriteString(kSnapshotLoad, texts.load);
  return load ? key->WriteString(kSnapshotRun, texts.run) : load;
}

}  // namespace tarnix
