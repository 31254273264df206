// Local dates and times as the program writes them.
#pragma once

#include <string>

namespace tarnix {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The short date of the log and the undo journal: "dd.MM.yyyy", whatever the user's locale.
std::string ShortDate(const LocalDateTime& time);

}  // namespace tarnix
