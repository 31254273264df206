// The export read by a real peer: Wine's registry editor imports our REGEDIT4 file and every
// name, command and type comes back exactly.
#include "base/win32_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/unicode_win32.h"
#include "e2e/support/tarnix_process.h"
#include "fakes/headless/driver.h"
#include "platform/store_win32.h"
#include "runlists/export.h"
#include "sources/loading.h"
#include "win32/service_support.h"

namespace tarnix {
namespace {

const char kRun[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunServices[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";

struct Seed {
  std::string name;
  RegValue value;
  Root root = Root::CurrentUser;
  const char* path = kRun;
};

std::vector<Seed> Seeds() {
  return {
      {"RT back\\slash", {regtype::String, "C:\\Program Files\\x.exe /a"}},
      {"RT \"quoted\" name", {regtype::String, "\"C:\\a b\\y.exe\" \"q\""}},
      {"RT Grüße é", {regtype::String, "C:\\Ünï\\z.exe /ß"}},
      {"RT expandable", {regtype::ExpandString, "%SystemRoot%\\é.exe"}},
      {"RT empty", {regtype::String, ""}},
      {"RT number", {regtype::Dword, std::string("\x2a\0\0\0", 4)}},
      {"RT multi", {regtype::MultiString, std::string("o\0n\0e\0\0\0t\0w\0o\0\0\0\0\0", 18)}},
      // Data that would end its line and add one of its own if it were written as it stands.
      {"RT lines", {regtype::String, "C:\\b.exe\r\n@=dword:00000001"}},
      {"RT key line",
       {regtype::String, "x.exe\r\n[HKEY_CURRENT_USER\\Software\\RT]\r\n\"RT\"=\"y\""}},
      {"RT machine", {regtype::String, "m.exe"}, Root::LocalMachine},
      {"RT service \\ é", {regtype::String, "s.exe \"q\""}, Root::LocalMachine, kRunServices},
  };
}

// The seeded values go again when the test ends, whatever happened.
struct SeededRunKeys {
  explicit SeededRunKeys(Store& store) : store(store) {
    for (const Seed& seed : Seeds())
      EXPECT_TRUE(store.OpenKey(seed.root, seed.path, true)->WriteValue(seed.name, seed.value));
  }
  ~SeededRunKeys() { Remove(); }
  void Remove() {
    for (const Seed& seed : Seeds()) {
      if (auto key = store.OpenKey(seed.root, seed.path, false)) {
        EXPECT_TRUE(key->DeleteValue(seed.name));
      }
    }
  }
  Store& store;
};

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
  const std::string path = Narrow(e2e::TempPath(L"tarnix-roundtrip.reg"));
  ASSERT_TRUE(ExportRunLists(ws, path));
  seeded.Remove();
  for (const Seed& seed : Seeds()) {
    ASSERT_FALSE(store.OpenKey(seed.root, seed.path, false)->ReadValue(seed.name)) << seed.name;
  }

  const service_test::CommandResult imported =
      service_test::RunCommand(L"regedit.exe /s \"" + Widen(path) + L"\"", 60000);
  EXPECT_TRUE(imported.finished);
  EXPECT_EQ(imported.exitCode, 0u);

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

}  // namespace
}  // namespace tarnix
