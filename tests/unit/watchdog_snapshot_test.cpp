#include <map>

#include "platform/value_text.h"
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

const char kKey[] = "\\Software\\Movenda\\Tarnix2\\Save\\Autoexec";

RegValue Expand(const std::string& text) {
  return {regtype::ExpandString, text};
}
class SnapshotStoreTest : public ::testing::Test {
 protected:
  MemoryStore store;
};

// Other tools read the lines by these names.
TEST(SnapshotLineNames, HaveAtLeastThreeDigits) {
  EXPECT_EQ(LineValueName(0), "Line001");
  EXPECT_EQ(LineValueName(98), "Line099");
  EXPECT_EQ(LineValueName(999), "Line1000");
}

TEST_F(SnapshotStoreTest, LinesReadBackByTheirNumberWhateverTheEnumerationOrder) {
  store.SetValueOrder(ValueOrder::Sorted);
  std::vector<std::string> lines;
  for (int i = 1; i <= 1005; ++i) lines.push_back("line " + std::to_string(i));
  lines[1] = "";
  lines[2] = "  padded  ";
  EXPECT_TRUE(WriteSnapshotLines(store, kKey, lines));
  EXPECT_EQ(store.Value(Root::LocalMachine, kKey, "Line001")->data, "line 1");
  EXPECT_EQ(store.Value(Root::LocalMachine, kKey, "Line999")->data, "line 999");
  EXPECT_EQ(store.Value(Root::LocalMachine, kKey, "Line1000")->data, "line 1000");
  EXPECT_EQ(ReadSnapshotLines(store, kKey), lines);
}

// The names and data the key holds, as the registry keeps them.
std::map<std::string, std::string> Held(MemoryStore& store) {
  std::map<std::string, std::string> held;
  for (const NamedValue& entry : store.OpenKey(Root::LocalMachine, kKey, false)->ReadValues())
    held[entry.name] = entry.value.data;
  return held;
}

TEST_F(SnapshotStoreTest, RewritingFixesChangedLinesAndRemovesWhatTheNewLinesDoNotName) {
  EXPECT_TRUE(WriteSnapshotLines(store, kKey, {"a", "b", "c", "d", "e"}));
  // Values no line of ours would leave: another name, a number with more or fewer digits, a
  // line beyond a gap.
  for (const char* name : {"Other", "Line01", "Line0002", "Line009"})
    store.SetString(Root::LocalMachine, kKey, name, name);
  EXPECT_TRUE(WriteSnapshotLines(store, kKey, {"a", "B", "c"}));
  EXPECT_EQ(Held(store), (std::map<std::string, std::string>{
                             {"Line001", "a"}, {"Line002", "B"}, {"Line003", "c"}}));
}

TEST_F(SnapshotStoreTest, AShorterTextLeavesNoLineBehindWhateverTheEnumerationOrder) {
  for (ValueOrder order : {ValueOrder::Creation, ValueOrder::Sorted}) {
    store.SetValueOrder(order);
    std::vector<std::string> lines(1200, "line");
    EXPECT_TRUE(WriteSnapshotLines(store, kKey, lines));
    lines.resize(998);
    lines.back() = "last";
    EXPECT_TRUE(WriteSnapshotLines(store, kKey, lines));
    EXPECT_EQ(ReadSnapshotLines(store, kKey), lines);
    EXPECT_EQ(Held(store).size(), 998u);
  }
}

TEST(WatchdogValueText, NonStringValuesReadAsTheirTypedForm) {
  EXPECT_EQ(ValueText({regtype::String, "a b"}), "a b");
  EXPECT_EQ(ValueText(Expand("%x%")), "%x%");
  EXPECT_EQ(ValueText(Dword(42)), "dword:0000002a");
  EXPECT_EQ(ValueText({regtype::Binary, std::string("\x01\x02\xff", 3)}), "hex:01,02,ff");
  EXPECT_EQ(ValueText({regtype::MultiString, std::string("a\0\0", 3)}), "hex(7):61,00,00");
  EXPECT_EQ(ValueText({regtype::Dword, "12"}), "hex(4):31,32");
}

// Another tool may write a line's number without the padding: it still counts by its number.
TEST(SnapshotLineNames, CountByTheirNumberPaddedOrNot) {
  MemoryStore store;
  const std::string key = SnapshotKeyPath("Winstart");
  store.SetString(Root::LocalMachine, key, "Line002", "two");
  store.SetString(Root::LocalMachine, key, "Line1", "one");
  EXPECT_EQ(ReadSnapshotLines(store, key), (std::vector<std::string>{"one", "two"}));
}

}  // namespace
}  // namespace tarnix
