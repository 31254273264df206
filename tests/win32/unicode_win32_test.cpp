// A surrogate without its pair, which Windows allows in registry names and data, reaches the
// program and goes back to the platform whole: the entry can be read, shown exactly and deleted.
#include "base/win32_api.h"

#include <gtest/gtest.h>

#include "base/unicode_win32.h"
#include "platform/store_win32.h"

namespace tarnix {
namespace {

TEST(UnpairedSurrogateTest, ARunEntryNamedWithOneIsReadAndDeletedByItsName) {
  const wchar_t path[] = L"Software\\TarnixSurrogateTest";
  const wchar_t name[] = {L'S', 0xD800, L'x', 0};
  const wchar_t data[] = {L'C', 0xDC00, 0};
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw,
                            nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(raw, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data);
  RegCloseKey(raw);

  Win32Store store;
  const OpenedKey key = store.OpenKey(Root::CurrentUser, Narrow(path), false);
  ASSERT_TRUE(key);
  const std::vector<NamedValue> values = key->ReadValues();
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].name, "S\xed\xa0\x80x");
  EXPECT_EQ(values[0].value.data, "C\xed\xb0\x80");
  EXPECT_EQ(key->ReadValue(values[0].name), values[0].value);
  EXPECT_TRUE(key->DeleteValue(values[0].name));
  EXPECT_EQ(key->ValueCount(), 0u);
  RegDeleteTreeW(HKEY_CURRENT_USER, path);
}

}  // namespace
}  // namespace tarnix
