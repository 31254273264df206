// The memory shortcuts: the shared suite, and what only they keep or suffer (every property of
// a shortcut, the store's injected faults).
#include <gtest/gtest.h>

#include "conformance/shortcut_conformance.h"
#include "fakes/shortcuts_memory.h"
#include "fakes/store_memory.h"
#include "unit/shortcut_samples.h"

namespace tarnix {
namespace {

class MemoryShortcutTarget : public ShortcutTarget {
 public:
  MemoryShortcutTarget() { store_.AddFolder(scratchFolder()); }
  Shortcuts& shortcuts() override { return shortcuts_; }
  Store& store() override { return store_; }
  std::string scratchFolder() const override { return "C:\\Temp\\Links"; }

 private:
  MemoryStore store_;
  MemoryShortcuts shortcuts_{store_};
};

std::unique_ptr<ShortcutTarget> MakeMemoryShortcutTarget() {
  return std::make_unique<MemoryShortcutTarget>();
}

INSTANTIATE_TEST_SUITE_P(Memory, ShortcutConformance,
                         testing::Values(ShortcutParam{"MemoryShortcuts",
                                                       &MakeMemoryShortcutTarget}),
                         ShortcutParamName);

class MemoryShortcutsTest : public ::testing::Test {
 protected:
  MemoryShortcutsTest() { store.AddFolder("C:\\Links"); }
  MemoryStore store;
  MemoryShortcuts shortcuts{store};
};

TEST_F(MemoryShortcutsTest, AnUpdateKeepsIconShowCommandAndHotKey) {
  ASSERT_TRUE(shortcuts.Plant("C:\\Links\\Tool.lnk", Decorated()));
  ShortcutProperties change;
  change.arguments = "-b";
  change.description = "Tool.lnk";
  ASSERT_TRUE(shortcuts.UpdateShortcut("C:\\Links\\Tool.lnk", change));
  MemoryShortcut expected = Decorated();
  expected.arguments = "-b";
  expected.description = "Tool.lnk";
  EXPECT_EQ(shortcuts.Inspect("C:\\Links\\Tool.lnk"), expected);
}

TEST_F(MemoryShortcutsTest, AWriteStartsFromNothing) {
  ASSERT_TRUE(shortcuts.Plant("C:\\Links\\Tool.lnk", Decorated()));
  ShortcutProperties fresh;
  fresh.target = "C:\\Tools\\other.exe";
  fresh.description = "Tool";
  ASSERT_TRUE(shortcuts.WriteShortcut("C:\\Links\\Tool.lnk", fresh));
  MemoryShortcut expected;
  expected.target = "C:\\Tools\\other.exe";
  expected.description = "Tool";
  EXPECT_EQ(shortcuts.Inspect("C:\\Links\\Tool.lnk"), expected);
}

TEST_F(MemoryShortcutsTest, TheStoresFileFaultsActOnShortcuts) {
  ASSERT_TRUE(shortcuts.Plant("C:\\Links\\Tool.lnk", Decorated()));
  store.SetFileFault("C:\\Links\\Tool.lnk", FileFault::Unreadable);
  EXPECT_EQ(shortcuts.ReadShortcut("C:\\Links\\Tool.lnk"), std::nullopt);
  store.SetFileFault("C:\\Links\\Tool.lnk", FileFault::Uncreatable);
  ShortcutProperties change;
  change.target = "C:\\Tools\\other.exe";
  EXPECT_FALSE(shortcuts.UpdateShortcut("C:\\Links\\Tool.lnk", change));
  store.ClearFaults();
  EXPECT_EQ(shortcuts.Inspect("C:\\Links\\Tool.lnk"), Decorated());
  EXPECT_EQ(shortcuts.WriteAttempts(), 2);
}

TEST_F(MemoryShortcutsTest, TextWithLineBreaksAndDigitsSurvives) {
  MemoryShortcut odd = Decorated();
  odd.arguments = "12:\n34:\r\n";
  odd.description = "";
  ASSERT_TRUE(shortcuts.Plant("C:\\Links\\Odd.lnk", odd));
  EXPECT_EQ(shortcuts.Inspect("C:\\Links\\Odd.lnk"), odd);
}

TEST_F(MemoryShortcutsTest, ATruncatedFileIsNoShortcut) {
  ASSERT_TRUE(shortcuts.Plant("C:\\Links\\Tool.lnk", Decorated()));
  std::string bytes = *store.FileBytes("C:\\Links\\Tool.lnk");
  store.AddFile("C:\\Links\\Cut.lnk", bytes.substr(0, bytes.size() - 3));
  EXPECT_EQ(shortcuts.Inspect("C:\\Links\\Cut.lnk"), std::nullopt);
  EXPECT_EQ(shortcuts.ReadShortcut("C:\\Links\\Cut.lnk"), std::nullopt);
}

}  // namespace
}  // namespace tarnix
