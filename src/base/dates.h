// Local dates and times as the program writes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarnix {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The short date of the log and the undo journal: "dd.MM.yyyy", whatever the user's locale.
std::string ShortDate(const LocalDateTime& time);

// File times count 100-nanosecond intervals from 1 January 1601 in one time zone (UTC where
// the platform stores them). The date and time, to the second, counted in the same zone.
uint64_t FileTimeOf(const LocalDateTime& time);
// Nothing for a count past what the platform takes for a file time (the top bit set).
std::optional<LocalDateTime> DateOfFileTime(uint64_t fileTime);

}  // namespace tarnix
