// The change list of one section: its current lines merged with the snapshot lines that have
// gone, each marked. Pure logic; the change check shows the result in the report window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnix {

// The numbers are the indexes of the marks in the report window's image list.
enum class ChangeMark { Added = 0, Deleted = 1, Unchanged = 2 };

struct ChangeLine {
  std::string text;
  ChangeMark mark = ChangeMark::Unchanged;
  bool operator==(const ChangeLine& o) const { return text == o.text && mark == o.mark; }
};

// Strips every leading and trailing character up to the blank (blanks and control codes).
std::string TrimLine(const std::string& line);
bool IsBlankLine(const std::string& line);
// Two lines are equal when their keys are equal: whole lines, ignoring letter case.
std::string LineKey(const std::string& line);

// A built change list. Unchanged entries refer to the current lines it was built from, which
// must outlive it: a large section is shown and logged without a copy of every line.
class ReportList {
 public:
  size_t Size() const { return entries_.size(); }
  const std::string& Text(size_t i) const;
  ChangeMark Mark(size_t i) const { return entries_[i].mark; }
  // Where entry i comes from: its index among the snapshot lines when it is deleted, among the
  // current lines otherwise.
  size_t Origin(size_t i) const;
  std::vector<ChangeLine> Lines() const;

 private:
  friend class ReportListBuilder;
  struct Entry {
    uint32_t index;  // into the current lines when unchanged, else into own_
    ChangeMark mark;
  };
  const std::vector<std::string>* current_ = nullptr;
  std::vector<std::string> own_;   // the trimmed texts of the added and deleted entries
  std::vector<uint32_t> origins_;  // where each of own_ comes from
  std::vector<Entry> entries_;
};

// Nothing when the section has not changed. Otherwise every current line in order (unchanged
// ones as they stand, added ones trimmed, new blank lines left out), and each snapshot line
// that has no equal current line, trimmed, inserted at one past the position its snapshot
// predecessor has among the current lines, or at the top when there is none.
std::optional<ReportList> BuildReportList(const std::vector<std::string>& current,
                                          const std::vector<std::string>& snapshot);
// The same list, also when the section has not changed: then every current line the snapshot
// holds, unchanged.
ReportList CompareLines(const std::vector<std::string>& current,
                        const std::vector<std::string>& snapshot);

}  // namespace tarnix
