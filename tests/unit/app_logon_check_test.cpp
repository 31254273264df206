// tarnix2.exe /c must find a change exactly where the full start's check does.
#include "app/logon_check.h"
#include "sources/undo_step.h"
#include "unit/app_fixture.h"
#include "watchdog/check.h"
#include "watchdog/snapshot_digest.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {
namespace {

using namespace ui::headless;

const char kLog[] = "C:\\Program Files\\Tarnix2\\tx2log.txt";
const char kAutoexec[] = "C:\\WINDOWS\\SYSTEM32\\AUTOEXEC.NT";
const char kConfig[] = "C:\\WINDOWS\\SYSTEM32\\CONFIG.NT";
const char kWinstart[] = "C:\\WINDOWS\\winstart.bat";

// What one full start with /c logged and showed.
struct FullRun {
  std::string logged;
  int reports = 0;
  size_t messages = 0;
  bool FoundSomething() const { return reports > 0 || messages > 0; }
};

class LogonCheckTest : public AppTest {
 protected:
  void SetUp() override {
    folders = store.SeedShellFolders();
    store.SetString(Root::LocalMachine, kRunKey, "Agent", "C:\\agent.exe /background");
    store.SetString(Root::LocalMachine, kRunServicesKey, "Service", "C:\\service.exe");
    store.SetString(Root::CurrentUser, kRunKey, "Tool", "C:\\tool.exe /q");
    store.AddFile(kAutoexec, "SET A=1\r\nSET B=2\r\n");
    store.AddFile(kConfig, "FILES=40\r\n");
    store.AddFile(kWinstart, "@ECHO OFF\r\n");
    store.AddFile(folders.startup + "\\Mail.lnk", "x");
    store.AddFile(folders.commonStartup + "\\Office.lnk", "x");
    ASSERT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "C:\\load.exe"));
    ASSERT_TRUE(store.WriteProfileString("win.ini", "windows", "run", "C:\\run.exe"));
    // The first launch saves the snapshot.
    Start({"/c"});
    program.reset();
    ASSERT_TRUE(store.KeyExists(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2\\Save"));
  }

  std::string Log() const { return store.FileBytes(kLog).value_or(""); }

  // The logon check from the store, with a toolkit of its own; forms it left are counted.
  bool QuietCheck(const std::vector<std::string>& arguments = {"/c"}) {
    HeadlessToolkit kit;
    const bool handled = RunUnchangedLogonCheck(store, kit, arguments);
    leftForms = kit.Forms().size();
    quietMessages = kit.Messages().size();
    quietTitle = kit.Title();
    return handled;
  }

  // The full start with /c; every report is closed without a decision.
  FullRun FullCheck() {
    const std::string before = Log();
    HeadlessToolkit kit;
    kit.SetAutoAcknowledge(true);
    AnswerWelcomeWindow(kit);
    FullRun run;
    for (int i = 0; i < 20; ++i) kit.OnModal("Form1", [&run](ui::Form&) { ++run.reports; });
    {
      Program full(store, kit, nullptr, &shortcuts);
      full.Run({"/c"});
    }
    run.logged = Log().substr(before.size());
    run.messages = kit.Messages().size();
    return run;
  }

  SeededShellFolders folders;
  size_t leftForms = 0;
  size_t quietMessages = 0;
  std::string quietTitle;
};

TEST_F(LogonCheckTest, NothingChangedLogsWhatTheFullStartLogsAndLeavesNoWindow) {
  const FullRun full = FullCheck();
  ASSERT_FALSE(full.FoundSomething());
  ASSERT_NE(full.logged, "");
  ASSERT_TRUE(store.DeleteKey(Root::CurrentUser, kUndoRoot));
  const std::string before = Log();
  ASSERT_TRUE(QuietCheck());
  EXPECT_EQ(Log().substr(before.size()), full.logged);
  EXPECT_EQ(leftForms, 0u);
  EXPECT_EQ(quietMessages, 0u);
  EXPECT_EQ(quietTitle, "Tarnix2");
  // The undo journal's root key, which the main window makes, exists as after a full start.
  EXPECT_TRUE(store.KeyExists(Root::CurrentUser, kUndoRoot));
  // The snapshot's writes left digests that spare /c reading the lines of texts and folders.
  for (const StartupSection& section : BuildCatalogue(store).sections) {
    const std::string saved = SnapshotKeyPath(section.key);
    if (section.kind == kindTextFile || section.kind == kindFolder) {
      EXPECT_TRUE(DigestVouches(store, saved, *ReadSnapshotLines(store, saved))) << section.key;
    }
  }
}

// Only /c with a writable log takes this way; else the full start does it all.
TEST_F(LogonCheckTest, OnlyTheCheckOnlyArgumentWithAWritableLogTakesThisWay) {
  const std::string before = Log();
  for (const std::vector<std::string>& other : {std::vector<std::string>{}, {"/u"}, {"x", "/c"}})
    EXPECT_FALSE(QuietCheck(other));
  store.SetFileFault(kLog, FileFault::Uncreatable);
  EXPECT_FALSE(QuietCheck());
  EXPECT_EQ(leftForms, 0u);
  EXPECT_EQ(Log(), before);
  store.SetFileFault(kLog, FileFault::None);
  EXPECT_TRUE(QuietCheck({"/C"}));
  EXPECT_NE(Log(), before);
}

// One change to the system, and whether the full check reports it.
struct Change {
  const char* name;
  std::function<void(MemoryStore&, const SeededShellFolders&)> make;
  bool reported;
};

const char kSavedAutoexec[] = "\\Software\\Movenda\\Tarnix2\\Save\\Autoexec";

std::vector<Change> Changes() {
  using Make = std::function<void(MemoryStore&, const SeededShellFolders&)>;
  const auto line = [](const char* path, const char* bytes) -> Make {
    return [=](MemoryStore& s, auto&) { s.AddFile(path, bytes); };
  };
  const auto run = [](Root root, const char* key, const char* name, const char* command) -> Make {
    return [=](MemoryStore& s, auto&) { s.SetString(root, key, name, command); };
  };
  const auto winIni = [](const char* name, const char* value) -> Make {
    return [=](MemoryStore& s, auto&) {
      ASSERT_TRUE(s.WriteProfileString("win.ini", "windows", name, value));
    };
  };
  const auto noSnapshot = [](const std::string& below) -> Make {
    return [=](MemoryStore& s, auto&) {
      ASSERT_TRUE(s.DeleteKey(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2\\Save" + below));
    };
  };
  const Make noTool = [](MemoryStore& s, auto&) {
    ASSERT_TRUE(s.OpenKey(Root::CurrentUser, kRunKey, false)->DeleteValue("Tool"));
  };
  const Make renamed = [noTool](MemoryStore& s, const SeededShellFolders& f) {
    noTool(s, f);
    s.SetString(Root::CurrentUser, kRunKey, "Renamed", "C:\\tool.exe /q");
  };
  return {
      {"NewMachineRunEntry", run(Root::LocalMachine, kRunKey, "New", "C:\\new.exe"), true},
      {"NewRunServicesEntry", run(Root::LocalMachine, kRunServicesKey, "New", "C:\\new.exe"), true},
      {"ChangedUserRunCommand", run(Root::CurrentUser, kRunKey, "Tool", "C:\\evil.exe"), true},
      {"RemovedRunEntry", noTool, true},
      {"RunEntryRenamedWithTheSameCommand", renamed, false},
      {"EmptyRunEntryAdded", run(Root::CurrentUser, kRunKey, "Blank", ""), false},
      {"ChangedAutoexecLine", line(kAutoexec, "SET A=1\r\nSET B=3\r\n"), true},
      {"NewConfigLine", line(kConfig, "FILES=40\r\nDEVICE=x.sys\r\n"), true},
      {"WinstartEmptied", line(kWinstart, ""), true},
      {"LineChangedOnlyInLetterCase", line(kAutoexec, "set a=1\r\nSET B=2\r\n"), false},
      {"BlankLineAdded", line(kConfig, "FILES=40\r\n\r\n"), false},
      {"UnreadableTextFile",
       [](MemoryStore& s, auto&) { s.SetFileFault(kConfig, FileFault::Unreadable); }, true},
      {"NewFileInTheUserStartupFolder",
       [](MemoryStore& s, const SeededShellFolders& f) { s.AddFile(f.startup + "\\New.lnk", "x"); },
       true},
      {"FileGoneFromTheCommonStartupFolder",
       [](MemoryStore& s, const SeededShellFolders& f) {
         ASSERT_TRUE(s.DeleteFile(f.commonStartup + "\\Office.lnk"));
       },
       true},
      {"PlainFolderInAStartupFolder",
       [](MemoryStore& s, const SeededShellFolders& f) { s.AddFolder(f.startup + "\\Sub"); },
       false},
      {"WinIniLoadChanged", winIni("load", "C:\\other.exe"), true},
      {"WinIniRunEmptied", winIni("run", ""), true},
      {"SnapshotGone", noSnapshot(""), true},
      {"SnapshotOfOneSectionGone", noSnapshot("\\Common Startup"), true},
      // Written behind the digest's back, which then vouches for nothing.
      {"SnapshotLineChangedBehindItsDigest",
       run(Root::LocalMachine, kSavedAutoexec, "Line002", "SET B=9"), true},
      {"SnapshotLineAddedBehindItsDigest", run(Root::LocalMachine, kSavedAutoexec, "Line009", "X"),
       true},
      {"DigestsGone",
       [](MemoryStore& s, auto&) {
         ASSERT_TRUE(s.DeleteKey(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2\\Digests"));
       },
       false},
  };
}

void PrintTo(const Change& change, std::ostream* out) {
  *out << change.name;
}

class LogonCheckChangeTest : public LogonCheckTest, public ::testing::WithParamInterface<Change> {};

TEST_P(LogonCheckChangeTest, FindsAChangeExactlyWhereTheFullCheckReportsOne) {
  GetParam().make(store, folders);
  const std::string before = Log();
  const bool quiet = QuietCheck();
  EXPECT_EQ(quiet, !GetParam().reported);
  EXPECT_EQ(NothingChangedSinceSnapshot(store, BuildCatalogue(store)), quiet);
  if (!quiet) {
    EXPECT_EQ(Log(), before) << "a check left to the full start logs nothing of its own";
  }
  EXPECT_EQ(leftForms, 0u);
  const std::string quietLogged = Log().substr(before.size());
  const FullRun full = FullCheck();
  EXPECT_EQ(full.FoundSomething(), GetParam().reported);
  if (quiet) {
    EXPECT_EQ(quietLogged, full.logged);
  }
}

INSTANTIATE_TEST_SUITE_P(Changes, LogonCheckChangeTest, ::testing::ValuesIn(Changes()),
                         [](const ::testing::TestParamInfo<Change>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tarnix
