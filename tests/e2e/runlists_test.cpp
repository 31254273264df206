// The run lists of tarnix2.exe driven as a user would: delete and undo, add and undo in a later
// run, edit through Enter; each judged by what the registry holds afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "e2e/support/desktop.h"
#include "e2e/support/registry.h"
#include "e2e/support/session.h"
#include "e2e/support/tarnix_process.h"

namespace e2e {
namespace {

const wchar_t kJournal[] = L"SOFTWARE\\Tarnix";

struct Value {
  DWORD type = 0;
  std::wstring text;
};

// The user run key's value as stored (never expanded), or nothing when it is missing.
std::optional<Value> UserRunValue(const std::wstring& name) {
  DWORD type = 0, size = 0;
  const DWORD flags = RRF_RT_ANY | RRF_NOEXPAND;
  if (RegGetValueW(HKEY_CURRENT_USER, kRunPath, name.c_str(), flags, &type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, kRunPath, name.c_str(), flags, &type, data.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(wcslen(data.c_str()));
  return Value{type, data};
}

bool SetExpandValue(const std::wstring& name, const std::wstring& data) {
  return RegSetKeyValueW(HKEY_CURRENT_USER, kRunPath, name.c_str(), REG_EXPAND_SZ, data.c_str(),
                         static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Removes the journal's steps for the entry, so that no test leaves steps behind.
void DeleteSteps(const std::wstring& entry) {
  HKEY journal = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kJournal, 0, KEY_READ | KEY_WRITE, &journal) !=
      ERROR_SUCCESS) {
    return;
  }
  wchar_t name[512];
  for (DWORD index = 0;;) {
    DWORD length = 512;
    if (RegEnumKeyExW(journal, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    if (EndsWith(std::wstring(name, length), entry)) {
      RegDeleteTreeW(journal, name);
    } else {
      ++index;
    }
  }
  RegCloseKey(journal);
}

class RunListsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const wchar_t* name : {kDeleted, kAdded, kEdited}) {
      DeleteValue(HKEY_CURRENT_USER, kRunPath, name);
      DeleteSteps(name);
    }
  }

  // A start on a system just snapshotted, so that the check reports nothing.
  HWND Start() {
    run = std::make_unique<MainWindow>();
    if (run->main != nullptr)
      userList = WaitForControl(run->main, L"ListBox3", kShortTime);
    return run->main;
  }
  // Selects the user list's line as a click would; whether it is there.
  bool SelectUserLine(const std::wstring& name) {
    return WaitUntil([&] { return ListContains(userList, name); }, kShortTime) &&
           SelectLine(userList, name);
  }
  HWND Dialog(const wchar_t* className) { return run->Window(className); }
  // Picks the undo list's line that ends with the entry and presses "Undo".
  void UndoLineOf(const std::wstring& entry) {
    HWND undo = Dialog(L"Tundolist");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(WindowText(undo), L"Undo");
    HWND list = WaitForControl(undo, L"ListBox1", kShortTime);
    bool found = false;
    const auto lines = ListItems(list);
    for (size_t i = 0; i < lines.size(); ++i) {
      if (EndsWith(lines[i], entry)) {
        SendMessageW(list, LB_SETCURSEL, i, 0);
        found = true;
      }
    }
    EXPECT_TRUE(found);
    Click(undo, L"Button1");
  }

  static constexpr const wchar_t* kDeleted = L"E2E RL Deleted";
  static constexpr const wchar_t* kAdded = L"E2E RL Added";
  static constexpr const wchar_t* kEdited = L"E2E RL Edited";
  std::unique_ptr<MainWindow> run;
  HWND userList = nullptr;
};

TEST_F(RunListsTest, DeleteThenCtrlZBringsTheValueBackWithItsType) {
  ASSERT_TRUE(SetExpandValue(kDeleted, L"%SystemRoot%\\e2e.exe /d"));
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(SelectUserLine(kDeleted));
  PostKey(userList, VK_DELETE);
  HWND question = run->Window(L"#32770", L"Attention!");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question), std::wstring(L"Are you sure delete ") + kDeleted + L" ?");
  PressDialogButton(question, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !UserRunValue(kDeleted); }, kShortTime));
  EXPECT_TRUE(WaitUntil([&] { return !ListContains(userList, kDeleted); }, kShortTime));

  PressCtrl(main, 'Z');
  HWND undo = Dialog(L"Tundolist");
  ASSERT_NE(undo, nullptr);
  EXPECT_TRUE(SaveScreenshot(undo, L"runlists_undo.bmp"));
  UndoLineOf(kDeleted);
  EXPECT_TRUE(WaitUntil([&] { return UserRunValue(kDeleted).has_value(); }, kShortTime));
  const std::optional<Value> back = UserRunValue(kDeleted);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(back->text, L"%SystemRoot%\\e2e.exe /d");
  EXPECT_TRUE(WaitUntil([&] { return ListContains(userList, kDeleted); }, kShortTime));
  run->EndWithEsc();
}

TEST_F(RunListsTest, AnAddIsUndoneByCtrlRInTheNextRun) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  PostKey(userList, VK_INSERT);
  HWND add = Dialog(L"Taddform");
  ASSERT_NE(add, nullptr);
  SetText(add, L"program", L"C:\\e2e\\added.exe /a");
  SetText(add, L"Name", kAdded);
  EXPECT_TRUE(SaveScreenshot(add, L"runlists_add.bmp"));
  Click(add, L"Button2");
  EXPECT_TRUE(WaitUntil([&] { return UserRunValue(kAdded).has_value(); }, kShortTime));
  EXPECT_EQ(UserRunValue(kAdded)->text, L"C:\\e2e\\added.exe /a");
  EXPECT_TRUE(ListContains(userList, kAdded));
  run->EndWithEsc();

  main = Start();
  ASSERT_NE(main, nullptr);
  PressCtrl(main, 'R');
  UndoLineOf(kAdded);
  EXPECT_TRUE(WaitUntil([&] { return !UserRunValue(kAdded).has_value(); }, kShortTime));
  EXPECT_TRUE(WaitUntil([&] { return !ListContains(userList, kAdded); }, kShortTime));
  run->EndWithEsc();
}

TEST_F(RunListsTest, EnterEditsTheSelectedCommand) {
  SeededValue seeded(HKEY_CURRENT_USER, kRunPath, kEdited, L"C:\\e2e\\old.exe");
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(SelectUserLine(kEdited));
  PostKey(userList, VK_RETURN);
  HWND edit = Dialog(L"TEditStr");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(WindowText(FindNamedControl(edit, L"strname")), kEdited);
  EXPECT_FALSE(IsWindowEnabled(FindNamedControl(edit, L"strname")));
  EXPECT_EQ(WindowText(FindNamedControl(edit, L"strval")), L"C:\\e2e\\old.exe");
  SetText(edit, L"strval", L"C:\\e2e\\new.exe /n");
  EXPECT_TRUE(SaveScreenshot(edit, L"runlists_edit.bmp"));
  Click(edit, L"btOk");
  EXPECT_TRUE(WaitUntil(
      [&] {
        auto value = UserRunValue(kEdited);
        return value && value->text == L"C:\\e2e\\new.exe /n";
      },
      kShortTime));
  EXPECT_EQ(UserRunValue(kEdited)->type, static_cast<DWORD>(REG_SZ));
  run->EndWithEsc();
}

}  // namespace
}  // namespace e2e
