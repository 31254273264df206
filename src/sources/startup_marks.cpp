#include "sources/startup_marks.h"

#include "base/text_case.h"

namespace tarnix {

namespace {

constexpr size_t kMarkSize = 12, kTimeAt = 4;
constexpr unsigned char kEnabledMark = 0x02, kDisabledMark = 0x03;

uint64_t LittleEndian(const std::string& bytes, size_t at) {
  uint64_t value = 0;
  for (size_t i = 8; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

std::optional<RunKeyLocation> MarkKeyOf(SectionId id) {
  const std::optional<SectionId> marks = MarksSectionOf(id);
  return marks ? std::optional(MarkKeyLocation(*marks)) : std::nullopt;
}

EntryMark DecodeMark(const std::optional<RegValue>& value) {
  EntryMark mark;
  if (!value || value->type != regtype::Binary || value->data.empty())
    return mark;
  mark.disabled = (static_cast<unsigned char>(value->data[0]) & 1) != 0;
  // Zeros where the time belongs (a mark written by hand) say no time.
  if (mark.disabled && value->data.size() >= kMarkSize && LittleEndian(value->data, kTimeAt) != 0)
    mark.disabledAt = LittleEndian(value->data, kTimeAt);
  return mark;
}

RegValue EncodeMark(bool disabled, uint64_t fileTime) {
  std::string bytes(kMarkSize, '\0');
  bytes[0] = static_cast<char>(disabled ? kDisabledMark : kEnabledMark);
  for (size_t i = 0; disabled && i < 8; ++i)
    bytes[kTimeAt + i] = static_cast<char>((fileTime >> (8 * i)) & 0xFF);
  return {regtype::Binary, bytes};
}

EntryMark PlaceMarks::Of(const std::string& entry) const {
  const std::string folded = FoldCase(entry);
  for (const NamedValue& value : values) {
    if (FoldCase(value.name) == folded)
      return DecodeMark(value.value);
  }
  return {};
}

PlaceMarks ReadMarks(Store& store, SectionId id) {
  const std::optional<RunKeyLocation> where = MarkKeyOf(id);
  return where ? ReadMarkKey(store, *where) : PlaceMarks{};
}

PlaceMarks ReadMarkKey(Store& store, const RunKeyLocation& where) {
  PlaceMarks marks;
  if (const OpenedKey key = store.OpenKey(where.root, where.path, false))
    marks.values = key->ReadValues();
  else if (key.result.failure != StoreFailure::NotFound)
    marks.readFailure = key.result.failure;
  return marks;
}

StoreResult WriteMark(Store& store, const RunKeyLocation& key, const std::string& entry,
                      const RegValue& mark) {
  const OpenedKey opened = store.OpenKey(key.root, key.path, true);
  return opened ? opened->WriteValue(entry, mark) : opened.result;
}

}  // namespace tarnix
