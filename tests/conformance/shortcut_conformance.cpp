#include "conformance/shortcut_conformance.h"

#include <algorithm>
#include <set>

namespace tarnix {

// Test programs that do not test shortcuts link this file too.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ShortcutConformance);

std::string ShortcutConformance::Program(const std::string& name) {
  const std::string path = File(name);
  EXPECT_TRUE(store().WriteBytes(path, "MZ"));
  return path;
}

namespace {

ShortcutProperties All(const std::string& target, const std::string& arguments,
                       const std::string& folder, const std::string& description) {
  ShortcutProperties properties;
  properties.target = target;
  properties.arguments = arguments;
  properties.workingDirectory = folder;
  properties.description = description;
  return properties;
}

ShortcutProperties TargetOnly(const std::string& target) {
  ShortcutProperties properties;
  properties.target = target;
  return properties;
}

std::set<std::string> Listed(Store& store, const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : store.ListFiles(folder, "*.*")) names.insert(entry.name);
  return names;
}

}  // namespace

TEST_P(ShortcutConformance, WrittenPropertiesReadBackAndTheFileIsListed) {
  const std::string program = Program("notes.exe");
  const std::string link = File("Notes.lnk");
  ASSERT_TRUE(shortcuts().WriteShortcut(
      link, All(program, "/s \"a b\"", target_->scratchFolder(), "Notes.lnk")));
  EXPECT_EQ(shortcuts().ReadShortcut(link),
            (ShortcutFields{program, "/s \"a b\"", target_->scratchFolder()}));
  EXPECT_EQ(Listed(store(), target_->scratchFolder()),
            (std::set<std::string>{"notes.exe", "Notes.lnk"}));
}

TEST_P(ShortcutConformance, TextOutsideAsciiSurvives) {
  const std::string program = Program("B\xC3\xBCro.exe");
  const std::string link = File("B\xC3\xBCro \xE2\x82\xAC.lnk");
  ASSERT_TRUE(shortcuts().WriteShortcut(link, All(program, "\xE2\x80\x93x \xC3\xA9t\xC3\xA9",
                                                  target_->scratchFolder(), "B\xC3\xBCro")));
  EXPECT_EQ(shortcuts().ReadShortcut(link),
            (ShortcutFields{program, "\xE2\x80\x93x \xC3\xA9t\xC3\xA9", target_->scratchFolder()}));
}

TEST_P(ShortcutConformance, PropertiesNotGivenAreEmptyInANewShortcut) {
  const std::string program = Program("mail.exe");
  const std::string link = File("Mail.lnk");
  ASSERT_TRUE(shortcuts().WriteShortcut(link, TargetOnly(program)));
  EXPECT_EQ(shortcuts().ReadShortcut(link), (ShortcutFields{program, "", ""}));
}

TEST_P(ShortcutConformance, WritingReplacesAnExistingShortcutWhole) {
  const std::string first = Program("old.exe");
  const std::string second = Program("new.exe");
  const std::string link = File("Mail.lnk");
  ASSERT_TRUE(shortcuts().WriteShortcut(link, All(first, "-old", target_->scratchFolder(), "x")));
  ASSERT_TRUE(shortcuts().WriteShortcut(link, TargetOnly(second)));
  EXPECT_EQ(shortcuts().ReadShortcut(link), (ShortcutFields{second, "", ""}));
}

TEST_P(ShortcutConformance, UpdatingSetsOnlyWhatItIsGiven) {
  const std::string program = Program("tool.exe");
  const std::string link = File("Tool.lnk");
  ASSERT_TRUE(
      shortcuts().WriteShortcut(link, All(program, "-a", target_->scratchFolder(), "Tool")));
  ShortcutProperties arguments;
  arguments.arguments = "-b";
  ASSERT_TRUE(shortcuts().UpdateShortcut(link, arguments));
  EXPECT_EQ(shortcuts().ReadShortcut(link),
            (ShortcutFields{program, "-b", target_->scratchFolder()}));
}

TEST_P(ShortcutConformance, UpdatingEmptiesAPropertyGivenAsEmpty) {
  const std::string program = Program("tool.exe");
  const std::string link = File("Tool.lnk");
  ASSERT_TRUE(
      shortcuts().WriteShortcut(link, All(program, "-a", target_->scratchFolder(), "Tool")));
  ASSERT_TRUE(shortcuts().UpdateShortcut(link, All(program, "", "", "Tool.lnk")));
  EXPECT_EQ(shortcuts().ReadShortcut(link), (ShortcutFields{program, "", ""}));
}

// A damaged shortcut is neither read as an empty one nor rewritten: saving what a failed load
// left behind would fill the file with whatever was in memory.
TEST_P(ShortcutConformance, ADamagedOrMissingShortcutIsNotReadNorUpdated) {
  const std::string program = Program("tool.exe");
  const std::string whole = File("Whole.lnk");
  ASSERT_TRUE(shortcuts().WriteShortcut(whole, All(program, "-a", "", "Whole")));
  const std::string bytes = *store().ReadBytes(whole);
  // Cut in its item list too: the shell's own loader reads past such an end.
  const std::string damaged[] = {bytes.substr(0, bytes.size() / 2),
                                 bytes.substr(0, 76),
                                 bytes.substr(0, std::min<size_t>(90, bytes.size() - 1)),
                                 bytes.substr(0, 20) + std::string(200, '\xFF'),
                                 "",
                                 "not a shortcut at all"};
  for (const std::string& content : damaged) {
    const std::string link = File("Damaged.lnk");
    EXPECT_TRUE(store().WriteBytes(link, content));
    EXPECT_EQ(shortcuts().ReadShortcut(link), std::nullopt) << content.size();
    EXPECT_FALSE(shortcuts().UpdateShortcut(link, All(program, "-x", "", "Tool")));
    EXPECT_EQ(store().ReadBytes(link), content);
  }
  const std::string missing = File("Missing.lnk");
  EXPECT_EQ(shortcuts().ReadShortcut(missing), std::nullopt);
  EXPECT_FALSE(shortcuts().UpdateShortcut(missing, TargetOnly(program)));
  EXPECT_EQ(store().GetFileAttributes(missing), kInvalidAttributes);
  EXPECT_EQ(shortcuts().ReadShortcut(""), std::nullopt);
}

TEST_P(ShortcutConformance, AShortcutInAMissingFolderIsNotWritten) {
  const std::string program = Program("tool.exe");
  const std::string folder = File("Gone");
  EXPECT_FALSE(shortcuts().WriteShortcut(folder + "\\Tool.lnk", TargetOnly(program)));
  EXPECT_FALSE(shortcuts().UpdateShortcut(folder + "\\Tool.lnk", TargetOnly(program)));
  EXPECT_EQ(store().GetFileAttributes(folder), kInvalidAttributes);
}

// Where the platform takes a path this long the shortcut is whole; where it does not, the write
// says so. Either way nothing breaks.
TEST_P(ShortcutConformance, APathLongerThan259CharactersIsWrittenWholeOrRefused) {
  const std::string program = Program("tool.exe");
  const std::string link = File(std::string(260, 'n') + ".lnk");
  if (shortcuts().WriteShortcut(link, All(program, "-x", "", "long"))) {
    EXPECT_EQ(shortcuts().ReadShortcut(link), (ShortcutFields{program, "-x", ""}));
    EXPECT_TRUE(store().DeleteFile(link));
  } else {
    EXPECT_EQ(shortcuts().ReadShortcut(link), std::nullopt);
  }
}

TEST_P(ShortcutConformance, LongArgumentsAreNotCutShort) {
  const std::string program = Program("tool.exe");
  const std::string link = File("Tool.lnk");
  const std::string arguments(2000, 'a');
  ASSERT_TRUE(shortcuts().WriteShortcut(link, All(program, arguments, "", "Tool")));
  EXPECT_EQ(shortcuts().ReadShortcut(link)->arguments, arguments);
}

}  // namespace tarnix
