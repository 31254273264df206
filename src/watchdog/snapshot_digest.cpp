#include "watchdog/snapshot_digest.h"

#include <algorithm>
#include <optional>

#include "base/sha256.h"
#include "sources/catalogue.h"
#include "watchdog/report_list.h"

namespace tarnix {

namespace {

const std::string kDigestKey = std::string(kProductKey) + "\\Digests";
constexpr size_t kDigestSize = 32;

// The digest's value: the section key, the last part of its subkey's path.
std::string ValueName(const std::string& keyPath) {
  return keyPath.substr(keyPath.rfind('\\') + 1);
}

void AddNumber(std::string& bytes, uint64_t number) {
  for (int i = 0; i < 8; ++i) bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
}

// The digest, then the subkey's stamp.
std::string Stored(const std::string& digest, const KeyStamp& stamp) {
  std::string bytes = digest;
  AddNumber(bytes, stamp.lastWrite);
  AddNumber(bytes, stamp.values);
  return bytes;
}

std::optional<KeyStamp> StampOf(Store& store, const std::string& keyPath) {
  const OpenedKey key = store.OpenKey(Root::LocalMachine, keyPath, false);
  return key ? key->Stamp() : std::nullopt;
}

}  // namespace

std::string LinesDigest(const std::vector<std::string>& lines) {
  std::vector<std::string> keys;
  for (const std::string& line : lines) {
    if (!IsBlankLine(line))
      keys.push_back(LineKey(line));
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  // Each key after its length, so that no two lists give the same bytes.
  std::string bytes;
  for (const std::string& key : keys) {
    AddNumber(bytes, key.size());
    bytes += key;
  }
  return Sha256(bytes);
}

void RecordSnapshotDigest(Store& store, const std::string& keyPath,
                          const std::vector<std::string>& lines) {
  const std::optional<KeyStamp> stamp = StampOf(store, keyPath);
  const OpenedKey key = store.OpenKey(Root::LocalMachine, kDigestKey, true);
  if (!stamp || !key)
    return;
  static_cast<void>(
      key->WriteValue(ValueName(keyPath), {regtype::Binary, Stored(LinesDigest(lines), *stamp)}));
}

bool DigestVouches(Store& store, const std::string& keyPath,
                   const std::vector<std::string>& current) {
  const OpenedKey key = store.OpenKey(Root::LocalMachine, kDigestKey, false);
  const std::optional<RegValue> stored = key ? key->ReadValue(ValueName(keyPath)) : std::nullopt;
  if (!stored || stored->type != regtype::Binary || stored->data.size() != kDigestSize + 16)
    return false;
  const std::optional<KeyStamp> stamp = StampOf(store, keyPath);
  return stamp && stored->data == Stored(LinesDigest(current), *stamp);
}

}  // namespace tarnix
