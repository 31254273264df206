// Where the time goes: with the environment variable TARNIX_SPANS naming a file, every span
// appends "<name> <start ms> <length ms>" to it when it ends (start counted from the first
// span of the process). Without the variable a span costs one look at the environment.
#pragma once

#include <chrono>

namespace tarnix {

class TimeSpan {
 public:
  explicit TimeSpan(const char* name);
  ~TimeSpan();
  TimeSpan(const TimeSpan&) = delete;
  TimeSpan& operator=(const TimeSpan&) = delete;

 private:
  const char* name_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace tarnix
