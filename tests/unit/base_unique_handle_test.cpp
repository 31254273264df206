#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/unique_handle.h"

namespace tarnix {
namespace {

// Handles are numbers, -1 holds none; every close is written down.
std::vector<int> closed;

struct CountedTraits {
  using Handle = int;
  static int Invalid() { return -1; }
  static void Close(int handle) { closed.push_back(handle); }
};
using Counted = UniqueHandle<CountedTraits>;

class UniqueHandleTest : public ::testing::Test {
 protected:
  void SetUp() override { closed.clear(); }
};

// A handle is closed once, when its holder goes; holding none (or the invalid one) closes
// nothing, and nor does giving the handle up.
TEST_F(UniqueHandleTest, ClosesWhatItHoldsOnceWhenItGoes) {
  {
    Counted handle(7), empty, failed(-1), given(4);
    EXPECT_FALSE(empty.valid() || failed.valid());
    EXPECT_EQ(given.release(), 4);
    EXPECT_FALSE(given.valid());
  }
  EXPECT_EQ(closed, std::vector<int>{7});
}

// Moving hands the handle on unclosed; whatever is replaced (by a move, reset or put) is closed.
TEST_F(UniqueHandleTest, WhatIsReplacedIsClosedAndWhatIsMovedIsNot) {
  Counted first(3);
  Counted second(std::move(first));
  EXPECT_FALSE(first.valid());
  EXPECT_EQ(second.get(), 3);
  EXPECT_TRUE(closed.empty());
  Counted target(1);
  target = std::move(second);
  EXPECT_EQ(target.get(), 3);
  target.reset(6);
  *target.put() = 9;
  EXPECT_EQ(target.get(), 9);
  target.reset();
  EXPECT_EQ(closed, (std::vector<int>{1, 3, 6, 9}));
}

}  // namespace
}  // namespace tarnix
