// The base layer: text encodings, letter case, command lines, handles and time spans.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "base/command_line.h"
#include "base/sha256.h"
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

// A registry multi-string: UTF-16LE with surrogate pairs; a broken pair is no text.
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

// The UTF-16 round trip keeps every code unit, a lone surrogate too.
TEST(Wtf8Test, KeepsEveryCodeUnitOnTheWayInAndOut) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"", ""},
      {u"Run \u00e9\u20ac", "Run \xc3\xa9\xe2\x82\xac"},
      {u"\U0001F600", "\xf0\x9f\x98\x80"},  // a pair is one code point
      {{u'a', 0xD800, u'b'},
       "a\xed\xa0\x80"
       "b"},
      {{0xDC00, 0xD800}, "\xed\xb0\x80\xed\xa0\x80"},  // in the wrong order: two alone
      {{0xDBFF}, "\xed\xaf\xbf"},
  };
  for (const auto& [units, wtf8] : cases) {
    EXPECT_EQ(Utf16ToWtf8(units), wtf8);
    EXPECT_EQ(Wtf8ToUtf16(wtf8), units);
  }
}

TEST(Wtf8Test, BytesThatAreNoTextBecomeReplacementCharacters) {
  EXPECT_EQ(Wtf8ToUtf16("a\xff\xc3("), (std::u16string{u'a', 0xFFFD, 0xFFFD, u'('}));
  EXPECT_EQ(Wtf8ToUtf16("\xc0\xaf\xf4\x90\x80\x80").size(), 6u);
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

// Closed once when the holder goes or is replaced; none, released or moved closes nothing.
TEST(UniqueHandleTest, ClosesWhatItHoldsOnceWhenItGoesOrIsReplaced) {
  closed.clear();
  {
    Counted handle(7), empty, failed(-1), given(4);
    EXPECT_FALSE(empty.valid() || failed.valid());
    EXPECT_EQ(given.release(), 4);
    EXPECT_FALSE(given.valid());
  }
  EXPECT_EQ(closed, std::vector<int>{7});
  Counted first(3);
  Counted second(std::move(first));
  EXPECT_FALSE(first.valid());
  EXPECT_EQ(second.get(), 3);
  Counted target(1);
  target = std::move(second);
  EXPECT_EQ(target.get(), 3);
  target.reset(6);
  *target.put() = 9;
  EXPECT_EQ(target.get(), 9);
  target.reset();
  EXPECT_EQ(closed, (std::vector<int>{7, 1, 3, 6, 9}));
}

// Each span appends "<name> <start ms> <length ms>" as it ends, inner first; needs the variable.
TEST(TimeSpansTest, EachSpanAppendsItsNameStartAndLengthWhenItEndsOnlyWithTheVariable) {
  const std::string path = ::testing::TempDir() + "tarnix_spans.txt";
  std::remove(path.c_str());
  unsetenv("TARNIX_SPANS");
  { TimeSpan span("phase"); }
  EXPECT_FALSE(std::ifstream(path).good());
  setenv("TARNIX_SPANS", path.c_str(), 1);
  {
    TimeSpan outer("outer phase");
    { TimeSpan inner("inner"); }
  }
  unsetenv("TARNIX_SPANS");
  std::ifstream lines(path);
  std::string first, second, rest;
  ASSERT_TRUE(std::getline(lines, first) && std::getline(lines, second));
  EXPECT_FALSE(std::getline(lines, rest));
  double start = -1, length = -1;
  EXPECT_EQ(std::sscanf(first.c_str(), "inner %lf %lf", &start, &length), 2) << first;
  EXPECT_GE(length, 0.0);
  EXPECT_EQ(std::sscanf(second.c_str(), "outer phase %lf %lf", &start, &length), 2) << second;
  EXPECT_GE(length, 0.0);
  std::remove(path.c_str());
}

TEST(JoinArgumentsTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(JoinArguments({""}), "\"\"");
  EXPECT_EQ(JoinArguments({"a b"}), "\"a b\"");
  EXPECT_EQ(JoinArguments({"a\tb"}), "\"a\tb\"");
  EXPECT_EQ(JoinArguments({"say \"hi\""}), "\"say \\\"hi\\\"\"");
  EXPECT_EQ(JoinArguments({"C:\\My Tools\\"}), "\"C:\\My Tools\\\\\"");
  EXPECT_EQ(JoinArguments({"a\\\"b"}), "\"a\\\\\\\"b\"");
}

TEST(SplitArgumentsTest, GivesBackWhatJoinArgumentsJoinedAfterAnyProgramName) {
  const std::vector<std::vector<std::string>> lists = {{},
                                                       {"/c"},
                                                       {"", ""},
                                                       {"a b", "say \"hi\""},
                                                       {"C:\\My Tools\\", "\\\\server\\x"},
                                                       {"a\\\"b", "many\\\\", "\t"}};
  for (const char* program : {"tarnix2.exe ", "\"C:\\Program Files\\T x\\tarnix2.exe\"\t "}) {
    for (const auto& arguments : lists)
      EXPECT_EQ(SplitArguments(program + JoinArguments(arguments)), arguments) << program;
  }
  EXPECT_EQ(SplitArguments("t.exe  /c\t x\\y  "), (std::vector<std::string>{"/c", "x\\y"}));
}

std::string Hex(const std::string& bytes) {
  std::string hex;
  for (unsigned char c : bytes)
    hex += "0123456789abcdef"[c >> 4] + std::string(1, "0123456789abcdef"[c & 15]);
  return hex;
}

// The standard's examples: one block, a message whose padding needs a second one, a long one.
TEST(Sha256, TheKnownDigests) {
  const std::pair<std::string, const char*> known[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& [message, digest] : known)
    EXPECT_EQ(Hex(Sha256(message)), digest) << message.size();
}

}  // namespace
}  // namespace tarnix
