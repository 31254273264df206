// The base layer: UTF-8, the memory platform's code page, the native letter case, arguments
// joined into a command line, the handle that closes itself, and the time spans.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/command_line.h"
#include "base/text_case.h"
#include "base/text_codec.h"
#include "base/time_spans.h"
#include "base/unique_handle.h"

namespace tarnix {
namespace {

TEST(TextCodec, Utf8RoundTripsEveryPlane) {
  const std::string text = "a ä € 日本 😀";
  auto decoded = DecodeUtf8(text);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded,
            (std::u32string{U'a', U' ', 0xE4, U' ', 0x20AC, U' ', 0x65E5, 0x672C, U' ', 0x1F600}));
  EXPECT_EQ(EncodeUtf8(*decoded), text);
}

TEST(TextCodec, InvalidUtf8IsRefused) {
  for (const char* bad :
       {"\xC3", "\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "\xFF"}) {
    EXPECT_EQ(DecodeUtf8(bad), std::nullopt) << bad;
    EXPECT_EQ(Utf8ToCp1252(bad), std::nullopt);
  }
}

TEST(TextCodec, Windows1252BothWays) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\x9F\xA0\xFF"), "€Ÿ\u00A0ÿ");
  EXPECT_EQ(Utf8ToCp1252("Grüße ‚quoted‘ …"), "Gr\xFC\xDF\x65 \x82quoted\x91 \x85");
  // The table's edges: an unassigned byte stands for itself, the last mapped ones are exact.
  EXPECT_EQ(Cp1252ToUtf8("\x81\x9A\x9F"), "\u0081šŸ");
  EXPECT_EQ(DecodeUtf8("\uE000"), std::u32string(1, U'\uE000'));
  EXPECT_EQ(Utf8ToCp1252("✓"), std::nullopt);
  EXPECT_EQ(Utf8ToCp1252("Ā"), std::nullopt);
}

// A multi-string as the registry keeps it: pairs of bytes, low byte first, and surrogate pairs
// for what lies beyond the first plane; a broken pair is no text.
TEST(TextCodec, EncodingChangesLengthAtItsEdges) {
  EXPECT_EQ(EncodeUtf8(U"\u007F\u0080\u07FF\u0800\uFFFF\U00010000"),
            "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80");
}

TEST(TextCodec, Utf16LittleEndian) {
  EXPECT_EQ(Utf16LeToUtf8(std::string("A\0\x00\x01\x3D\xD8\x00\xDE\xFF\xDB\xFF\xDF", 12)),
            "A\u0100\U0001F600\U0010FFFF");
  EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xE0", 2)), "\uE000");
  EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xDC", 2)), std::nullopt);
  EXPECT_EQ(Utf16LeToUtf8(std::string("\x3D\xD8", 2)), std::nullopt);
  EXPECT_EQ(Utf16LeToUtf8(std::string("\x3D\xD8\x41\x00", 4)), std::nullopt);
  EXPECT_EQ(Utf16LeToUtf8("abc"), std::nullopt);
}

TEST(TextCase, FoldsAndUppersBeyondAscii) {
  EXPECT_EQ(FoldCase("C:\\Programme\\ÄRGER Tool.EXE"), "c:\\programme\\ärger tool.exe");
  EXPECT_EQ(UpperCase("ärger tool.exe"), "ÄRGER TOOL.EXE");
  EXPECT_EQ(FoldCase("ΣΟΦΊΑ"), "σοφία");
  EXPECT_EQ(FoldCase("日本 123"), "日本 123");
  EXPECT_EQ(FoldCase("BAD \xFF BYTE"), "bad \xFF byte");
}

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

TEST(JoinArgumentsTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(JoinArguments({""}), "\"\"");
  EXPECT_EQ(JoinArguments({"a b"}), "\"a b\"");
  EXPECT_EQ(JoinArguments({"a\tb"}), "\"a\tb\"");
  EXPECT_EQ(JoinArguments({"say \"hi\""}), "\"say \\\"hi\\\"\"");
  EXPECT_EQ(JoinArguments({"C:\\My Tools\\"}), "\"C:\\My Tools\\\\\"");
  EXPECT_EQ(JoinArguments({"a\\\"b"}), "\"a\\\\\\\"b\"");
}

}  // namespace
}  // namespace tarnix
