// Task Manager's marks as bytes, and the file times they hold.
#include <gtest/gtest.h>

#include <tuple>

#include "sources/startup_marks.h"

namespace tarnix {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int byte : bytes) text += static_cast<char>(byte);
  return text;
}

// Years around each leap rule, and the last second a date can have.
TEST(FileTimes, CountFromThe1601EpochBothWays) {
  const std::pair<LocalDateTime, uint64_t> cases[] = {
      {{1601, 1, 1, 0, 0, 0}, 0},
      {{1900, 3, 1, 0, 0, 0}, 94405824000000000},
      {{1970, 1, 1, 0, 0, 0}, 116444736000000000},
      {{2000, 2, 29, 12, 0, 1}, 125962992010000000},
      {{2001, 5, 17, 16, 44, 3}, 126345914430000000},
      {{2100, 3, 1, 0, 0, 0}, 157520160000000000},
      {{9999, 12, 31, 23, 59, 59}, 2650467743990000000}};
  for (const auto& [date, ticks] : cases) {
    EXPECT_EQ(FileTimeOf(date), ticks) << ShortDate(date);
    const std::optional<LocalDateTime> back = DateOfFileTime(ticks + 9999999);
    ASSERT_TRUE(back) << ticks;
    EXPECT_EQ(FileTimeOf(*back), ticks) << "to the second, " << ShortDate(date);
    EXPECT_EQ(ShortDate(*back), ShortDate(date));
  }
  EXPECT_EQ(DateOfFileTime(uint64_t{1} << 63), std::nullopt);
}

TEST(StartupMarks, TheFirstBytesLowestBitDisablesAndTwelveBytesCarryTheTime) {
  const std::string time = Bytes({0x80, 0x0b, 0x6c, 0x94, 0xf0, 0xde, 0xc0, 0x01});
  const uint64_t at = 0x01c0def0946c0b80;
  const std::tuple<std::optional<RegValue>, bool, std::optional<uint64_t>> cases[] = {
      {std::nullopt, false, std::nullopt},
      {RegValue{regtype::Binary, Bytes({2, 0, 0, 0}) + time}, false, std::nullopt},
      {RegValue{regtype::Binary, Bytes({6, 0, 0, 0}) + time}, false, std::nullopt},
      {RegValue{regtype::Binary, Bytes({3, 0, 0, 0}) + time}, true, at},
      {RegValue{regtype::Binary, Bytes({7, 0, 0, 0}) + time}, true, at},
      {RegValue{regtype::Binary, Bytes({0x63, 0x60, 0x60, 0x60}) + time}, true, at},
      {RegValue{regtype::Binary, Bytes({3})}, true, std::nullopt},
      {RegValue{regtype::Binary, Bytes({3}) + std::string(11, 0)}, true, std::nullopt},
      {RegValue{regtype::Binary, ""}, false, std::nullopt},
      {RegValue{regtype::String, "03"}, false, std::nullopt},
      {RegValue{regtype::Dword, Bytes({3, 0, 0, 0})}, false, std::nullopt}};
  for (const auto& [value, disabled, since] : cases) {
    const EntryMark mark = DecodeMark(value);
    EXPECT_EQ(mark.disabled, disabled) << (value ? value->data.size() : 0);
    EXPECT_EQ(mark.disabledAt, since);
  }
  EXPECT_EQ(EncodeMark(true, at), (RegValue{regtype::Binary, Bytes({3, 0, 0, 0}) + time}));
  EXPECT_EQ(EncodeMark(false, at), (RegValue{regtype::Binary, Bytes({2}) + std::string(11, 0)}));
}

}  // namespace
}  // namespace tarnix
