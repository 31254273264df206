// Only a whole link may reach the shell's link loader, whatever its parts claim.
#include <gtest/gtest.h>

#include <string>

#include "platform/link_file.h"

namespace tarnix {
namespace {

// Header with item list, arguments and Unicode; a two-byte item; arguments "-a"; end block.
std::string WholeLink() {
  std::string bytes(76, '\0');
  bytes[0] = 0x4C;
  const char linkClass[] = "\x01\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46";
  bytes.replace(4, 16, linkClass, 16);
  bytes[20] = static_cast<char>(0x01 | 0x20 | 0x80);
  bytes += std::string("\x06\0\x04\0xy\0\0", 8);
  bytes += std::string("\x02\0-\0a\0", 6);
  return bytes + std::string(4, '\0');
}

TEST(LinkFile, OnlyAWholeLinkPasses) {
  const std::string whole = WholeLink();
  EXPECT_TRUE(IsWholeLinkFile(whole));
  // Cut anywhere before its last part, the link is refused.
  for (size_t size = 0; size < whole.size() - 4; ++size)
    EXPECT_FALSE(IsWholeLinkFile(whole.substr(0, size))) << size;

  std::string otherClass = whole;
  otherClass[4] = 0x02;
  std::string itemBeyondList = whole;
  itemBeyondList[78] = 0x40;
  std::string stringBeyondEnd = whole;
  stringBeyondEnd[84] = 0x7F;
  std::string blockBeyondEnd = whole;
  blockBeyondEnd[whole.size() - 4] = 0x10;
  for (const std::string& bytes : {otherClass, itemBeyondList, stringBeyondEnd, blockBeyondEnd,
                                   whole.substr(0, 20) + std::string(200, '\xFF')})
    EXPECT_FALSE(IsWholeLinkFile(bytes));
}

}  // namespace
}  // namespace tarnix
