// UTF-16 as the platform holds it, into the program and back: every code unit kept, also a
// surrogate without its pair.
#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tarnix {
namespace {

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

}  // namespace
}  // namespace tarnix
