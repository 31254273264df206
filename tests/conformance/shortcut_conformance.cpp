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
  return {target, arguments, folder, description};
}

ShortcutProperties TargetOnly(const std::string& target) {
  return {target, std::nullopt, std::nullopt, std::nullopt};
}

std::set<std::string> Listed(Store& store, const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : store.ListFiles(folder, "*.*")) names.insert(entry.name);
  return names;
}

}  // namespace

// A write replaces the whole shortcut; an update sets only what it is given, empties included.
TEST_P(ShortcutConformance, WritesAndUpdatesLeaveExactlyWhatTheyWereGiven) {
  const std::string program = Program("tool.exe"), other = Program("B\xC3\xBCro.exe");
  const std::string folder = target_->scratchFolder(), longArguments(2000, 'a');
  const std::string unicode = "\xE2\x80\x93x \xC3\xA9t\xC3\xA9";
  struct Case {
    std::string link;
    ShortcutProperties written;
    std::optional<ShortcutProperties> updated, rewritten;
    ShortcutFields read;
  };
  const Case cases[] = {
      {"Notes.lnk",
       All(program, "/s \"a b\"", folder, "Notes.lnk"),
       {},
       {},
       {program, "/s \"a b\"", folder}},
      {"B\xC3\xBCro \xE2\x82\xAC.lnk",
       All(other, unicode, folder, "B\xC3\xBCro"),
       {},
       {},
       {other, unicode, folder}},
      {"Mail.lnk", TargetOnly(program), {}, {}, {program, "", ""}},
      {"Long.lnk", All(program, longArguments, "", "Long"), {}, {}, {program, longArguments, ""}},
      {"Set.lnk",
       All(program, "-a", folder, "Set"),
       ShortcutProperties{{}, "-b", {}, {}},
       {},
       {program, "-b", folder}},
      {"Empty.lnk",
       All(program, "-a", folder, "Empty"),
       All(program, "", "", "Empty.lnk"),
       {},
       {program, "", ""}},
      {"Replaced.lnk", All(other, "-old", folder, "x"), {}, TargetOnly(program), {program, "", ""}},
  };
  for (const Case& c : cases) {
    const std::string link = File(c.link);
    ASSERT_TRUE(shortcuts().WriteShortcut(link, c.written)) << c.link;
    EXPECT_TRUE(!c.updated || shortcuts().UpdateShortcut(link, *c.updated)) << c.link;
    EXPECT_TRUE(!c.rewritten || shortcuts().WriteShortcut(link, *c.rewritten)) << c.link;
    EXPECT_EQ(shortcuts().ReadShortcut(link), c.read) << c.link;
    EXPECT_EQ(Listed(store(), target_->scratchFolder()).count(c.link), 1u) << c.link;
  }
}

// Saving what a failed load left would fill the file with whatever was in memory.
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

// A path this long is either written whole or refused with a text.
TEST_P(ShortcutConformance, APathLongerThan259CharactersIsWrittenWholeOrRefused) {
  const std::string program = Program("tool.exe");
  const std::string link = File(std::string(260, 'n') + ".lnk");
  if (shortcuts().WriteShortcut(link, All(program, "-x", "", "long"))) {
    EXPECT_EQ(shortcuts().ReadShortcut(link), (ShortcutFields{program, "-x", ""}));
    EXPECT_TRUE(store().DeleteFile(link));
  } else
    EXPECT_EQ(shortcuts().ReadShortcut(link), std::nullopt);
}

}  // namespace tarnix
