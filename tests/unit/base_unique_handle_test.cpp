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

TEST_F(UniqueHandleTest, ClosesItsHandleOnceWhenItGoes) {
  { Counted handle(7); }
  EXPECT_EQ(closed, std::vector<int>{7});
}

TEST_F(UniqueHandleTest, HoldingNoneClosesNothing) {
  {
    Counted empty;
    Counted failed(-1);
    EXPECT_FALSE(empty.valid());
    EXPECT_FALSE(failed.valid());
  }
  EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandleTest, MovingHandsTheHandleOnWithoutClosingIt) {
  Counted first(3);
  Counted second(std::move(first));
  EXPECT_FALSE(first.valid());
  EXPECT_EQ(second.get(), 3);
  EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandleTest, MoveAssignmentClosesTheHandleItReplaces) {
  Counted target(1);
  Counted source(2);
  target = std::move(source);
  EXPECT_EQ(closed, std::vector<int>{1});
  EXPECT_EQ(target.get(), 2);
}

TEST_F(UniqueHandleTest, ReleaseGivesTheHandleUpUnclosed) {
  {
    Counted handle(4);
    EXPECT_EQ(handle.release(), 4);
    EXPECT_FALSE(handle.valid());
  }
  EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandleTest, ResetClosesTheOldHandleAfterTakingTheNew) {
  Counted handle(5);
  handle.reset(6);
  EXPECT_EQ(closed, std::vector<int>{5});
  handle.reset();
  EXPECT_EQ(closed, (std::vector<int>{5, 6}));
}

TEST_F(UniqueHandleTest, PutClosesTheHandleHeldAndTakesTheOneWritten) {
  Counted handle(8);
  *handle.put() = 9;
  EXPECT_EQ(closed, std::vector<int>{8});
  EXPECT_EQ(handle.get(), 9);
}

}  // namespace
}  // namespace tarnix
