#include <gtest/gtest.h>

#include <vector>

#include "ui/key_routing.h"

namespace tarnix::ui {
namespace {

class TabStopTest : public ::testing::Test {
 protected:
  int a_ = 0, b_ = 0, c_ = 0, outside_ = 0;
  std::vector<int*> stops_{&a_, &b_, &c_};
};

TEST_F(TabStopTest, TabGoesToTheNextStopAndRoundToTheFirst) {
  EXPECT_EQ(NextTabStop(stops_, &a_, false), &b_);
  EXPECT_EQ(NextTabStop(stops_, &c_, false), &a_);
}

TEST_F(TabStopTest, ShiftTabGoesToThePreviousStopAndRoundToTheLast) {
  EXPECT_EQ(NextTabStop(stops_, &b_, true), &a_);
  EXPECT_EQ(NextTabStop(stops_, &a_, true), &c_);
}

TEST_F(TabStopTest, FromNoStopTabGoesToTheFirstAndShiftTabToTheLast) {
  EXPECT_EQ(NextTabStop(stops_, &outside_, false), &a_);
  EXPECT_EQ(NextTabStop<int>(stops_, nullptr, true), &c_);
}

TEST_F(TabStopTest, ALoneStopKeepsTheFocusAndNoStopsGiveNone) {
  EXPECT_EQ(NextTabStop(std::vector<int*>{&a_}, &a_, false), &a_);
  EXPECT_EQ(NextTabStop(std::vector<int*>{}, &a_, false), nullptr);
}

}  // namespace
}  // namespace tarnix::ui
