#include "base/dates.h"

#include <algorithm>
#include <cstdio>

namespace tarnix {

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;
constexpr uint64_t kSecondsPerDay = 86400;
// Days in the 400, 100, 4 and 1-year cycles that begin in 1601, a year after a leap century.
constexpr int64_t kDays400 = 146097, kDays100 = 36524, kDays4 = 1461, kDays1 = 365;
constexpr int kMonthStart[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

bool IsLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DayOfYear(int year, int month, int day) {
  return kMonthStart[month - 1] + (month > 2 && IsLeap(year) ? 1 : 0) + day - 1;
}

}  // namespace

std::string ShortDate(const LocalDateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", time.day, time.month, time.year);
  return text;
}

uint64_t FileTimeOf(const LocalDateTime& time) {
  const int64_t years = time.year - 1601;
  const int64_t days = years * kDays1 + years / 4 - years / 100 + years / 400 +
                       DayOfYear(time.year, time.month, time.day);
  const int64_t seconds = days * static_cast<int64_t>(kSecondsPerDay) + time.hour * 3600 +
                          time.minute * 60 + time.second;
  return static_cast<uint64_t>(seconds) * kTicksPerSecond;
}

std::optional<LocalDateTime> DateOfFileTime(uint64_t fileTime) {
  if (fileTime >> 63)
    return std::nullopt;
  const uint64_t seconds = fileTime / kTicksPerSecond;
  int64_t days = static_cast<int64_t>(seconds / kSecondsPerDay);
  const int64_t cycles400 = days / kDays400;
  days %= kDays400;
  // The last century of a cycle and the last year of four have the one day more.
  const int64_t centuries = std::min<int64_t>(days / kDays100, 3);
  days -= centuries * kDays100;
  const int64_t cycles4 = days / kDays4;
  days %= kDays4;
  const int64_t years = std::min<int64_t>(days / kDays1, 3);
  days -= years * kDays1;
  LocalDateTime date;
  date.year = static_cast<int>(1601 + 400 * cycles400 + 100 * centuries + 4 * cycles4 + years);
  date.month = 12;
  while (DayOfYear(date.year, date.month, 1) > days) --date.month;
  date.day = static_cast<int>(days) - DayOfYear(date.year, date.month, 1) + 1;
  const auto second = static_cast<int>(seconds % kSecondsPerDay);
  date.hour = second / 3600;
  date.minute = second / 60 % 60;
  date.second = second % 60;
  return date;
}

}  // namespace tarnix
