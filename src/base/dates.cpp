#include "base/dates.h"

#include <cstdio>

namespace tarnix {

std::string ShortDate(const LocalDateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", time.day, time.month, time.year);
  return text;
}

}  // namespace tarnix
