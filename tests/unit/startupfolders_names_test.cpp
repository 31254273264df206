// Which paths count as shortcuts and which names can become shortcut files.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "startupfolders/shortcut_names.h"

namespace tarnix {
namespace {

TEST(ShortcutNames, TheLnkExtensionInAnyCaseMakesAShortcut) {
  for (const char* path : {"C:\\Start\\NOTES.LNK", "C:\\Start\\Notes.Lnk", "C:\\Start\\notes.lnk",
                           "C:notes.lnk", "C:\\Start\\my.notes.lnk"}) {
    EXPECT_TRUE(IsShortcutPath(path)) << path;
  }
  for (const char* path : {"C:\\Start\\notes.lnk.txt", "C:\\Start\\notes", "C:\\Start.lnk\\notes",
                           "C:\\Start\\notes.lnkx", "C:\\Start\\lnk", ""}) {
    EXPECT_FALSE(IsShortcutPath(path)) << path;
  }
}

TEST(ShortcutNames, TheFileNameIsWhatFollowsTheLastSeparator) {
  EXPECT_EQ(FileNameOf("C:\\Start\\Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("C:Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("Notes.lnk"), "Notes.lnk");
  EXPECT_EQ(FileNameOf("C:\\Start\\"), "");
}

TEST(ShortcutNames, OrdinaryNamesAreTakenAndOthersRefusedWithTheReason) {
  for (const char* name : {"Mail", "My notes", "Notes 2.0", ".hidden", "CONSOLE", "COM0", "LPT10",
                           "con-tool", "B\xC3\xBCro"}) {
    EXPECT_EQ(NameRefusal(name), std::nullopt) << name;
  }
  const struct {
    std::vector<const char*> names;
    const char* reason;
  } refused[] = {
      {{"a\\b", "a/b", "C:x", "a*", "a?", "say \"hi\"", "<a>", "a|b", "tab\there"},
       "cannot be a file name"},
      {{"Mail.", "Mail ", "..", "."}, "cannot be a file name: it may not end in a dot or a blank."},
      {{"CON", "con", "Nul", "PRN", "AUX", "COM1", "lpt9", "NUL.txt", "CON .x"}, "for a device"},
      {{""}, "A shortcut needs a name."}};
  for (const auto& kind : refused) {
    for (const char* name : kind.names) {
      const auto refusal = NameRefusal(name);
      ASSERT_TRUE(refusal.has_value()) << name;
      EXPECT_NE(refusal->find(kind.reason), std::string::npos) << *refusal;
    }
  }
  EXPECT_EQ(NameRefusal("Mail."),
            "\"Mail.\" cannot be a file name: it may not end in a dot or a blank.");
}

}  // namespace
}  // namespace tarnix
