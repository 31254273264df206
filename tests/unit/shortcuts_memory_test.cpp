// The memory shortcuts: the shared suite, and the store's injected faults acting on them.
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

TEST(MemoryShortcutsTest, TheStoresFileFaultsActOnShortcuts) {
  MemoryStore store;
  store.AddFolder("C:\\Links");
  MemoryShortcuts shortcuts{store};
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

}  // namespace
}  // namespace tarnix
