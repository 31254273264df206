// The snapshot in the registry: one subkey per startup section under HKEY_LOCAL_MACHINE
// "\Software\Movenda\Tarnix2\Save", named by the section's key. Line sections (texts and
// folders) hold Line001, Line002, ... ; run lists a copy of the run key's values with their
// types; "Winini" the values Load and Run.
//
// Writers stop at the first key that cannot be opened for writing or value that cannot be
// written, and hand back why, so that a refused write is never taken for a saved one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/store.h"
#include "sources/catalogue.h"
#include "sources/places.h"

namespace tarnix {

// The message for any snapshot write that failed.
extern const char kSnapshotWriteError[];

// "Line" and the 1-based line number with at least three digits: Line001 ... Line1000.
std::string LineValueName(size_t index);

bool SnapshotExists(Store& store);

// Replaces a line section: Line001... hold the lines, no other value is left.
StoreResult WriteSnapshotLines(Store& store, const std::string& keyPath,
                               const std::vector<std::string>& lines);
// The lines in the order of their numbers, whatever order the registry enumerates them in;
// nothing when the subkey does not exist or cannot be opened, and then `unread`, when given,
// takes why it could not be opened (a missing subkey is no failure).
std::optional<std::vector<std::string>> ReadSnapshotLines(Store& store, const std::string& keyPath,
                                                          StoreResult* unread = nullptr);

// Every value of the key with its type, in the registry's order; nothing when the key cannot
// be opened, and `unread` as for ReadSnapshotLines.
std::optional<std::vector<NamedValue>> ReadKeyValues(Store& store, Root root,
                                                     const std::string& path,
                                                     StoreResult* unread = nullptr);
// Makes the key hold exactly these values, types kept: writes each one that differs from what
// the key holds, then deletes the values it does not name. The key itself, and any subkey,
// stays. A write that fails part-way puts back what the key held (and takes away a key it made),
// so that the key ends as it was or as asked.
StoreResult WriteKeyValues(Store& store, Root root, const std::string& path,
                           const std::vector<NamedValue>& values);
// The same for a run list's key, in its view; a key of settings loses only watched values.
StoreResult WriteKeyValues(Store& store, const RunKeyLocation& where,
                           const std::vector<NamedValue>& values);

// The run list's snapshot subkey (under HKEY_LOCAL_MACHINE) takes the run list's values. A run
// key that does not exist is an empty list: its subkey is left empty, so that an entry in a key
// made later is reported against it and can be changed back. Nothing, and the subkey untouched,
// when the run key could not be read.
std::optional<StoreResult> SnapshotRunList(Store& store, const std::string& keyPath,
                                           const RunListPlace& runList);

// The win.ini pair: "Load" and "Run".
extern const char kSnapshotLoad[];
extern const char kSnapshotRun[];
// Nothing when the subkey or the value is missing.
std::optional<std::string> FindSnapshotValue(Store& store, const std::string& keyPath,
                                             const std::string& name);
StoreResult WriteSnapshotValue(Store& store, const std::string& keyPath, const std::string& name,
                               const std::string& text);
struct WininiTexts {
  std::string load, run;
};
// Each is nothing when the subkey or the value is missing; `unread` says why a subkey that is
// there could not be opened.
struct StoredWinini {
  std::optional<std::string> load, run;
  StoreResult unread;
};
StoredWinini ReadSnapshotWinini(Store& store, const std::string& keyPath);
// Makes the subkey hold Load and Run, as WriteKeyValues does.
StoreResult WriteSnapshotWinini(Store& store, const std::string& keyPath, const WininiTexts& texts);

}  // namespace tarnix
