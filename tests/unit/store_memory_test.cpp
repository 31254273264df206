// What only the memory store has: both enumeration orders. The rest of its behaviour is the
// conformance suite's; each injected fault is checked by the tests that inject it.
#include <gtest/gtest.h>

#include "conformance/store_conformance.h"
#include "fakes/store_memory.h"

namespace tarnix {
namespace {

const char kRun[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

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

// Wine enumerates value names sorted, so that "Line1000" comes before "Line101".
TEST(MemoryStoreOrder, ValuesAndKeysEnumerateInCreationOrderOrSorted) {
  MemoryStore store;
  auto key = store.OpenKey(Root::CurrentUser, kRun, true);
  for (const char* name : {"zeta", "Alpha", "Line101", "Line1000"}) {
    EXPECT_TRUE(key->WriteString(name, "x"));
    EXPECT_TRUE(store.OpenKey(Root::CurrentUser, std::string(kRun) + "\\" + name, true));
  }
  EXPECT_TRUE(key->WriteString("ALPHA", "replaced keeps its place"));
  EXPECT_EQ(key->GetValueNames(),
            (std::vector<std::string>{"zeta", "Alpha", "Line101", "Line1000"}));
  EXPECT_EQ(key->GetKeyNames(), (std::vector<std::string>{"zeta", "Alpha", "Line101", "Line1000"}));

  store.SetValueOrder(ValueOrder::Sorted);
  EXPECT_EQ(key->GetValueNames(),
            (std::vector<std::string>{"Alpha", "Line1000", "Line101", "zeta"}));
  EXPECT_EQ(key->GetKeyNames(), (std::vector<std::string>{"Alpha", "Line1000", "Line101", "zeta"}));
}

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
