// tarnix2c /report on the memory store: findings, exit code, and a store left as it was.
#include "console/json_text.h"
#include "console/report.h"
#include "unit/app_fixture.h"

namespace tarnix {
namespace {

const char kConfig[] = "C:\\WINDOWS\\SYSTEM32\\CONFIG.NT";
const char kUserRun[] = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\r\n";

class ReportTest : public AppTest {
 protected:
  void SetUp() override {
    folders = store.SeedShellFolders();
    store.SetString(Root::CurrentUser, kRunKey, "Tool", "C:\\tool.exe /q");
    store.AddFile(kConfig, "FILES=40\r\n");
    ASSERT_TRUE(store.WriteProfileString("win.ini", "windows", "load", "C:\\load.exe"));
    Start({"/c"});  // the first launch saves the snapshot
    program.reset();
  }

  // The report's output; the store must be exactly as it was before.
  ReportOutput Report(const std::vector<std::string>& arguments) {
    const std::string before = store.StateText();
    ReportOutput output = RunReport(store, "WS-1", arguments);
    EXPECT_EQ(store.StateText(), before) << "the report wrote to the store";
    return output;
  }

  SeededShellFolders folders;
};

struct Case {
  const char* name;
  std::function<void(MemoryStore&, const SeededShellFolders&)> make;
  int exitCode;
  std::string out;  // the text report; for exit code 2, what goes to standard error
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

std::vector<Case> Cases() {
  using S = MemoryStore;
  using F = const SeededShellFolders;
  const auto userRun = [](const char* name, RegValue value) {
    return [=](S& s, F&) { s.SetValue(Root::CurrentUser, kRunKey, name, value); };
  };
  const std::string run = kUserRun;
  return {
      {"NothingChanged", [](S&, F&) {}, 0, "No changes since the snapshot.\r\n"},
      {"NewRunEntry", userRun("Evil", {regtype::String, "C:\\evil.exe"}), 1,
       run + "  added      Evil = C:\\evil.exe\r\n"},
      {"NewDwordEntry", userRun("", {regtype::Dword, std::string("\x2a\0\0\0", 4)}), 1,
       run + "  added      (Default) = dword:0000002a\r\n"},
      {"ChangedCommand", userRun("tool", {regtype::String, "C:\\evil.exe"}), 1,
       run + "  changed    Tool = C:\\evil.exe   (was: C:\\tool.exe /q)\r\n"},
      {"RemovedEntry",
       [](S& s, F&) {
         ASSERT_TRUE(s.OpenKey(Root::CurrentUser, kRunKey, false)->DeleteValue("Tool"));
       },
       1, run + "  deleted    Tool = C:\\tool.exe /q\r\n"},
      {"EmptyEntry", userRun("Blank", {regtype::String, ""}), 0,
       "No changes since the snapshot.\r\n"},
      {"ConfigLine", [](S& s, F&) { s.AddFile(kConfig, "files=40\r\nDEVICE=x.sys\r\n"); }, 1,
       "C:\\WINDOWS\\SYSTEM32\\CONFIG.NT\r\n  added      DEVICE=x.sys\r\n"},
      {"StartupFile", [](S& s, F& f) { s.AddFile(f.startup + "\\New.lnk", "x"); }, 1,
       "C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp\\"
       "\r\n  added      New.lnk\r\n"},
      {"WinIniLoad",
       [](S& s, F&) {
         ASSERT_TRUE(s.WriteProfileString("win.ini", "windows", "load", "C:\\x.exe"));
       },
       1, "C:\\WINDOWS\\win.ini\r\n  changed    load = C:\\x.exe   (was: C:\\load.exe)\r\n"},
      {"UnreadableFile", [](S& s, F&) { s.SetFileFault(kConfig, FileFault::Unreadable); }, 2,
       "Cannot read C:\\WINDOWS\\SYSTEM32\\CONFIG.NT, so it was not checked.\r\n"},
      {"RunKeyRefused", [](S& s, F&) { s.RefuseOpen(Root::CurrentUser, kRunKey); }, 2,
       "Cannot read " + run.substr(0, run.size() - 2) + ", so it was not checked.\r\n"},
      {"NoSnapshot",
       [](S& s, F&) { ASSERT_TRUE(s.DeleteKey(Root::LocalMachine, "\\Software\\Movenda")); }, 2,
       "There is no snapshot (HKEY_LOCAL_MACHINE\\Software\\Movenda\\Tarnix2\\Save) yet: the "
       "first start of tarnix2.exe saves it.\r\n"},
  };
}

class ReportCaseTest : public ReportTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ReportCaseTest, FindsWhatTheCheckFindsAndWritesNothing) {
  GetParam().make(store, folders);
  const ReportOutput text = Report({"/report"});
  EXPECT_EQ(text.exitCode, GetParam().exitCode);
  EXPECT_EQ(GetParam().exitCode == 2 ? text.err : text.out, GetParam().out);
  EXPECT_EQ(Report({"/Report", "/ALL", "/json"}).exitCode, GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(Changes, ReportCaseTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// /all lists the unchanged entries too; the JSON names each place and entry.
TEST_F(ReportTest, AllListsTheUnchangedEntriesAndJsonNamesEachPlaceAndEntry) {
  const ReportOutput all = Report({"/all", "/report"});
  EXPECT_EQ(all.exitCode, 0);
  for (const std::string& line : {std::string(kUserRun) + "  unchanged  Tool = C:\\tool.exe /q\r\n",
                                  std::string("  unchanged  FILES=40\r\n")})
    EXPECT_NE(all.out.find(line), std::string::npos) << all.out;
  store.SetString(Root::CurrentUser, kRunKey, "Evil", "C:\\evil.exe");
  const std::string json = Report({"/report", "/json"}).out;
  for (const char* part :
       {"\"computer\": \"WS-1\"",
        "\"snapshot\": \"HKEY_LOCAL_MACHINE\\\\Software\\\\Movenda\\\\Tarnix2\\\\Save\"",
        "\"section\": \"HKCU_Run\",\r\n      \"place\": \"HKEY_CURRENT_USER\\\\SOFTWARE",
        "{\"name\": \"Evil\", \"value\": \"C:\\\\evil.exe\", \"type\": \"REG_SZ\", \"state\": "
        "\"added\"}",
        "\"section\": \"Config\",\r\n      \"place\": "
        "\"C:\\\\WINDOWS\\\\SYSTEM32\\\\CONFIG.NT\",\r\n"
        "      \"entries\": []"}) {
    EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
  }
}

TEST(ReportJsonTest, KeepsWhatIsNotTextAndTellsTheEnabledMark) {
  const StartupSection run{SectionId::HkcuRun, "HKCU_Run", kindRunList, "HKCU\\Run"};
  PlaceComparison place{&run};
  place.entries.push_back({std::string("A\xff"),
                           {regtype::ExpandString, "%x%"},
                           EntryState::Changed,
                           RegValue{regtype::Binary, "\x01"},
                           false});
  EXPECT_NE(
      ReportJson("C", {place})
          .find("{\"name\": \"A\\ufffd\", \"nameHex\": \"41ff\", \"value\": \"%x%\", \"type\": "
                "\"REG_EXPAND_SZ\", \"state\": \"changed\", \"previous\": \"hex:01\", "
                "\"previousType\": \"REG_BINARY\", \"enabled\": false}"),
      std::string::npos);
}

TEST(JsonStringTest, EscapesControlsQuotesAndWhatIsNotAscii) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "\"\""},
      {"a\"b\\c/", "\"a\\\"b\\\\c/\""},
      {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
      {std::string("\0\x01\x1f\x7f", 4), "\"\\u0000\\u0001\\u001f\\u007f\""},
      {"\xc3\xa9\xe2\x82\xac", "\"\\u00e9\\u20ac\""},
      {"\xf0\x9f\x98\x80", "\"\\ud83d\\ude00\""},
      {"\xc3(", "\"\\ufffd(\""},                                 // missing continuation
      {"\xc0\xaf", "\"\\ufffd\\ufffd\""},                        // overlong
      {"\xe2\x82", "\"\\ufffd\\ufffd\""},                        // cut short
      {"\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},  // past U+10FFFF
      {"S\xed\xa0\x80x", "\"S\\ud800x\""},  // a surrogate without its pair, as Windows allows
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(JsonString(text), json) << json;
  EXPECT_EQ(InvalidTextHex("\xc3\xa9\xed\xa0\x80"), std::nullopt);
  EXPECT_EQ(InvalidTextHex("\xc3("), "c328");
}

TEST(ReportArgumentsTest, OnlyTheReportWithItsSwitchesRuns) {
  MemoryStore store;
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{}, {"/all"}, {"/report", "/x"}, {"report"}}) {
    const ReportOutput output = RunReport(store, "C", arguments);
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_EQ(output.err.rfind("Usage: tarnix2c /report", 0), 0u) << output.err;
  }
  const ReportOutput help = RunReport(store, "C", {"/?"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("Usage:", 0), 0u);
}

class ReportProgramTest : public AppTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ReportProgramTest, TheFirstLaunchRecordsTheReportProgramBesideIt) {
  const std::string path = "C:\\Program Files\\Tarnix2\\tarnix2c.exe";
  if (GetParam())
    store.AddFile(path, "MZ");
  Start({"/c"});
  const auto recorded =
      store.Value(Root::LocalMachine, "\\Software\\Movenda\\Tarnix2", "ReportProgram");
  EXPECT_EQ(recorded, GetParam() ? std::optional<RegValue>({regtype::String, path}) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Beside, ReportProgramTest, ::testing::Bool());

}  // namespace
}  // namespace tarnix
