// What only the memory store has: injected faults, both enumeration orders, its setup helpers,
// its code page.
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

std::vector<std::string> ValueNames(Store& store, Root root, const std::string& path) {
  auto key = store.OpenKey(root, path, false);
  return key ? key->GetValueNames() : std::vector<std::string>{};
}

TEST(MemoryStoreOrder, ValuesAndKeysEnumerateInCreationOrderOrSorted) {
  MemoryStore store;
  auto key = store.OpenKey(Root::CurrentUser, kRun, true);
  for (const char* name : {"zeta", "Alpha", "mid", "beta"}) {
    EXPECT_TRUE(key->WriteString(name, "x"));
    EXPECT_TRUE(store.OpenKey(Root::CurrentUser, std::string(kRun) + "\\" + name, true));
  }
  EXPECT_TRUE(key->WriteString("ALPHA", "replaced keeps its place"));
  EXPECT_EQ(key->GetValueNames(), (std::vector<std::string>{"zeta", "Alpha", "mid", "beta"}));
  EXPECT_EQ(key->GetKeyNames(), (std::vector<std::string>{"zeta", "Alpha", "mid", "beta"}));

  store.SetValueOrder(ValueOrder::Sorted);
  EXPECT_EQ(key->GetValueNames(), (std::vector<std::string>{"Alpha", "beta", "mid", "zeta"}));
  EXPECT_EQ(key->GetKeyNames(), (std::vector<std::string>{"Alpha", "beta", "mid", "zeta"}));
}

TEST(MemoryStoreOrder, SortedOrderPutsLine1000BeforeLine101) {
  MemoryStore store;
  store.SetValueOrder(ValueOrder::Sorted);
  store.SetString(Root::LocalMachine, "\\Save\\Autoexec", "Line101", "a");
  store.SetString(Root::LocalMachine, "\\Save\\Autoexec", "Line1000", "b");
  EXPECT_EQ(ValueNames(store, Root::LocalMachine, "Save\\Autoexec"),
            (std::vector<std::string>{"Line1000", "Line101"}));
}

TEST(MemoryStoreRegistryFaults, RefusedOpenHidesTheKeyAndEverythingBelow) {
  MemoryStore store;
  store.SetString(Root::LocalMachine, "\\SOFTWARE\\A\\B", "v", "1");
  store.RefuseOpen(Root::LocalMachine, "SOFTWARE\\a");
  EXPECT_FALSE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE\\A", false));
  EXPECT_FALSE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE\\A\\B", true));
  EXPECT_FALSE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE\\A\\New", true));
  EXPECT_FALSE(store.KeyExists(Root::LocalMachine, "\\SOFTWARE\\A\\B"));
  EXPECT_FALSE(store.DeleteKey(Root::LocalMachine, "\\SOFTWARE\\A"));
  EXPECT_TRUE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE", false));
  EXPECT_TRUE(store.OpenKey(Root::CurrentUser, "\\SOFTWARE\\A", true));
  EXPECT_EQ(store.Value(Root::LocalMachine, "\\SOFTWARE\\A\\B", "v")->data, "1");

  store.ClearFaults();
  EXPECT_TRUE(store.OpenKey(Root::LocalMachine, "\\SOFTWARE\\A\\B", false));
}

TEST(MemoryStoreRegistryFaults, RefusedWriteOpensReadOnlyLikeAStandardUsersHklm) {
  MemoryStore store;
  store.SetString(Root::LocalMachine, kRun, "Tool", "tool.exe");
  store.RefuseWrite(Root::LocalMachine, "");

  EXPECT_FALSE(store.OpenKey(Root::LocalMachine, kRun, true));
  auto key = store.OpenKey(Root::LocalMachine, kRun, false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadString("Tool"), "tool.exe");
  const StoreResult written = key->WriteString("New", "new.exe");
  EXPECT_EQ(written.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(written.text, "Failed to set data for 'New'");
  EXPECT_FALSE(key->WriteValue("Tool", RegValue{regtype::Dword, std::string(4, '\0')}));
  EXPECT_FALSE(key->DeleteValue("Tool"));
  EXPECT_FALSE(store.DeleteKey(Root::LocalMachine, kRun));
  EXPECT_EQ(store.Value(Root::LocalMachine, kRun, "Tool")->data, "tool.exe");
  EXPECT_TRUE(store.OpenKey(Root::CurrentUser, kRun, true));
}

// A refusal tells the reason it was injected with, however the change is tried; the text of
// the error stays the same.
TEST(MemoryStoreRegistryFaults, RefusalsReportTheKindTheyWereGiven) {
  for (StoreFailure kind : {StoreFailure::AccessDenied, StoreFailure::Other}) {
    MemoryStore store;
    store.SetString(Root::LocalMachine, kRun, "Tool", "tool.exe");
    store.RefuseWrite(Root::LocalMachine, kRun, kind);
    const OpenedKey refused = store.OpenKey(Root::LocalMachine, kRun, true);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.result.failure, kind);
    EXPECT_EQ(refused.result.text, std::string("Cannot open the registry key HKEY_LOCAL_MACHINE") +
                                       kRun + " for writing");
    EXPECT_EQ(store.DeleteKey(Root::LocalMachine, kRun).failure, kind);
    auto key = store.OpenKey(Root::LocalMachine, kRun, false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->DeleteValue("Tool").failure, kind);
    EXPECT_EQ(key->WriteString("Tool", "other.exe").failure, kind);
  }
  MemoryStore store;
  store.RefuseOpen(Root::CurrentUser, "\\Software\\Hidden");
  EXPECT_EQ(store.OpenKey(Root::CurrentUser, "\\Software\\Hidden\\Below", true).result.failure,
            StoreFailure::AccessDenied);
  store.RefuseOpen(Root::CurrentUser, "\\Software\\Broken", StoreFailure::Other);
  EXPECT_EQ(store.DeleteKey(Root::CurrentUser, "\\Software\\Broken").failure, StoreFailure::Other);
}

// As in the all-users startup folder for a standard user: everything is read, nothing in the
// folder or below it is changed, and every change says access denied.
TEST(MemoryStoreFileFaults, WriteDeniedFolderRefusesEveryChangeBelowIt) {
  MemoryStore store;
  const std::string folder = "C:\\ProgramData\\StartUp";
  store.AddFile(folder + "\\Sub\\tool.lnk", "link");
  store.SetFileFault(folder, FileFault::WriteDenied);
  EXPECT_EQ(store.ReadBytes(folder + "\\Sub\\tool.lnk"), "link");
  EXPECT_EQ(store.DeleteFile(folder + "\\Sub\\tool.lnk").failure, StoreFailure::AccessDenied);
  const TextWrite saved = store.SaveLines(folder + "\\new.txt", {"x"});
  EXPECT_EQ(saved.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(saved.unencodableLine, std::nullopt);
  const StoreResult written = store.WriteBytes(folder + "\\Sub\\tool.lnk", "other");
  EXPECT_EQ(written.text, "Cannot create file " + folder + "\\Sub\\tool.lnk");
  EXPECT_EQ(written.failure, StoreFailure::AccessDenied);
  EXPECT_EQ(store.AppendText(folder + "\\log.txt", "x").failure, StoreFailure::AccessDenied);
  EXPECT_EQ(store.CreateFolder(folder + "\\Group").failure, StoreFailure::AccessDenied);
  store.AddFolder(folder + "\\Empty");
  EXPECT_EQ(store.RemoveFolder(folder + "\\Empty").failure, StoreFailure::AccessDenied);
  EXPECT_TRUE(store.FolderExists(folder + "\\Empty"));
  EXPECT_EQ(store.FileBytes(folder + "\\Sub\\tool.lnk"), "link");
  EXPECT_FALSE(store.FileBytes(folder + "\\new.txt"));

  EXPECT_TRUE(store.SaveLines("C:\\ProgramData\\beside.txt", {"x"}));
}

TEST(MemoryStoreFileFaults, OtherFileFaultsAreNotAccessDenied) {
  MemoryStore store;
  store.AddFile("C:\\CONFIG.SYS", "FILES=30");
  store.SetFileFault("C:\\CONFIG.SYS", FileFault::Uncreatable);
  EXPECT_EQ(store.SaveLines("C:\\CONFIG.SYS", {"x"}).failure, StoreFailure::Other);
  store.SetFileFault("C:\\CONFIG.SYS", FileFault::Locked);
  EXPECT_EQ(store.DeleteFile("C:\\CONFIG.SYS").failure, StoreFailure::Other);
  EXPECT_EQ(store.WriteBytes("C:\\CONFIG.SYS", "x").failure, StoreFailure::Other);
}

TEST(MemoryStoreRegistry, KeyDeletedWhileOpenReadsEmptyAndRefusesWrites) {
  MemoryStore store;
  auto key = store.OpenKey(Root::CurrentUser, "\\SOFTWARE\\Tarnix\\Step1", true);
  EXPECT_TRUE(key->WriteString("Command", "x"));
  ASSERT_TRUE(store.DeleteKey(Root::CurrentUser, "\\SOFTWARE\\Tarnix"));
  EXPECT_EQ(key->ReadValue("Command"), std::nullopt);
  EXPECT_TRUE(key->GetValueNames().empty());
  EXPECT_FALSE(key->WriteString("Command", "y"));
  EXPECT_FALSE(store.KeyExists(Root::CurrentUser, "\\SOFTWARE\\Tarnix\\Step1"));
}

TEST(MemoryStoreFileFaults, UnreadableFileCanStillBeWritten) {
  MemoryStore store;
  store.AddFile("C:\\AUTOEXEC.BAT", "@echo off\r\n");
  store.SetFileFault("c:\\autoexec.bat", FileFault::Unreadable);
  EXPECT_EQ(store.LoadLines("C:\\AUTOEXEC.BAT"), std::nullopt);
  EXPECT_EQ(store.ReadBytes("C:\\AUTOEXEC.BAT"), std::nullopt);
  EXPECT_TRUE(store.SaveLines("C:\\AUTOEXEC.BAT", {"rem new"}));
  EXPECT_EQ(store.FileBytes("C:\\AUTOEXEC.BAT"), "rem new\r\n");
}

TEST(MemoryStoreFileFaults, UncreatableFileKeepsItsOldContent) {
  MemoryStore store;
  store.AddFile("C:\\CONFIG.SYS", "FILES=40\r\n");
  store.SetFileFault("C:\\CONFIG.SYS", FileFault::Uncreatable);
  store.SetFileFault("C:\\new.txt", FileFault::Uncreatable);

  EXPECT_EQ(store.LoadLines("C:\\CONFIG.SYS"), (std::vector<std::string>{"FILES=40"}));
  const TextWrite saved = store.SaveLines("C:\\CONFIG.SYS", {"FILES=1"});
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.text, "Cannot create file C:\\CONFIG.SYS");
  EXPECT_EQ(saved.unencodableLine, std::nullopt);
  EXPECT_FALSE(store.AppendText("C:\\CONFIG.SYS", "more"));
  EXPECT_FALSE(store.WriteBytes("C:\\CONFIG.SYS", "x"));
  EXPECT_EQ(store.FileBytes("C:\\CONFIG.SYS"), "FILES=40\r\n");
  EXPECT_EQ(store.FileWrites("C:\\CONFIG.SYS"), 0);

  EXPECT_FALSE(store.SaveLines("C:\\new.txt", {"a"}));
  EXPECT_EQ(store.GetFileAttributes("C:\\new.txt"), kInvalidAttributes);
}

TEST(MemoryStoreFileFaults, LockedFileCannotBeReadWrittenOrDeleted) {
  MemoryStore store;
  store.AddFile("C:\\log.txt", "old");
  store.SetFileFault("C:\\log.txt", FileFault::Locked);
  EXPECT_EQ(store.ReadBytes("C:\\log.txt"), std::nullopt);
  EXPECT_FALSE(store.AppendText("C:\\log.txt", "x"));
  EXPECT_FALSE(store.DeleteFile("C:\\log.txt"));
  EXPECT_EQ(store.FileBytes("C:\\log.txt"), "old");
  EXPECT_NE(store.GetFileAttributes("C:\\log.txt"), kInvalidAttributes);
}

TEST(MemoryStoreFiles, ReadOnlyMarksStickToFilesAndFolders) {
  MemoryStore store;
  store.AddFile("C:\\Start\\a.lnk", "x", attr::ReadOnly);
  store.AddFolder("C:\\Start\\Sub");
  ASSERT_TRUE(store.SetFileAttributes("C:\\Start\\Sub", attr::ReadOnly));
  EXPECT_FALSE(store.AppendText("C:\\Start\\a.lnk", "more"));
  EXPECT_EQ(store.FileBytes("C:\\Start\\a.lnk"), "x");
  auto entries = store.ListFiles("C:\\Start", "*.*");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].name, "Sub");
  EXPECT_EQ(entries[1].attributes, attr::Directory | attr::ReadOnly);
}

TEST(MemoryStoreFileFaults, UnlistableFolderListsNothing) {
  MemoryStore store;
  store.AddFile("C:\\Start\\a.lnk", "");
  store.SetFolderUnlistable("C:\\Start\\");
  EXPECT_TRUE(store.ListFiles("C:\\Start", "*.*").empty());
}

TEST(MemoryStoreProfile, RefusedProfileWritesFailAndKeepTheValue) {
  MemoryStore store;
  ASSERT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "a.exe"));
  store.RefuseProfileWrites();
  EXPECT_FALSE(store.WriteProfileString("win.ini", "windows", "load", "b.exe"));
  EXPECT_EQ(store.ReadProfileString("WIN.INI", "Windows", "LOAD", ""), "a.exe");
  EXPECT_EQ(store.ReadProfileString("C:\\windows\\win.ini", "windows", "load", ""), "a.exe");
}

TEST(MemoryStoreCodePage, TextIsWindows1252OnDisk) {
  MemoryStore store;
  ASSERT_TRUE(store.SaveLines("C:\\a.txt", {"Grüße €"}));
  EXPECT_EQ(store.FileBytes("C:\\a.txt"), "Gr\xFC\xDF\x65 \x80\r\n");
  store.AddFile("C:\\b.txt", "\x93quoted\x94\r\n\xE4");
  EXPECT_EQ(store.LoadLines("C:\\b.txt"), (std::vector<std::string>{"“quoted”", "ä"}));
}

TEST(MemoryStoreCodePage, CharacterOutsideTheCodePageFailsTheWriteAndNamesItsLine) {
  MemoryStore store;
  store.AddFile("C:\\a.txt", "old\r\n");
  const TextWrite refused = store.SaveLines("C:\\a.txt", {"€ fits", "日本"});
  EXPECT_EQ(refused.failure, StoreFailure::Other);
  EXPECT_EQ(refused.unencodableLine, std::optional<size_t>(1));
  EXPECT_FALSE(store.AppendText("C:\\a.txt", "✓"));
  EXPECT_EQ(store.FileBytes("C:\\a.txt"), "old\r\n");
  // Whatever fault the file has, a line that does not fit is what is told.
  store.SetFileFault("C:\\a.txt", FileFault::Locked);
  EXPECT_EQ(store.SaveLines("C:\\a.txt", {"✓"}).unencodableLine, std::optional<size_t>(0));
  const TextWrite locked = store.SaveLines("C:\\a.txt", {"fits"});
  EXPECT_FALSE(locked);
  EXPECT_EQ(locked.unencodableLine, std::nullopt);
  EXPECT_EQ(store.FileWrites("C:\\a.txt"), 0);
}

TEST(MemoryStoreSetup, DefaultsAndPresets) {
  MemoryStore store;
  EXPECT_EQ(store.WindowsFolder(), "C:\\WINDOWS");
  EXPECT_TRUE(store.FolderExists("c:\\windows"));
  EXPECT_TRUE(store.FolderExists("C:\\Program Files\\Tarnix2"));
  EXPECT_EQ(store.PlatformVersion().platformId, 2u);
  EXPECT_EQ(store.LongTimeText(store.Now()), "16:44:03");

  store.SetPlatform(PlatformPreset::Windows98);
  EXPECT_EQ(store.PlatformVersion().platformId, 1u);
  EXPECT_EQ(store.PlatformVersion().minor, 10u);
  store.SetPlatform(PlatformPreset::NT4);
  EXPECT_EQ(store.PlatformVersion().major, 4u);
  EXPECT_EQ(store.PlatformVersion().servicePack, "Service Pack 6");

  store.SetWindowsFolder("D:\\WINNT\\");
  EXPECT_EQ(store.WindowsFolder(), "D:\\WINNT");
  EXPECT_TRUE(store.FolderExists("D:\\WINNT"));
  store.SetProgramPath("E:\\Tools\\Tx\\tarnix2.exe");
  EXPECT_EQ(store.ProgramPath(), "E:\\Tools\\Tx\\tarnix2.exe");
  EXPECT_TRUE(store.AppendText("E:\\Tools\\Tx\\tx2log.txt", "line\r\n"));
}

TEST(MemoryStoreSetup, SeedShellFoldersRegistersExistingFolders) {
  MemoryStore store;
  SeededShellFolders seeded = store.SeedShellFolders();
  const char key[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  EXPECT_EQ(store.Value(Root::CurrentUser, key, "startup")->data, seeded.startup);
  EXPECT_EQ(store.Value(Root::CurrentUser, key, "Programs")->data, seeded.programs);
  EXPECT_EQ(store.Value(Root::CurrentUser, key, "Desktop")->data, seeded.desktop);
  EXPECT_EQ(store.Value(Root::LocalMachine, key, "Common Startup")->data, seeded.commonStartup);
  for (const auto& folder :
       {seeded.startup, seeded.programs, seeded.desktop, seeded.commonStartup}) {
    EXPECT_TRUE(store.FolderExists(folder)) << folder;
  }
}

TEST(MemoryStoreFiles, OperationsNeedTheParentFolderButSetupMakesIt) {
  MemoryStore store;
  EXPECT_FALSE(store.SaveLines("C:\\missing\\a.txt", {"x"}));
  EXPECT_FALSE(store.CreateFolder("C:\\missing\\sub"));
  EXPECT_FALSE(store.WriteBytes("C:\\missing\\a.bin", "x"));
  store.AddFile("C:\\missing\\deep\\a.txt", "x", attr::Hidden);
  EXPECT_TRUE(store.FolderExists("C:\\missing\\deep"));
  EXPECT_EQ(store.GetFileAttributes("C:\\MISSING\\DEEP\\A.TXT"), attr::Hidden);
  EXPECT_EQ(store.FileWrites("C:\\missing\\deep\\a.txt"), 0);
}

}  // namespace
}  // namespace tarnix
