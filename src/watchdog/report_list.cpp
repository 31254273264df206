#include "watchdog/report_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "sources/text_case.h"

namespace tarnix {

namespace {

constexpr uint64_t kHighBits = 0x8080808080808080ull;

// Eight bytes at once: A-Z become a-z, every other byte stays as it is.
uint64_t LowerAscii8(uint64_t w) {
  const uint64_t heptets = w & ~kHighBits;
  const uint64_t atLeastA = heptets + 0x3F3F3F3F3F3F3F3Full;
  const uint64_t pastZ = heptets + 0x2525252525252525ull;
  const uint64_t upper = atLeastA & ~pastZ & ~w & kHighBits;
  return w | (upper >> 2);
}

uint64_t Word(const char* p) {
  uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}

// The last bytes of a text (fewer than eight), or its last eight bytes, overlapping the words
// before them, when it is long enough.
uint64_t Tail(std::string_view s) {
  if (s.size() >= 8)
    return Word(s.data() + s.size() - 8);
  uint64_t w = 0;
  std::memcpy(&w, s.data(), s.size());
  return w;
}

uint64_t Mix(uint64_t h, uint64_t w) {
  h = (h ^ w) * 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 31);
}

// Hash of a text whose letters count in lower case. Setting bit 5 of every byte maps A-Z onto
// a-z (and a few signs onto others, which only costs a rare extra comparison).
uint64_t HashKey(std::string_view s) {
  constexpr uint64_t kBit5 = 0x2020202020202020ull;
  uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
  for (size_t at = 0; at + 8 <= s.size(); at += 8) h = Mix(h, Word(s.data() + at) | kBit5);
  h = Mix(h, Tail(s) | kBit5);
  h *= 0x94D049BB133111EBull;
  return h ^ (h >> 29);
}

// Equality with ASCII letters in lower case.
bool EqualKeys(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  if (a == b)
    return true;
  for (size_t at = 0; at + 8 <= a.size(); at += 8) {
    if (LowerAscii8(Word(a.data() + at)) != LowerAscii8(Word(b.data() + at)))
      return false;
  }
  return LowerAscii8(Tail(a)) == LowerAscii8(Tail(b));
}

bool IsAscii(std::string_view s) {
  uint64_t bits = Tail(s);
  for (size_t at = 0; at + 8 <= s.size(); at += 8) bits |= Word(s.data() + at);
  return (bits & kHighBits) == 0;
}

// The lines of one list with the first position of each (a lookup finds the first equal
// entry), in an open-addressing table of one flat array.
class LineIndex {
 public:
  explicit LineIndex(const std::vector<std::string>& lines) : lines_(lines) {
    size_t capacity = 16;
    while (capacity < lines.size() + lines.size() / 4) capacity *= 2;
    slots_.resize(capacity);
    hashes_.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      if (!IsAscii(lines[i]))
        folded_.emplace(i, FoldCase(lines[i]));
      hashes_.push_back(HashKey(Key(i)));
      Slot& slot = Probe(Key(i), hashes_[i]);
      if (slot.position == 0)
        slot = {static_cast<uint32_t>(hashes_[i]), static_cast<uint32_t>(i + 1)};
    }
  }
  // The key of line i: the line itself, or its fold when it holds more than ASCII. Keys compare
  // with ASCII letters in lower case, which a fold already has, so that both kinds compare
  // alike and only the rare non-ASCII line pays for a fold.
  std::string_view Key(size_t i) const {
    if (folded_.empty())
      return lines_[i];
    auto it = folded_.find(i);
    return it == folded_.end() ? std::string_view(lines_[i]) : std::string_view(it->second);
  }
  uint64_t Hash(size_t i) const { return hashes_[i]; }
  std::optional<size_t> Find(std::string_view key, uint64_t hash) const {
    const Slot& slot = Probe(key, hash);
    if (slot.position == 0)
      return std::nullopt;
    return slot.position - 1;
  }

 private:
  struct Slot {
    uint32_t tag = 0;       // low half of the hash
    uint32_t position = 0;  // one past the line's index; 0 marks an empty slot
  };
  // The slot holding the key, or the empty slot where it belongs.
  const Slot& Probe(std::string_view key, uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t at = (hash >> 32) & mask;; at = (at + 1) & mask) {
      const Slot& slot = slots_[at];
      if (slot.position == 0)
        return slot;
      if (slot.tag == static_cast<uint32_t>(hash) && EqualKeys(Key(slot.position - 1), key)) {
        return slot;
      }
    }
  }
  Slot& Probe(std::string_view key, uint64_t hash) {
    return const_cast<Slot&>(static_cast<const LineIndex&>(*this).Probe(key, hash));
  }

  const std::vector<std::string>& lines_;
  std::vector<Slot> slots_;
  std::vector<uint64_t> hashes_;
  std::unordered_map<size_t, std::string> folded_;
};

// Looks line i of `from` up in `in`.
std::optional<size_t> FindLine(const LineIndex& in, const LineIndex& from, size_t i) {
  return in.Find(from.Key(i), from.Hash(i));
}

std::optional<size_t> FindText(const LineIndex& in, const std::string& text) {
  const std::string folded = IsAscii(text) ? std::string() : FoldCase(text);
  const std::string_view key = folded.empty() ? std::string_view(text) : folded;
  return in.Find(key, HashKey(key));
}

// Free slots of the final list, counted with a Fenwick tree so that the n-th free slot is
// found in logarithmic time.
class FreeSlots {
 public:
  explicit FreeSlots(size_t count) : tree_(count + 1) {
    for (size_t i = 1; i <= count; ++i) tree_[i] = static_cast<uint32_t>(i & (~i + 1));
    while (top_ * 2 <= count) top_ *= 2;
  }
  // Takes the free slot that has `before` free slots in front of it.
  size_t Take(size_t before) {
    size_t pos = 0;
    size_t rest = before + 1;
    for (size_t step = top_; step > 0; step /= 2) {
      if (pos + step < tree_.size() && tree_[pos + step] < rest) {
        pos += step;
        rest -= tree_[pos];
      }
    }
    for (size_t i = pos + 1; i < tree_.size(); i += i & (~i + 1)) --tree_[i];
    return pos;
  }

 private:
  std::vector<uint32_t> tree_;
  size_t top_ = 1;
};

// Inserting item k at position at[k] into a growing list of `base` entries, one after
// another, puts the items where placing them from the last to the first into the free slots of
// the final list puts them. True marks the slots of the items.
std::vector<bool> ItemSlots(size_t base, const std::vector<size_t>& at,
                            std::vector<size_t>& slotOf) {
  const size_t total = base + at.size();
  std::vector<bool> taken(total, false);
  FreeSlots slots(total);
  slotOf.resize(at.size());
  for (size_t k = at.size(); k-- > 0;) {
    slotOf[k] = slots.Take(at[k]);
    taken[slotOf[k]] = true;
  }
  return taken;
}

}  // namespace

std::string TrimLine(const std::string& line) {
  size_t first = 0;
  size_t last = line.size();
  while (first < last && static_cast<unsigned char>(line[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(line[last - 1]) <= ' ') --last;
  return line.substr(first, last - first);
}

bool IsBlankLine(const std::string& line) {
  for (char c : line) {
    if (static_cast<unsigned char>(c) > ' ')
      return false;
  }
  return true;
}

std::string LineKey(const std::string& line) {
  return FoldCase(line);
}

std::optional<std::vector<ChangeLine>> BuildReportList(const std::vector<std::string>& current,
                                                       const std::vector<std::string>& snapshot) {
  const LineIndex inCurrent(current);
  const LineIndex inSnapshot(snapshot);

  std::vector<std::string> deleted;
  for (size_t i = 0; i < snapshot.size(); ++i) {
    if (!IsBlankLine(snapshot[i]) && !FindLine(inCurrent, inSnapshot, i)) {
      deleted.push_back(TrimLine(snapshot[i]));
    }
  }

  // The current lines as they enter the list: unchanged, added, or left out (new and blank).
  enum class Fate : uint8_t { Unchanged, Added, Left };
  std::vector<Fate> fate(current.size(), Fate::Left);
  size_t shown = 0;
  bool added = false;
  for (size_t i = 0; i < current.size(); ++i) {
    if (FindLine(inSnapshot, inCurrent, i)) {
      fate[i] = Fate::Unchanged;
    } else if (!IsBlankLine(current[i])) {
      fate[i] = Fate::Added;
      added = true;
    }
    shown += fate[i] != Fate::Left;
  }
  if (deleted.empty() && !added)
    return std::nullopt;

  std::vector<size_t> at(deleted.size(), 0);
  for (size_t k = 0; k < deleted.size(); ++k) {
    auto p = FindText(inSnapshot, deleted[k]);
    if (!p || *p == 0)
      continue;
    auto j = FindLine(inCurrent, inSnapshot, *p - 1);
    // Blank new lines are left out of the list, so the place may lie past its end.
    if (j)
      at[k] = std::min(*j + 1, shown + k);
  }
  std::vector<size_t> slotOf;
  const std::vector<bool> isDeleted = ItemSlots(shown, at, slotOf);

  std::vector<ChangeLine> list(isDeleted.size());
  for (size_t k = 0; k < deleted.size(); ++k) {
    list[slotOf[k]] = {std::move(deleted[k]), ChangeMark::Deleted};
  }
  size_t next = 0;
  for (size_t slot = 0; slot < list.size(); ++slot) {
    if (isDeleted[slot])
      continue;
    while (fate[next] == Fate::Left) ++next;
    if (fate[next] == Fate::Unchanged) {
      list[slot] = {current[next], ChangeMark::Unchanged};
    } else {
      list[slot] = {TrimLine(current[next]), ChangeMark::Added};
    }
    ++next;
  }
  return list;
}

}  // namespace tarnix
