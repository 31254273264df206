// The whole program on memory, with both startup folders seeded, for the group commands.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

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

  // The program, made by Create() once the test has put its files in place.
  Workspace& ws() { return program->ws; }
  const StartupSection& Group(SectionId id = SectionId::Startup) {
    return ws().catalogue.Section(id);
  }
  ui::ListBox& List(SectionId id = SectionId::Startup) { return *ws().views.List(id); }
  std::string UserFile(const std::string& name) const { return folders.startup + "\\" + name; }
  // Selects the line of that name in the group's list.
  void SelectLine(const std::string& line, SectionId id = SectionId::Startup) {
    const std::vector<std::string> lines = List(id).Items();
    const auto at = std::find(lines.begin(), lines.end(), line);
    ASSERT_NE(at, lines.end()) << "no line " << line;
    List(id).SetItemIndex(static_cast<int>(at - lines.begin()));
  }

  SeededShellFolders folders;
};

}  // namespace tarnix
