// Task Manager's enabled and disabled marks. Its Startup tab and Settings > Apps > Startup do
// not delete an entry: they keep a binary value named as the entry under StartupApproved,
// whose first byte's lowest bit says disabled and whose bytes 4 to 11 then hold when.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/store.h"
#include "sources/catalogue.h"

namespace tarnix {

// Where Task Manager marks the entries of the place; nothing for a place it does not list.
std::optional<RunKeyLocation> MarkKeyOf(SectionId id);

struct EntryMark {
  bool disabled = false;
  std::optional<uint64_t> disabledAt;  // a file time in UTC, when the mark holds one
};

// No value, or one that is not binary, leaves the entry enabled, as Windows starts it.
EntryMark DecodeMark(const std::optional<RegValue>& value);
// The twelve bytes Task Manager writes: 03, three zeros and the time when disabling; 02 and
// eleven zeros when enabling.
RegValue EncodeMark(bool disabled, uint64_t fileTime);

// The marks of one place, as its key held them.
struct PlaceMarks {
  StoreFailure readFailure = StoreFailure::None;  // a missing key is no failure: no marks
  std::vector<NamedValue> values;

  // The entry's mark; names compare without regard to case.
  EntryMark Of(const std::string& entry) const;
};

// The marks of the place's entries; none for a place Task Manager does not list.
PlaceMarks ReadMarks(Store& store, SectionId id);
// Every mark of the key.
PlaceMarks ReadMarkKey(Store& store, const RunKeyLocation& where);
// Writes the entry's mark in the key, made when missing.
StoreResult WriteMark(Store& store, const RunKeyLocation& key, const std::string& entry,
                      const RegValue& mark);

}  // namespace tarnix
