#include "platform/link_file.h"

#include <cstdint>
#include <cstring>

namespace tarnix {

namespace {

constexpr size_t kHeaderSize = 0x4C;
// The shell link's class id, 00021401-0000-0000-C000-000000000046, as stored.
const unsigned char kLinkClass[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                      0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

namespace flag {
constexpr uint32_t HasIdList = 0x01;
constexpr uint32_t HasLinkInfo = 0x02;
constexpr uint32_t IsUnicode = 0x80;
// Name, relative path, working folder, arguments, icon location: in that order.
constexpr uint32_t FirstString = 0x04;
constexpr int StringCount = 5;
}  // namespace flag

// Reads little-endian fields one after the other; every read fails once past the end.
class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}
  bool Skip(size_t count) {
    if (count > bytes_.size() - at_)
      return false;
    at_ += count;
    return true;
  }
  bool AtEnd() const { return at_ == bytes_.size(); }
  bool Read(size_t width, uint32_t& value) {
    if (width > bytes_.size() - at_)
      return false;
    value = 0;
    for (size_t i = 0; i < width; ++i)
      value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    at_ += width;
    return true;
  }

 private:
  const std::string& bytes_;
  size_t at_ = 0;
};

// The item list: its size, then items that each give their own size, ending in a zero size.
bool SkipIdList(Reader& in) {
  uint32_t listSize = 0;
  if (!in.Read(2, listSize))
    return false;
  for (uint32_t used = 0;;) {
    uint32_t itemSize = 0;
    if (used + 2 > listSize || !in.Read(2, itemSize))
      return false;
    used += 2;
    if (itemSize == 0)
      return used == listSize;
    if (itemSize < 2 || used + itemSize - 2 > listSize || !in.Skip(itemSize - 2))
      return false;
    used += itemSize - 2;
  }
}

bool SkipSized(Reader& in) {
  uint32_t size = 0;
  return in.Read(4, size) && size >= 4 && in.Skip(size - 4);
}

bool SkipStrings(Reader& in, uint32_t flags) {
  const size_t width = (flags & flag::IsUnicode) ? 2 : 1;
  for (int i = 0; i < flag::StringCount; ++i) {
    uint32_t count = 0;
    if ((flags & (flag::FirstString << i)) && (!in.Read(2, count) || !in.Skip(count * width)))
      return false;
  }
  return true;
}

// Blocks of their own size until one smaller than a block's size field, or the file's end,
// ends them.
bool SkipExtraBlocks(Reader& in) {
  for (;;) {
    uint32_t size = 0;
    if (in.AtEnd())
      return true;
    if (!in.Read(4, size))
      return false;
    if (size < 4)
      return true;
    if (!in.Skip(size - 4))
      return false;
  }
}

}  // namespace

bool IsWholeLinkFile(const std::string& bytes) {
  Reader in(bytes);
  uint32_t headerSize = 0;
  uint32_t flags = 0;
  if (!in.Read(4, headerSize) || headerSize != kHeaderSize || bytes.size() < kHeaderSize ||
      std::memcmp(bytes.data() + 4, kLinkClass, sizeof kLinkClass) != 0)
    return false;
  if (!in.Skip(sizeof kLinkClass) || !in.Read(4, flags) || !in.Skip(kHeaderSize - 24))
    return false;
  if ((flags & flag::HasIdList) && !SkipIdList(in))
    return false;
  if ((flags & flag::HasLinkInfo) && !SkipSized(in))
    return false;
  return SkipStrings(in, flags) && SkipExtraBlocks(in);
}

}  // namespace tarnix
