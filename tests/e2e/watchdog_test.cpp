// The watchdog as a user meets it: "tarnix2.exe /c" at logon, a change made by another
// program, the change report, and what each decision leaves in the registry, the files and
// the history log.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

const wchar_t kValueName[] = L"E2E Watchdog";
const wchar_t kCommand[] = L"C:\\e2e\\watch.exe /x";
const char kUserRun[] = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::filesystem::path LogPath() {
  return std::filesystem::path(ProgramPath()).parent_path() / L"tx2log.txt";
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool ValueExists(HKEY root, const wchar_t* path, const wchar_t* name) {
  return RegGetValueW(root, path, name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool UserRunHas(const wchar_t* name) {
  return ValueExists(HKEY_CURRENT_USER, kRunPath, name);
}

// A key as it was, put back (and nothing else) when the test ends.
class KeptKey {
 public:
  KeptKey(HKEY root, std::wstring path) : root_(root), path_(std::move(path)) {
    DeleteKeyTree(HKEY_CURRENT_USER, kKept);
    HKEY kept = nullptr;
    existed_ = KeyExists(root_, path_.c_str()) &&
               RegCreateKeyExW(HKEY_CURRENT_USER, kKept, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                               &kept, nullptr) == ERROR_SUCCESS &&
               RegCopyTreeW(root_, path_.c_str(), kept) == ERROR_SUCCESS;
    RegCloseKey(kept);
  }
  ~KeptKey() {
    DeleteKeyTree(root_, path_);
    HKEY key = nullptr;
    if (existed_ && RegCreateKeyExW(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                    &key, nullptr) == ERROR_SUCCESS) {
      RegCopyTreeW(HKEY_CURRENT_USER, kKept, key);
      RegCloseKey(key);
    }
    DeleteKeyTree(HKEY_CURRENT_USER, kKept);
  }
  KeptKey(const KeptKey&) = delete;
  KeptKey& operator=(const KeptKey&) = delete;

 private:
  static constexpr const wchar_t* kKept = L"Software\\TarnixE2EKept";
  HKEY root_;
  std::wstring path_;
  bool existed_ = false;
};

class WatchdogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteValue(HKEY_CURRENT_USER, kRunPath, kValueName);
    std::error_code ignored;
    std::filesystem::remove(LogPath(), ignored);
    ASSERT_TRUE(SnapshotCurrentState());
  }
  void TearDown() override { DeleteValue(HKEY_CURRENT_USER, kRunPath, kValueName); }
};

TEST_F(WatchdogTest, FirstStartSavesTheSnapshotAndEndsWithoutTheMainWindow) {
  DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software\\Movenda\\Tarnix2");
  CheckRun run;
  EXPECT_EQ(run.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_EQ(run.boxes, std::vector<std::wstring>{L"Information saved succesfully!"});
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kSnapshotPath));
  EXPECT_FALSE(run.mainWindowSeen);
}

TEST_F(WatchdogTest, ANewRunValueIsReportedAndChangedBack) {
  ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunPath, kValueName, kCommand));
  CheckRun run;
  HWND report = run.WaitForReport();
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(WindowText(report), L"Attention! Tarnix find out changes!");
  HWND list = WaitForControl(report, L"ListBox1", kShortTime);
  EXPECT_TRUE(WaitUntil([&] { return ListContains(list, kCommand); }, kShortTime));
  EXPECT_FALSE(IsWindowEnabled(FindNamedControl(report, L"btnEdit")));
  EXPECT_TRUE(IsWindowEnabled(FindNamedControl(report, L"btnCancel")));
  EXPECT_TRUE(SaveScreenshot(report, L"watchdog_report.bmp"));

  Click(report, L"btnCancel");
  EXPECT_EQ(run.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_FALSE(run.mainWindowSeen);
  EXPECT_FALSE(UserRunHas(kValueName));
  const std::string log = ReadFile(LogPath());
  EXPECT_NE(log.find(std::string("Changes found in:") + kUserRun + "\r\n"), std::string::npos);
  EXPECT_NE(log.find("+C:\\e2e\\watch.exe /x\r\n"), std::string::npos);
  EXPECT_NE(log.find(std::string("The changes in:") + kUserRun + " are cancelled\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("End check              at:"), std::string::npos);
}

TEST_F(WatchdogTest, AConfirmedChangeIsNotReportedAgain) {
  ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunPath, kValueName, kCommand));
  CheckRun().DecideWhenReported(L"BitBtn2");
  EXPECT_TRUE(UserRunHas(kValueName));
  CheckRun again;
  EXPECT_EQ(again.WaitForReport(), nullptr);
  EXPECT_EQ(again.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_NE(ReadFile(LogPath()).find(std::string(kUserRun) + " are confirmed"), std::string::npos);
}

// A program that denies reading its run key for a moment gets neither its entry approved nor
// the approved list emptied: the key is told and left out, and the entry is reported once the
// key can be read again.
TEST_F(WatchdogTest, AnUnreadableRunKeyIsToldAndKeepsTheApprovedList) {
  const wchar_t hidden[] = L"E2E Hidden";
  ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunPath, kValueName, kCommand));
  ASSERT_TRUE(SnapshotCurrentState());
  SeededValue seeded(HKEY_CURRENT_USER, kRunPath, hidden, L"C:\\e2e\\hidden.exe");
  ASSERT_TRUE(SetKeyAccess(HKEY_CURRENT_USER, kRunPath, kUnreadableAccess));
  CheckRun run;
  const std::optional<DWORD> ended = run.WaitForExit();
  ASSERT_TRUE(SetKeyAccess(HKEY_CURRENT_USER, kRunPath, kFullAccess));
  EXPECT_EQ(ended, std::optional<DWORD>(0));
  EXPECT_EQ(run.boxes,
            std::vector<std::wstring>{L"Cannot read HKEY_CURRENT_USER\\" + std::wstring(kRunPath) +
                                      L", so it was not checked."});
  const std::wstring saved = std::wstring(kSnapshotPath) + L"\\HKCU_Run";
  EXPECT_TRUE(ValueExists(HKEY_LOCAL_MACHINE, saved.c_str(), kValueName));
  EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, saved.c_str(), hidden));

  CheckRun().ChangeBackWhenReported(L"C:\\e2e\\hidden.exe");
  EXPECT_FALSE(UserRunHas(hidden));
  EXPECT_TRUE(UserRunHas(kValueName));
}

// A write Windows refuses for lack of rights is told; Wine runs every program elevated, so the
// restart as administrator is never offered there, and the program ends as it would have.
TEST_F(WatchdogTest, ARefusedSnapshotWriteIsToldAndUnderWineOffersNoRestart) {
  const std::wstring snapshot = std::wstring(kSnapshotPath) + L"\\HKCU_Run";
  ASSERT_TRUE(SetKeyAccess(HKEY_LOCAL_MACHINE, snapshot, kReadOnlyAccess));
  ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, kRunPath, kValueName, kCommand));
  CheckRun run;
  run.DecideWhenReported(L"BitBtn2");
  EXPECT_TRUE(SetKeyAccess(HKEY_LOCAL_MACHINE, snapshot, kFullAccess));
  EXPECT_EQ(run.boxes, std::vector<std::wstring>{L"Error with writing to registry. Possibly,  "
                                                 L"write access denied to HKLM\\Software\\..."});
  EXPECT_EQ(ReadFile(LogPath()).find(" are confirmed"), std::string::npos);
}

TEST_F(WatchdogTest, ARunValueBeyondTheCodePageIsChangedBackAndLoggedSpelledOut) {
  const wchar_t name[] = L"E2E W\u00e4tchdog \U0001F600";
  const wchar_t command[] = L"C:\\e2e\\\U0001F600.exe";
  SeededValue seeded(HKEY_CURRENT_USER, kRunPath, name, command);
  CheckRun run;
  run.ChangeBackWhenReported(command);
  EXPECT_EQ(run.boxes, std::vector<std::wstring>{});
  EXPECT_FALSE(UserRunHas(name));
  const std::string logged =
      GetACP() == CP_UTF8 ? "+C:\\e2e\\\xF0\x9F\x98\x80.exe\r\n" : "+C:\\e2e\\<U+1F600>.exe\r\n";
  EXPECT_NE(ReadFile(LogPath()).find(logged), std::string::npos);
}

TEST_F(WatchdogTest, AnIntruderInARunKeyMadeAfterTheSnapshotIsChangedBack) {
  KeptKey services(HKEY_LOCAL_MACHINE, kRunServicesPath);
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kRunServicesPath);
  ASSERT_TRUE(SnapshotCurrentState());
  ASSERT_TRUE(SetStringValue(HKEY_LOCAL_MACHINE, kRunServicesPath, kValueName, kCommand));

  CheckRun run;
  HWND report = run.WaitForReport();
  ASSERT_NE(report, nullptr);
  HWND list = WaitForControl(report, L"ListBox1", kShortTime);
  EXPECT_TRUE(WaitUntil([&] { return ListContains(list, kCommand); }, kShortTime));
  EXPECT_TRUE(IsWindowEnabled(FindNamedControl(report, L"btnCancel")));
  Click(report, L"btnCancel");
  EXPECT_EQ(run.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, kRunServicesPath, kValueName));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kRunServicesPath));
  EXPECT_NE(ReadFile(LogPath()).find("\\CurrentVersion\\RunServices are cancelled\r\n"),
            std::string::npos);
}

std::wstring WinstartPath() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  return std::wstring(windows) + L"\\winstart.bat";
}

// Writes winstart.bat as another program would, hidden.
void WriteWinstart(const std::string& text) {
  const std::wstring file = WinstartPath();
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  std::ofstream(std::filesystem::path(file), std::ios::binary) << text;
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
}

void RemoveWinstart() {
  SetFileAttributesW(WinstartPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(WinstartPath().c_str());
}

TEST_F(WatchdogTest, AChangedBatchFileIsChangedBackKeepingItsHiddenAttribute) {
  const std::wstring file = WinstartPath();
  WriteWinstart("@echo off\r\nrem e2e\r\n");
  ASSERT_TRUE(SnapshotCurrentState());
  WriteWinstart("@echo off\r\nrem e2e\r\nrem intruder\r\n");
  CheckRun().ChangeBackWhenReported(L"rem intruder");
  EXPECT_EQ(ReadFile(file), "@echo off\r\nrem e2e\r\n");
  EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  RemoveWinstart();
}

TEST_F(WatchdogTest, ChangingBackToALineBeyondTheCodePageNamesItAndWritesNothing) {
  if (GetACP() == CP_UTF8)
    GTEST_SKIP() << "every character fits a UTF-8 code page";
  const std::string text = "@echo off\r\nrem e2e\r\n";
  WriteWinstart(text);
  ASSERT_TRUE(SnapshotCurrentState());
  const std::wstring line = L"rem \u2713 e2e";
  ASSERT_TRUE(SetStringValue(HKEY_LOCAL_MACHINE, std::wstring(kSnapshotPath) + L"\\Winstart",
                             L"Line002", line));

  CheckRun run;
  HWND report = run.WaitForReport();
  ASSERT_NE(report, nullptr);
  Click(report, L"btnCancel");
  HWND box = run.WaitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), L"Error!");
  EXPECT_TRUE(SaveScreenshot(box, L"watchdog_code_page_error.bmp"));
  EXPECT_EQ(run.WaitForExit(), std::optional<DWORD>(0));
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0], L"Line 2 of " + WinstartPath() +
                              L" holds a character that the file's code page cannot store, so "
                              L"nothing was written:\n" +
                              line);
  EXPECT_EQ(ReadFile(WinstartPath()), text);
  EXPECT_EQ(ReadFile(LogPath()).find(" are cancelled"), std::string::npos);
  RemoveWinstart();
}

// A NUL byte in line 1,001 of 2,000: the report still sees a line appended below it, and
// Change Back puts the whole file back, the NUL byte and all.
TEST_F(WatchdogTest, ALineAddedBelowANulByteIsReportedAndChangedBack) {
  const std::wstring file = WinstartPath();
  std::string original;
  for (int i = 1; i <= 2000; ++i)
    original += "rem " + (i == 1001 ? std::string(1, '\0') : "") + std::to_string(i) + "\r\n";
  std::ofstream(std::filesystem::path(file), std::ios::binary) << original;
  ASSERT_TRUE(SnapshotCurrentState());
  std::ofstream(std::filesystem::path(file), std::ios::binary | std::ios::app) << "rem below\r\n";
  CheckRun().ChangeBackWhenReported(L"rem below");
  EXPECT_TRUE(ReadFile(file) == original);  // too long to print

  // The main window shows the file only up to the NUL byte, so its page is read-only.
  TarnixProcess program;
  HWND main = WaitForMainWindow(program, kStartTime);
  ASSERT_NE(main, nullptr);
  HWND page = WaitForControl(main, L"winstart", kShortTime);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(GetWindowLongW(page, GWL_STYLE) & ES_READONLY);
  program.Kill();
  DeleteFileW(file.c_str());
}

}  // namespace
}  // namespace e2e
