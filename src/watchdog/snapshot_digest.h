// A digest of a line section's snapshot, so that the logon check of an unchanged system need not
// read the snapshot's lines one registry value at a time. It lies under the product key, beside
// the snapshot, with the stamp that the section's subkey had once written. A digest whose stamp
// is not the subkey's is stale: the subkey was written without it, and only the full
// comparison can tell. Windows moves a key's last-write time in ticks of about 15 ms, so an
// edit of the snapshot within the tick of the program's own write that keeps its value count
// goes unseen by the quiet check; the full start compares every line regardless.
#pragma once

#include <string>
#include <vector>

#include "platform/store.h"

namespace tarnix {

// SHA-256 of the distinct keys of the lines that are not blank, in order: equal for two lists
// exactly when the check finds no change between them.
std::string LinesDigest(const std::vector<std::string>& lines);

// Records the digest of the lines that the section's subkey has just been written with. A
// failure is not told: without a digest, the next check compares in full.
void RecordSnapshotDigest(Store& store, const std::string& keyPath,
                          const std::vector<std::string>& lines);

// True when a digest that is not stale says that the snapshot holds these lines, as the check
// compares them; false when there is none, it cannot be read, or it says otherwise.
bool DigestVouches(Store& store, const std::string& keyPath,
                   const std::vector<std::string>& current);

}  // namespace tarnix
