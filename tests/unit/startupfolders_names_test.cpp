// Which paths count as shortcuts and which names can become shortcut files.
#include <gtest/gtest.h>

#include "startupfolders/shortcut_names.h"

namespace tarnix {
namespace {

TEST(ShortcutNames, TheLnkExtensionInAnyCaseMakesAShortcut) {
  EXPECT_TRUE(IsShortcutPath("C:\\Start\\NOTES.LNK"));
  EXPECT_TRUE(IsShortcutPath("C:\\Start\\Notes.Lnk"));
  EXPECT_TRUE(IsShortcutPath("C:\\Start\\notes.lnk"));
  EXPECT_TRUE(IsShortcutPath("C:notes.lnk"));
  EXPECT_TRUE(IsShortcutPath("C:\\Start\\my.notes.lnk"));
}

TEST(ShortcutNames, OtherExtensionsAndDotsBeforeTheNameDoNot) {
  EXPECT_FALSE(IsShortcutPath("C:\\Start\\notes.lnk.txt"));
  EXPECT_FALSE(IsShortcutPath("C:\\Start\\notes"));
  EXPECT_FALSE(IsShortcutPath("C:\\Start.lnk\\notes"));
  EXPECT_FALSE(IsShortcutPath("C:\\Start\\notes.lnkx"));
  EXPECT_FALSE(IsShortcutPath("C:\\Start\\lnk"));
  EXPECT_FALSE(IsShortcutPath(""));
}

TEST(ShortcutNames, TheFileNameIsWhatFollowsTheLastSeparator) {
  EXPECT_EQ(FileNameOf("C:\\Start\\Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("C:Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("C:\\Start\\"), "");
}

TEST(ShortcutNames, OrdinaryNamesAreTaken) {
  for (const char* name : {"Mail", "My notes", "Notes 2.0", ".hidden", "CONSOLE", "COM0", "LPT10",
                           "con-tool", "B\xC3\xBCro"}) {
    EXPECT_EQ(NameRefusal(name), std::nullopt) << name;
  }
}

TEST(ShortcutNames, CharactersAFileNameCannotHoldAreRefused) {
  for (const char* name :
       {"a\\b", "a/b", "C:x", "a*", "a?", "say \"hi\"", "<a>", "a|b", "tab\there"}) {
    auto refusal = NameRefusal(name);
    ASSERT_TRUE(refusal.has_value()) << name;
    EXPECT_NE(refusal->find("cannot be a file name"), std::string::npos) << *refusal;
  }
}

TEST(ShortcutNames, TrailingDotsAndBlanksAreRefused) {
  for (const char* name : {"Mail.", "Mail ", "..", "."}) {
    auto refusal = NameRefusal(name);
    ASSERT_TRUE(refusal.has_value()) << name;
    EXPECT_EQ(*refusal, "\"" + std::string(name) +
                            "\" cannot be a file name: it may not end in a dot or a blank.");
  }
}

TEST(ShortcutNames, DeviceNamesAreRefusedWhateverFollowsThem) {
  for (const char* name :
       {"CON", "con", "Nul", "PRN", "AUX", "COM1", "lpt9", "NUL.txt", "CON .x"}) {
    auto refusal = NameRefusal(name);
    ASSERT_TRUE(refusal.has_value()) << name;
    EXPECT_NE(refusal->find("for a device"), std::string::npos) << *refusal;
  }
}

TEST(ShortcutNames, AnEmptyNameIsRefused) {
  EXPECT_EQ(NameRefusal(""), std::optional<std::string>("A shortcut needs a name."));
}

}  // namespace
}  // namespace tarnix
