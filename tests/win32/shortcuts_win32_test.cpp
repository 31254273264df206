// The shell-link shortcuts under Wine: the shared suite in a scratch folder, and an independent
// reader (Debian's lnkinfo, run as a Unix program) that must find what we wrote.
#include "base/win32_api.h"

#include <objbase.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "base/unicode_win32.h"
#include "conformance/shortcut_conformance.h"
#include "e2e/support/desktop.h"
#include "e2e/support/lnkinfo.h"
#include "e2e/support/tarnix_process.h"
#include "platform/shortcuts_win32.h"
#include "platform/store_win32.h"

namespace tarnix {
namespace {

class Win32ShortcutTarget : public ShortcutTarget {
 public:
  Win32ShortcutTarget() {
    folder_ = Narrow(e2e::TempPath(L"TarnixLinks-")) + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(std::random_device()());
    EXPECT_TRUE(store_.CreateFolder(folder_));
  }
  ~Win32ShortcutTarget() override {
    for (const auto& entry : store_.ListFiles(folder_, "*.*")) {
      EXPECT_TRUE(store_.SetFileAttributes(folder_ + "\\" + entry.name, attr::Normal));
      EXPECT_TRUE(store_.DeleteFile(folder_ + "\\" + entry.name));
    }
    EXPECT_TRUE(store_.RemoveFolder(folder_));
  }
  Shortcuts& shortcuts() override { return shortcuts_; }
  Store& store() override { return store_; }
  std::string scratchFolder() const override { return folder_; }

 private:
  Win32Store store_;
  Win32Shortcuts shortcuts_;
  std::string folder_;
};

std::unique_ptr<ShortcutTarget> MakeWin32ShortcutTarget() {
  return std::make_unique<Win32ShortcutTarget>();
}

INSTANTIATE_TEST_SUITE_P(Win32, ShortcutConformance,
                         testing::Values(ShortcutParam{"Win32Shortcuts", &MakeWin32ShortcutTarget}),
                         ShortcutParamName);

using e2e::LnkInfo;

// A shortcut as another program makes it: with an icon.
bool MakeWithIcon(const std::string& linkPath, const std::string& target,
                  const std::string& iconFile, int iconIndex) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  bool saved = false;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    link->SetPath(Widen(target).c_str());
    link->SetArguments(L"-old");
    link->SetIconLocation(Widen(iconFile).c_str(), iconIndex);
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      saved = file->Save(Widen(linkPath).c_str(), TRUE) == S_OK;
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return saved;
}

class ShortcutsWin32 : public ::testing::Test {
 protected:
  std::string File(const std::string& name) { return target.scratchFolder() + "\\" + name; }
  std::string Program(const std::string& name) {
    EXPECT_TRUE(target.store().WriteBytes(File(name), "MZ"));
    return File(name);
  }
  // What lnkinfo reads in the shortcut; a property it does not report is absent.
  std::map<std::string, std::string> Read(const std::string& link) {
    auto info = LnkInfo(File(link));
    EXPECT_FALSE(info.empty()) << "lnkinfo gave no report";
    return info;
  }
  Win32ShortcutTarget target;
  Shortcuts& shortcuts = target.shortcuts();
};

TEST_F(ShortcutsWin32, LnkinfoReadsThePropertiesAsWrittenAndNoneNotGiven) {
  const ShortcutProperties all{Program("notes.exe"), "/s \"a b\" -x", target.scratchFolder(),
                               "Notes"};
  const ShortcutProperties some{Program("mail.exe"), std::nullopt, std::nullopt, "Mail"};
  for (const ShortcutProperties& properties : {all, some}) {
    const std::string link = *properties.description + ".lnk";
    ASSERT_TRUE(shortcuts.WriteShortcut(File(link), properties));
    auto info = Read(link);
    EXPECT_EQ(info["Local path"], properties.target);
    EXPECT_EQ(info["Description"], properties.description);
    for (const auto& [field, value] :
         {std::pair{"Command line arguments", properties.arguments},
          std::pair{"Working directory", properties.workingDirectory}}) {
      EXPECT_EQ(info.count(field) ? std::optional(info[field]) : std::nullopt, value) << field;
    }
  }
}

// An update keeps the icon another program gave; a new shortcut in its place drops it.
TEST_F(ShortcutsWin32, AnUpdateKeepsTheIconAndReplacingDropsIt) {
  const std::string program = Program("tool.exe"), icons = Program("icons.dll");
  ASSERT_TRUE(MakeWithIcon(File("Tool.lnk"), program, icons, 3));
  ShortcutProperties change;
  change.arguments = "-new";
  change.description = "Tool.lnk";
  ASSERT_TRUE(shortcuts.UpdateShortcut(File("Tool.lnk"), change));
  auto info = Read("Tool.lnk");
  EXPECT_EQ(info["Icon location"], icons);
  EXPECT_EQ(info["Icon index"], "3");
  EXPECT_EQ(info["Command line arguments"], "-new");
  EXPECT_EQ(info["Local path"], program);
  EXPECT_EQ(info["Description"], "Tool.lnk");

  ShortcutProperties fresh;
  fresh.target = Program("other.exe");
  ASSERT_TRUE(shortcuts.WriteShortcut(File("Tool.lnk"), fresh));
  info = Read("Tool.lnk");
  EXPECT_EQ(info["Local path"], File("other.exe"));
  EXPECT_EQ(info.count("Icon location"), 0u);
  EXPECT_EQ(info.count("Command line arguments"), 0u);
}

// A target that does not exist (yet) is still written and read back as typed.
TEST_F(ShortcutsWin32, AMissingTargetIsKeptAsTyped) {
  ShortcutProperties properties;
  properties.target = "C:\\Nowhere\\later.exe";
  ASSERT_TRUE(shortcuts.WriteShortcut(File("Later.lnk"), properties));
  EXPECT_EQ(shortcuts.ReadShortcut(File("Later.lnk"))->target, "C:\\Nowhere\\later.exe");
}

}  // namespace
}  // namespace tarnix
