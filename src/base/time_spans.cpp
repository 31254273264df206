#include "base/time_spans.h"

#include <cstdio>
#include <cstdlib>

namespace tarnix {

namespace {

using Clock = std::chrono::steady_clock;

const char* SpanFile() {
  return std::getenv("TARNIX_SPANS");
}

Clock::time_point Origin() {
  static const Clock::time_point origin = Clock::now();
  return origin;
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

}  // namespace

TimeSpan::TimeSpan(const char* name) : name_(name), start_(Clock::now()) {
  if (SpanFile() != nullptr)
    Origin();
}

TimeSpan::~TimeSpan() {
  const char* file = SpanFile();
  if (file == nullptr)
    return;
  if (std::FILE* out = std::fopen(file, "a")) {
    std::fprintf(out, "%s %.1f %.1f\n", name_, Milliseconds(start_ - Origin()),
                 Milliseconds(Clock::now() - start_));
    std::fclose(out);
  }
}

}  // namespace tarnix
