// Failures of a test's script, as opposed to failures of the program under test. Dispatch
// never turns them into error boxes: they end the test where they happen.
#pragma once

#include <stdexcept>

namespace tarnix::ui::headless {

// The test drove the toolkit in a way no user could (a control that is not there, an answer
// that does not fit the box it was given to).
class DriverError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// The program showed a modal form, a message box or a file dialog that the test did not
// script. Raised instead of blocking, so that a test fails at once and never hangs.
class UnexpectedDialog : public DriverError {
 public:
  using DriverError::DriverError;
};

// The program ended its process at once (EndAtOnce). No std::exception, so that nothing the
// program catches can take it for a failure and go on: it ends the test's drive there.
struct ProgramEnded {};

}  // namespace tarnix::ui::headless
