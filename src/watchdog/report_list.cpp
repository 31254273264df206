#include "watchdog/report_list.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "base/text_case.h"

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

struct Hashed {
  uint64_t hash;
  bool ascii;
};

// Hash of a text whose letters count in lower case, and whether the text is plain ASCII, in one
// pass. Setting bit 5 of every byte maps A-Z onto a-z (and a few signs onto others, which only
// costs a rare extra comparison).
Hashed HashText(std::string_view s) {
  constexpr uint64_t kBit5 = 0x2020202020202020ull;
  uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
  const uint64_t tail = Tail(s);
  uint64_t bits = tail;
  for (size_t at = 0; at + 8 <= s.size(); at += 8) {
    const uint64_t w = Word(s.data() + at);
    bits |= w;
    h = Mix(h, w | kBit5);
  }
  h = Mix(h, tail | kBit5);
  h *= 0x94D049BB133111EBull;
  return {h ^ (h >> 29), (bits & kHighBits) == 0};
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

// The key of a line: the line itself, or its fold when it holds more than ASCII. Keys compare
// with ASCII letters in lower case, which a fold already has, so that both kinds compare alike
// and only the rare line beyond ASCII pays for a fold.
class Key {
 public:
  explicit Key(const std::string& line) {
    const Hashed hashed = HashText(line);
    if (hashed.ascii) {
      text_ = line;
      hash_ = hashed.hash;
    } else {
      fold_ = FoldCase(line);
      text_ = fold_;
      hash_ = HashText(fold_).hash;
    }
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  std::string_view Text() const { return text_; }
  uint64_t Hash() const { return hash_; }
  uint32_t Tag() const { return static_cast<uint32_t>(hash_); }
  bool Folded() const { return !fold_.empty(); }

 private:
  std::string fold_;
  std::string_view text_;
  uint64_t hash_ = 0;
};

// The snapshot's lines by key in one flat open-addressing table, holding for each key the first
// snapshot line and the first current line that have it (a lookup finds the first equal entry).
class LineTable {
 public:
  explicit LineTable(const std::vector<std::string>& snapshot)
      : snapshot_(snapshot), slotOf_(snapshot.size()) {
    size_t capacity = 16;
    while (capacity < snapshot.size() + snapshot.size() / 4) capacity *= 2;
    slots_.resize(capacity);
    for (size_t i = 0; i < snapshot.size(); ++i) {
      const Key key(snapshot[i]);
      const size_t at = Probe(key);
      if (slots_[at].snapshot == 0) {
        slots_[at] = {key.Tag(), Position(i), 0};
        if (key.Folded())
          folds_.emplace(at, std::string(key.Text()));
      }
      slotOf_[i] = static_cast<uint32_t>(at);
    }
  }

  // Notes current line i; true when the snapshot holds an equal line.
  bool NoteCurrent(const std::string& line, size_t i) {
    Slot& slot = slots_[Probe(Key(line))];
    if (slot.snapshot == 0)
      return false;
    if (slot.current == 0)
      slot.current = Position(i);
    return true;
  }
  // The first current line equal to snapshot line i.
  std::optional<size_t> CurrentOf(size_t i) const { return Index(slots_[slotOf_[i]].current); }
  // The first snapshot line equal to the text.
  std::optional<size_t> SnapshotOf(const std::string& text) const {
    return Index(slots_[Probe(Key(text))].snapshot);
  }

 private:
  // Positions are one past the line's index; 0 is none, and an empty slot has no snapshot line.
  struct Slot {
    uint32_t tag = 0;  // low half of the hash
    uint32_t snapshot = 0;
    uint32_t current = 0;
  };
  static uint32_t Position(size_t i) { return static_cast<uint32_t>(i + 1); }
  static std::optional<size_t> Index(uint32_t position) {
    if (position == 0)
      return std::nullopt;
    return position - 1;
  }

  std::string_view KeyAt(size_t at) const {
    if (!folds_.empty()) {
      auto it = folds_.find(at);
      if (it != folds_.end())
        return it->second;
    }
    return snapshot_[slots_[at].snapshot - 1];
  }
  // The slot holding the key, or the empty slot where it belongs.
  size_t Probe(const Key& key) const {
    const size_t mask = slots_.size() - 1;
    for (size_t at = (key.Hash() >> 32) & mask;; at = (at + 1) & mask) {
      const Slot& slot = slots_[at];
      if (slot.snapshot == 0 || (slot.tag == key.Tag() && EqualKeys(KeyAt(at), key.Text())))
        return at;
    }
  }

  const std::vector<std::string>& snapshot_;
  std::vector<Slot> slots_;
  std::vector<uint32_t> slotOf_;                   // the slot of each snapshot line
  std::unordered_map<size_t, std::string> folds_;  // the keys beyond ASCII, by slot
};

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

const std::string& ReportList::Text(size_t i) const {
  const Entry& entry = entries_[i];
  return entry.mark == ChangeMark::Unchanged ? (*current_)[entry.index] : own_[entry.index];
}

std::vector<ChangeLine> ReportList::Lines() const {
  std::vector<ChangeLine> lines;
  lines.reserve(Size());
  for (size_t i = 0; i < Size(); ++i) lines.push_back({Text(i), Mark(i)});
  return lines;
}

size_t ReportList::Origin(size_t i) const {
  const Entry& entry = entries_[i];
  return entry.mark == ChangeMark::Unchanged ? entry.index : origins_[entry.index];
}

class ReportListBuilder {
 public:
  static std::optional<ReportList> Build(const std::vector<std::string>& current,
                                         const std::vector<std::string>& snapshot,
                                         bool evenUnchanged);
};

std::optional<ReportList> ReportListBuilder::Build(const std::vector<std::string>& current,
                                                   const std::vector<std::string>& snapshot,
                                                   bool evenUnchanged) {
  LineTable table(snapshot);

  // The current lines as they enter the list: unchanged, added, or left out (new and blank).
  enum class Fate : uint8_t { Unchanged, Added, Left };
  std::vector<Fate> fate(current.size(), Fate::Left);
  size_t shown = 0;
  size_t added = 0;
  for (size_t i = 0; i < current.size(); ++i) {
    if (table.NoteCurrent(current[i], i)) {
      fate[i] = Fate::Unchanged;
    } else if (!IsBlankLine(current[i])) {
      fate[i] = Fate::Added;
      ++added;
    }
    shown += fate[i] != Fate::Left;
  }

  ReportList list;
  list.current_ = &current;
  std::vector<std::string>& own = list.own_;
  for (size_t i = 0; i < snapshot.size(); ++i) {
    if (!table.CurrentOf(i) && !IsBlankLine(snapshot[i])) {
      own.push_back(TrimLine(snapshot[i]));
      list.origins_.push_back(static_cast<uint32_t>(i));
    }
  }
  const size_t deleted = own.size();
  if (deleted == 0 && added == 0 && !evenUnchanged)
    return std::nullopt;

  // Inserting deleted line k at its place in the list as it grows, one after another, puts the
  // lines where placing them from the last to the first into the free slots of the final list
  // puts them.
  std::vector<ReportList::Entry>& entries = list.entries_;
  entries.assign(shown + deleted, {0, ChangeMark::Unchanged});
  if (deleted > 0) {
    FreeSlots free(entries.size());
    for (size_t k = deleted; k-- > 0;) {
      size_t at = 0;
      auto p = table.SnapshotOf(own[k]);
      auto j = p && *p > 0 ? table.CurrentOf(*p - 1) : std::nullopt;
      // Blank new lines are left out of the list, so the place may lie past its end.
      if (j)
        at = std::min(*j + 1, shown + k);
      entries[free.Take(at)] = {static_cast<uint32_t>(k), ChangeMark::Deleted};
    }
  }

  own.reserve(deleted + added);
  list.origins_.reserve(deleted + added);
  size_t next = 0;
  for (ReportList::Entry& entry : entries) {
    if (entry.mark == ChangeMark::Deleted)
      continue;
    while (fate[next] == Fate::Left) ++next;
    if (fate[next] == Fate::Unchanged) {
      entry = {static_cast<uint32_t>(next), ChangeMark::Unchanged};
    } else {
      entry = {static_cast<uint32_t>(own.size()), ChangeMark::Added};
      own.push_back(TrimLine(current[next]));
      list.origins_.push_back(static_cast<uint32_t>(next));
    }
    ++next;
  }
  return list;
}

std::optional<ReportList> BuildReportList(const std::vector<std::string>& current,
                                          const std::vector<std::string>& snapshot) {
  return ReportListBuilder::Build(current, snapshot, false);
}

ReportList CompareLines(const std::vector<std::string>& current,
                        const std::vector<std::string>& snapshot) {
  return *ReportListBuilder::Build(current, snapshot, true);
}

}  // namespace tarnix
