#include <map>
#include "platform/value_text.h"
#include "watchdog_fixture.h"

namespace tarnix {
namespace {

using Lines = std::vector<std::string>;

class SaveTest : public WatchdogTest {
 protected:
  void SetUp() override {
    store.AddFile(Winstart(), "@echo off\r\nrem start\r\n", attr::Hidden | attr::Archive);
    store.SetString(Root::CurrentUser, kRun, "Tool", "tool.exe");
    store.SetValue(Root::LocalMachine, kRun, "Agent",
                   {regtype::ExpandString, "%ProgramFiles%\\a.exe"});
    EXPECT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "loader.exe"));
    store.AddFile(shellFolders.startup + "\\Mail.lnk", "lnk");
    Rebuild();
  }
};

TEST_F(SaveTest, SnapshotHoldsEverySectionAndSaysSo) {
  UserEdit(*ws.views.winstart, {"@echo off", "rem edited, not saved"});
  const RegValue binary{regtype::Binary, std::string("\x01\x00\x02", 3)};
  store.SetValue(Root::CurrentUser, kRun, "Blob", binary);
  ASSERT_TRUE(SaveSnapshot(ws));
  EXPECT_EQ(Boxes(toolkit), Lines{"mform | Attention! | 64 | Information saved succesfully!"});

  EXPECT_EQ(SnapshotLines("Winstart"), (Lines{"@echo off", "rem edited, not saved"}));
  EXPECT_EQ(SnapshotLines("Autoexec"), Lines{});
  EXPECT_EQ(SnapshotLines("Startup"), Lines{"Mail.lnk"});
  EXPECT_EQ(SnapshotLines("Common Startup"), Lines{});
  const std::string save = "\\Software\\Movenda\\Tarnix2\\Save\\";
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "HKCU_Run", "Tool")->data, "tool.exe");
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "HKCU_Run", "Blob"), binary);
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "HKLM_Run", "Agent"),
            (RegValue{regtype::ExpandString, "%ProgramFiles%\\a.exe"}));
  // No live key: an empty list.
  EXPECT_EQ(ReadKeyValues(store, Root::LocalMachine, save + "HKLM_RunService")->size(), 0u);
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "Winini", "Load")->data, "loader.exe");
  EXPECT_EQ(store.Value(Root::LocalMachine, save + "Winini", "Run")->data, "");
  TakeSnapshot();  // a second time gives the same snapshot
  toolkit.AnswerNextMessageBox(ui::mb::IdNo);
  EXPECT_FALSE(Check());
}

TEST_F(SaveTest, SaveWritesEditedPagesKeepingAttributesAndNothingElse) {
  store.AddFile(Place("Config"), "files=40\r\n");
  store.SetFileFault(Place("Config"), FileFault::Unreadable);
  Rebuild();
  UserEdit(*ws.views.winstart, {"@echo off", "rem new"});
  UserEdit(*ws.views.load, "other.exe");
  ws.dataChanged = true;

  SaveAll(ws);
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem new\r\n");
  EXPECT_EQ(store.GetFileAttributes(Winstart()), attr::Hidden | attr::Archive);
  EXPECT_EQ(store.FileWrites(Place("Config")), 0);   // unreadable, never truncated
  EXPECT_FALSE(store.FileBytes(Place("Autoexec")));  // missing, not created
  EXPECT_EQ(store.ReadProfileString("win.ini", "windows", "load", ""), "other.exe");
  EXPECT_EQ(SnapshotLines("Winstart"), (Lines{"@echo off", "rem new"}));
  EXPECT_TRUE(WasShown("Information saved succesfully!"));
  EXPECT_FALSE(AnyTextModified(ws));
  EXPECT_FALSE(ws.dataChanged);
}

TEST_F(SaveTest, ALineBeyondTheCodePageIsNamedNotTakenForAPermissionProblem) {
  UserEdit(*ws.views.winstart, {"@echo off", "rem caf\u00e9 ok", "rem \u2713 done"});
  SaveAll(ws);
  EXPECT_EQ(Boxes(toolkit), Lines{"mform | Error! | 16 | Line 3 of " + Winstart() +
                                  " holds a character that the file's code page cannot store, so "
                                  "nothing was written:\nrem \u2713 done"});
  EXPECT_EQ(store.FileBytes(Winstart()), "@echo off\r\nrem start\r\n");
  EXPECT_FALSE(SnapshotExists(store));
  EXPECT_TRUE(ws.views.winstart->Modified());
}

const char kKey[] = "\\Software\\Movenda\\Tarnix2\\Save\\Autoexec";

RegValue Expand(const std::string& text) {
  return {regtype::ExpandString, text};
}
class SnapshotStoreTest : public ::testing::Test {
 protected:
  MemoryStore store;
};

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
  store.SetValueOrder(ValueOrder::Sorted);  // deleting while the values are listed
  EXPECT_TRUE(WriteSnapshotLines(store, kKey, {"a", "b", "c", "d", "e"}));
  // Values no line of ours would leave: another name, a number with more or fewer digits, a
  // line beyond a gap.
  for (const char* name : {"Other", "Line01", "Line0002", "Line009"})
    store.SetString(Root::LocalMachine, kKey, name, name);
  EXPECT_TRUE(WriteSnapshotLines(store, kKey, {"a", "B", "c"}));
  EXPECT_EQ(Held(store), (std::map<std::string, std::string>{
                             {"Line001", "a"}, {"Line002", "B"}, {"Line003", "c"}}));
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
