// What only the memory store has: injected faults and both enumeration orders. The rest of
// its behaviour is the conformance suite's.
#include <gtest/gtest.h>

#include "conformance/store_conformance.h"
#include "fakes/store_memory.h"
#include "platform/registry_keys.h"

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

TEST(MemoryStoreRegistryFaults, RefusedOpenHidesTheKeyAndEverythingBelow) {
  MemoryStore store;
  store.SetString(Root::LocalMachine, "\\SOFTWARE\\A\\B", "v", "1");
  store.RefuseOpen(Root::LocalMachine, "SOFTWARE\\a");
  EXPECT_FALSE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE\\A\\New", true));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, "\\SOFTWARE\\A\\B"));
  EXPECT_TRUE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE", false));
  EXPECT_TRUE(store.OpenKey(Root::CurrentUser, "\\SOFTWARE\\A", true));
  EXPECT_EQ(store.DeleteKey(Root::LocalMachine, "\\SOFTWARE\\A\\B").failure,
            StoreFailure::AccessDenied);
  EXPECT_EQ(store.Value(Root::LocalMachine, "\\SOFTWARE\\A\\B", "v")->data, "1");
  store.RefuseOpen(Root::CurrentUser, "\\Software\\Broken", StoreFailure::Other);
  EXPECT_EQ(store.DeleteKey(Root::CurrentUser, "\\Software\\Broken").failure, StoreFailure::Other);
  store.ClearFaults();
  EXPECT_TRUE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE\\A\\B", false));
}

// Like a standard user's HKEY_LOCAL_MACHINE: read-only, and every change fails with the kind
// the fault was given.
TEST(MemoryStoreRegistryFaults, RefusedWritesReadOnlyWithTheKindTheyWereGiven) {
  for (StoreFailure kind : {StoreFailure::AccessDenied, StoreFailure::Other}) {
    MemoryStore store;
    store.SetString(Root::LocalMachine, kRun, "Tool", "tool.exe");
    store.RefuseWrite(Root::LocalMachine, "", kind);
    const OpenedKey refused = store.OpenKey(Root::LocalMachine, kRun, true);
    EXPECT_EQ(refused.result.failure, kind);
    EXPECT_EQ(refused.result.text, std::string("Cannot open the registry key HKEY_LOCAL_MACHINE") +
                                       kRun + " for writing");
    auto key = store.OpenKey(Root::LocalMachine, kRun, false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->DeleteValue("Tool").failure, kind);
    const StoreResult written = key->WriteString("New", "new.exe");
    EXPECT_EQ(written.failure, kind);
    EXPECT_EQ(written.text, "Failed to set data for 'New'");
    EXPECT_EQ(store.Value(Root::LocalMachine, kRun, "Tool")->data, "tool.exe");
  }
}

// As in the all-users startup folder for a standard user.
TEST(MemoryStoreFileFaults, WriteDeniedFolderRefusesEveryChangeBelowIt) {
  MemoryStore store;
  const std::string folder = "C:\\ProgramData\\StartUp";
  store.AddFile(folder + "\\Sub\\tool.lnk", "link");
  store.AddFolder(folder + "\\Empty");
  store.SetFileFault(folder, FileFault::WriteDenied);
  EXPECT_EQ(store.ReadBytes(folder + "\\Sub\\tool.lnk"), "link");
  EXPECT_EQ(store.DeleteFile(folder + "\\Sub\\tool.lnk").failure, StoreFailure::AccessDenied);
  EXPECT_EQ(store.SaveLines(folder + "\\new.txt", {"x"}).failure, StoreFailure::AccessDenied);
  EXPECT_EQ(store.WriteBytes(folder + "\\Sub\\tool.lnk", "other").text,
            "Cannot create file " + folder + "\\Sub\\tool.lnk");
  EXPECT_EQ(store.AppendText(folder + "\\log.txt", "x").failure, StoreFailure::AccessDenied);
  EXPECT_EQ(store.CreateFolder(folder + "\\Group").failure, StoreFailure::AccessDenied);
  EXPECT_EQ(store.RemoveFolder(folder + "\\Empty").failure, StoreFailure::AccessDenied);
  EXPECT_EQ(store.FileBytes(folder + "\\Sub\\tool.lnk"), "link");
  EXPECT_TRUE(store.SaveLines("C:\\ProgramData\\beside.txt", {"x"}));
}

TEST(MemoryStoreFileFaults, EachFaultRefusesWhatItNamesAndIsNotAccessDenied) {
  MemoryStore store;
  store.AddFile("C:\\AUTOEXEC.BAT", "@echo off\r\n");
  store.AddFile("C:\\CONFIG.SYS", "FILES=40\r\n");
  store.AddFile("C:\\log.txt", "old");
  store.SetFileFault("c:\\autoexec.bat", FileFault::Unreadable);
  store.SetFileFault("C:\\CONFIG.SYS", FileFault::Uncreatable);
  store.SetFileFault("C:\\log.txt", FileFault::Locked);

  EXPECT_EQ(store.LoadLines("C:\\AUTOEXEC.BAT"), std::nullopt);
  EXPECT_TRUE(store.SaveLines("C:\\AUTOEXEC.BAT", {"rem new"})) << "unreadable, not unwritable";

  EXPECT_EQ(store.LoadLines("C:\\CONFIG.SYS"), (std::vector<std::string>{"FILES=40"}));
  const TextWrite saved = store.SaveLines("C:\\CONFIG.SYS", {"FILES=1"});
  EXPECT_EQ(saved.failure, StoreFailure::Other);
  EXPECT_EQ(saved.text, "Cannot create file C:\\CONFIG.SYS");
  EXPECT_FALSE(store.AppendText("C:\\CONFIG.SYS", "more"));
  EXPECT_EQ(store.FileBytes("C:\\CONFIG.SYS"), "FILES=40\r\n");

  EXPECT_EQ(store.ReadBytes("C:\\log.txt"), std::nullopt);
  EXPECT_EQ(store.DeleteFile("C:\\log.txt").failure, StoreFailure::Other);
  EXPECT_EQ(store.WriteBytes("C:\\log.txt", "x").failure, StoreFailure::Other);
  EXPECT_EQ(store.FileBytes("C:\\log.txt"), "old");
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

TEST(MemoryStoreFaults, UnlistableFolderAndRefusedProfileWrites) {
  MemoryStore store;
  store.AddFile("C:\\Start\\a.lnk", "");
  store.SetFolderUnlistable("C:\\Start\\");
  EXPECT_TRUE(store.ListFiles("C:\\Start", "*.*").empty());
  ASSERT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "a.exe"));
  store.RefuseProfileWrites();
  EXPECT_FALSE(store.WriteProfileString("win.ini", "windows", "load", "b.exe"));
  EXPECT_EQ(store.ReadProfileString("C:\\windows\\win.ini", "Windows", "LOAD", ""), "a.exe");
}

}  // namespace
}  // namespace tarnix
