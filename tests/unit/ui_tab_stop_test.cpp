#include <gtest/gtest.h>

#include <vector>

#include "ui/key_routing.h"

namespace tarnix::ui {
namespace {

// Tab goes to the next stop and round to the first, Shift+Tab back and round to the last; from
// no stop Tab starts at the first, Shift+Tab at the last.
TEST(TabStopTest, TabAndShiftTabGoRoundTheStops) {
  int a = 0, b = 0, c = 0, outside = 0;
  const std::vector<int*> stops{&a, &b, &c};
  EXPECT_EQ(NextTabStop(stops, &a, false), &b);
  EXPECT_EQ(NextTabStop(stops, &c, false), &a);
  EXPECT_EQ(NextTabStop(stops, &b, true), &a);
  EXPECT_EQ(NextTabStop(stops, &a, true), &c);
  EXPECT_EQ(NextTabStop(stops, &outside, false), &a);
  EXPECT_EQ(NextTabStop<int>(stops, nullptr, true), &c);
  EXPECT_EQ(NextTabStop(std::vector<int*>{&a}, &a, false), &a);
  EXPECT_EQ(NextTabStop(std::vector<int*>{}, &a, false), nullptr);
}

}  // namespace
}  // namespace tarnix::ui
