// The memory store: the conformance suite, and a key deleted while open. Each injected fault,
// and the sorted order that stands for Wine's, is checked by the tests that use it.
#include <gtest/gtest.h>

#include "conformance/store_conformance.h"
#include "fakes/store_memory.h"

namespace tarnix {
namespace {

class MemoryTarget : public ConformanceTarget {
 public:
  MemoryTarget() {
    store_.SetValueOrder(ValueOrder::Sorted);
    EXPECT_TRUE(store_.OpenKey(Root::CurrentUser, scratchKey(), true));
    store_.AddFolder(scratchFolder());
  }
  Store& store() override { return store_; }
  Root scratchRoot() const override { return Root::CurrentUser; }
  std::string scratchKey() const override { return "\\Software\\TarnixConformance\\Scratch"; }
  std::string scratchFolder() const override { return "C:\\Temp\\Scratch"; }
  std::string LongPath(const std::string& path) override { return path; }
  void DenyWrites(const std::string& below) override {
    const std::string key = scratchKey() + "\\" + below;
    store_.SetString(scratchRoot(), key, "kept", "yes");
    store_.RefuseWrite(scratchRoot(), key);
  }

 private:
  MemoryStore store_;
};

std::unique_ptr<ConformanceTarget> MakeMemoryTarget() {
  return std::make_unique<MemoryTarget>();
}

INSTANTIATE_TEST_SUITE_P(Memory, StoreConformance,
                         testing::Values(ConformanceParam{"MemoryStore", &MakeMemoryTarget}),
                         ConformanceParamName);

TEST(MemoryStoreRegistry, KeyDeletedWhileOpenReadsEmptyAndRefusesWrites) {
  MemoryStore store;
  auto key = store.OpenKey(Root::CurrentUser, "\\SOFTWARE\\Tarnix\\Step1", true);
  EXPECT_TRUE(key->WriteString("Command", "x"));
  ASSERT_TRUE(store.DeleteKey(Root::CurrentUser, "\\SOFTWARE\\Tarnix"));
  EXPECT_EQ(key->ReadValue("Command"), std::nullopt);
  EXPECT_FALSE(key->WriteString("Command", "y"));
  EXPECT_FALSE(store.KeyExists(Root::CurrentUser, "\\SOFTWARE\\Tarnix\\Step1"));
}

}  // namespace
}  // namespace tarnix
