#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "base/time_spans.h"

namespace tarnix {
namespace {

class TimeSpansTest : public ::testing::Test {
 protected:
  void SetUp() override { std::remove(path_.c_str()); }
  void TearDown() override {
    unsetenv("TARNIX_SPANS");
    std::remove(path_.c_str());
  }
  std::string Written() const {
    std::ifstream in(path_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  const std::string path_ = ::testing::TempDir() + "tarnix_spans.txt";
};

TEST_F(TimeSpansTest, EachSpanAppendsItsNameStartAndLengthWhenItEnds) {
  setenv("TARNIX_SPANS", path_.c_str(), 1);
  {
    TimeSpan outer("outer phase");
    { TimeSpan inner("inner"); }
  }
  std::istringstream lines(Written());
  std::string first, second, rest;
  ASSERT_TRUE(std::getline(lines, first));
  ASSERT_TRUE(std::getline(lines, second));
  EXPECT_FALSE(std::getline(lines, rest));
  // The inner span ends first; each line is "<name> <start ms> <length ms>".
  double start = -1, length = -1;
  EXPECT_EQ(std::sscanf(first.c_str(), "inner %lf %lf", &start, &length), 2) << first;
  EXPECT_GE(length, 0.0);
  EXPECT_EQ(std::sscanf(second.c_str(), "outer phase %lf %lf", &start, &length), 2) << second;
  EXPECT_GE(length, 0.0);
}

TEST_F(TimeSpansTest, NothingIsWrittenWithoutTheVariable) {
  unsetenv("TARNIX_SPANS");
  { TimeSpan span("phase"); }
  EXPECT_EQ(Written(), "");
  EXPECT_FALSE(std::ifstream(path_).good());
}

}  // namespace
}  // namespace tarnix
