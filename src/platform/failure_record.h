// Why a platform operation failed, for the operations that report it by their result.
#pragma once

namespace tarnix {

// Why an operation failed. AccessDenied: the platform refused it for lack of rights, which
// the same operation run as administrator may not meet; NotFound: the key, value or file is
// not there; Other: any other reason.
enum class StoreFailure { None, AccessDenied, NotFound, Other };

// Remembers why the latest of an object's recorded operations failed: None once one succeeded.
class FailureRecord {
 public:
  StoreFailure LastFailure() const { return last_; }

 protected:
  // Records the outcome; true when there was no failure.
  bool Record(StoreFailure failure) {
    last_ = failure;
    return failure == StoreFailure::None;
  }

 private:
  StoreFailure last_ = StoreFailure::None;
};

}  // namespace tarnix
