// The whole program on memory, with both startup folders seeded, for the group commands.
#pragma once

#include <optional>
#include <string>

#include "startupfolders/group_commands.h"
#include "unit/app_fixture.h"
#include "unit/shortcut_samples.h"

namespace tarnix {

// The add dialog as a test plays it: the answer it gives, and what was asked of it.
class ScriptedAddDialog : public AddShortcutDialog {
 public:
  std::optional<NewShortcut> Ask() override {
    ++asked;
    return answer;
  }
  void Clear() override { ++cleared; }

  std::optional<NewShortcut> answer;
  int asked = 0;
  int cleared = 0;
};

class GroupTest : public AppTest {
 protected:
  GroupTest() : folders(store.SeedShellFolders()) {}

  // Creates the program after the test has put its files in place.
  void Load() { Create(); }
  Workspace& ws() { return program->ws; }
  const StartupSection& Group(SectionId id = SectionId::Startup) {
    return ws().catalogue.Section(id);
  }
  ui::ListBox& List(SectionId id = SectionId::Startup) { return *ws().views.List(id); }
  std::string UserFile(const std::string& name) const { return folders.startup + "\\" + name; }
  // Selects the line of that name in the group's list.
  void SelectLine(const std::string& line, SectionId id = SectionId::Startup) {
    ui::ListBox& list = List(id);
    for (int i = 0; i < list.Count(); ++i) {
      if (list.Item(i) == line) {
        list.SetItemIndex(i);
        return;
      }
    }
    FAIL() << "no line " << line;
  }
  // Forgets the common group's folder, as on a system whose Shell Folders key lacks it.
  void ForgetCommonFolder() {
    ASSERT_TRUE(
        store
            .OpenKey(Root::LocalMachine,
                     "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     false)
            ->DeleteValue("Common StartUp"));
  }

  SeededShellFolders folders;
};

}  // namespace tarnix
