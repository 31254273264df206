// The export read by a real peer: Wine's registry editor imports our REGEDIT4 file and every
// name, command and type comes back exactly.
#include "base/win32_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/unicode_win32.h"
#include "fakes/headless/driver.h"
#include "platform/store_win32.h"
#include "runlists/export.h"
#include "sources/loading.h"

namespace tarnix {
namespace {

const char kRun[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunServices[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";

struct Seed {
  Root root;
  const char* path;
  std::string name;
  RegValue value;
};

std::vector<Seed> Seeds() {
  return {
      {Root::CurrentUser, kRun, "RT back\\slash", {regtype::String, "C:\\Program Files\\x.exe /a"}},
      {Root::CurrentUser,
       kRun,
       "RT \"quoted\" name",
       {regtype::String, "\"C:\\a b\\y.exe\" \"q\""}},
      {Root::CurrentUser, kRun, "RT Grüße é", {regtype::String, "C:\\Ünï\\z.exe /ß"}},
      {Root::CurrentUser, kRun, "RT expandable", {regtype::ExpandString, "%SystemRoot%\\é.exe"}},
      {Root::CurrentUser, kRun, "RT empty", {regtype::String, ""}},
      {Root::CurrentUser, kRun, "RT number", {regtype::Dword, std::string("\x2a\0\0\0", 4)}},
      {Root::CurrentUser,
       kRun,
       "RT multi",
       {regtype::MultiString, std::string("o\0n\0e\0\0\0t\0w\0o\0\0\0\0\0", 18)}},
      // Data that would end its line and add one of its own if it were written as it stands.
      {Root::CurrentUser, kRun, "RT lines", {regtype::String, "C:\\b.exe\r\n@=dword:00000001"}},
      {Root::CurrentUser,
       kRun,
       "RT key line",
       {regtype::String, "x.exe\r\n[HKEY_CURRENT_USER\\Software\\RT]\r\n\"RT\"=\"y\""}},
      {Root::LocalMachine, kRun, "RT machine", {regtype::String, "m.exe"}},
      {Root::LocalMachine, kRunServices, "RT service \\ é", {regtype::String, "s.exe \"q\""}},
  };
}

// The seeded values go again when the test ends, whatever happened.
class SeededRunKeys {
 public:
  explicit SeededRunKeys(Store& store) : store_(store) {
    for (const Seed& seed : Seeds()) {
      EXPECT_TRUE(store_.OpenKey(seed.root, seed.path, true)->WriteValue(seed.name, seed.value));
    }
  }
  ~SeededRunKeys() { Remove(); }
  SeededRunKeys(const SeededRunKeys&) = delete;
  SeededRunKeys& operator=(const SeededRunKeys&) = delete;
  void Remove() {
    for (const Seed& seed : Seeds()) {
      if (auto key = store_.OpenKey(seed.root, seed.path, false)) {
        EXPECT_TRUE(key->DeleteValue(seed.name));
      }
    }
  }

 private:
  Store& store_;
};

std::string TempFile(const char* name) {
  wchar_t temp[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, temp);
  return Narrow(std::wstring(temp, length)) + name;
}

// Runs the command line and waits for it; its exit code, or -1 when it did not end in time.
long RunAndWait(const std::wstring& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<long>(code);
}

class RegeditRoundTrip : public ::testing::Test {
 protected:
  RegeditRoundTrip() : ws(store, toolkit), form(toolkit.CreateForm({"mform", "Tmform", "", 0, 0})) {
    ws.mainForm = form.get();
    for (int i = 0; i < kRunListCount; ++i) {
      ws.views.runLists[i] = form->AddListBox({"ListBox" + std::to_string(i + 1), {}});
    }
    ws.catalogue = BuildCatalogue(store);
  }
  void LoadLists() {
    for (int i = 0; i < kRunListCount; ++i) {
      ws.views.runLists[i]->Clear();
      LoadRunList(ws, i);
    }
  }

  Win32Store store;
  ui::headless::HeadlessToolkit toolkit;
  Workspace ws;
  std::unique_ptr<ui::Form> form;
};

TEST_F(RegeditRoundTrip, TheRegistryEditorRestoresEveryNameCommandAndType) {
  SeededRunKeys seeded(store);
  LoadLists();
  const std::string path = TempFile("tarnix-roundtrip.reg");
  ASSERT_TRUE(ExportRunLists(ws, path));
  seeded.Remove();
  for (const Seed& seed : Seeds()) {
    ASSERT_FALSE(store.OpenKey(seed.root, seed.path, false)->ReadValue(seed.name)) << seed.name;
  }

  EXPECT_EQ(RunAndWait(L"regedit.exe /s \"" + Widen(path) + L"\""), 0);

  for (const Seed& seed : Seeds()) {
    std::optional<RegValue> back = store.OpenKey(seed.root, seed.path, false)->ReadValue(seed.name);
    ASSERT_TRUE(back.has_value()) << seed.name;
    EXPECT_EQ(back->type, seed.value.type) << seed.name;
    EXPECT_EQ(back->data, seed.value.data) << seed.name;
  }
  // No value's data made a key or an entry of its own.
  EXPECT_FALSE(store.KeyExists(Root::CurrentUser, "\\Software\\RT"));
  EXPECT_FALSE(store.OpenKey(Root::CurrentUser, kRun, false)->ReadValue(""));
  DeleteFileW(Widen(path).c_str());
}

TEST_F(RegeditRoundTrip, AnEntryOutsideTheCodePageLeavesTheOldFileWhole) {
  const std::string path = TempFile("tarnix-kept.reg");
  EXPECT_TRUE(store.WriteBytes(path, "old"));
  auto key = store.OpenKey(Root::CurrentUser, kRun, true);
  EXPECT_TRUE(key->WriteString("RT 日本", "x.exe"));
  LoadLists();
  EXPECT_THROW(ExportRunLists(ws, path), StoreError);
  EXPECT_TRUE(key->DeleteValue("RT 日本"));
  EXPECT_EQ(store.ReadBytes(path), "old");
  DeleteFileW(Widen(path).c_str());
}

}  // namespace
}  // namespace tarnix
