// How every write of the platform store ends: the one way a failure comes back to the caller.
#pragma once

#include <string>
#include <utility>

namespace tarnix {

// Why an operation failed. AccessDenied: the platform refused it for lack of rights, which
// the same operation run as administrator may not meet; NotFound: the key, value or file is
// not there; Other: any other reason.
enum class StoreFailure { None, AccessDenied, NotFound, Other };

// A write's outcome. A failure carries its kind and a text that can be shown as it stands.
struct [[nodiscard]] StoreResult {
  StoreFailure failure = StoreFailure::None;
  std::string text;

  explicit operator bool() const { return failure == StoreFailure::None; }
  // The same outcome told in the caller's words; a success stays a success.
  StoreResult Saying(std::string words) const {
    if (failure == StoreFailure::None)
      return {};
    return {failure, std::move(words)};
  }
};

// Success for None; otherwise the failure with its text.
inline StoreResult Outcome(StoreFailure failure, std::string text) {
  if (failure == StoreFailure::None)
    return {};
  return {failure, std::move(text)};
}

}  // namespace tarnix
