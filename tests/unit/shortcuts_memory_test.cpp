// The memory shortcuts: the shared suite. The store's faults acting on them are checked by the
// group commands' tests that inject them.
#include <gtest/gtest.h>

#include "conformance/shortcut_conformance.h"
#include "fakes/shortcuts_memory.h"
#include "fakes/store_memory.h"

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

}  // namespace
}  // namespace tarnix
