// Setup on the whole program, with shell folders and a recording shortcut writer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "setup/setup_commands.h"
#include "sources/undo_step.h"
#include "unit/app_fixture.h"

namespace tarnix {

inline const char kProgramPath[] = "C:\\Program Files\\Tarnix2\\tarnix2.exe";
inline const char kQuotedProgram[] = "\"C:\\Program Files\\Tarnix2\\tarnix2.exe\"";
inline const char kSave[] = "\\Software\\Movenda\\Tarnix2\\Save";

class SetupTest : public AppTest {
 protected:
  void SetUp() override {
    store.SetProgramPath(kProgramPath);
    folders = store.SeedShellFolders();
  }

  // A writer that makes an empty file in place of each shortcut, as the real one makes a file.
  WriteShortcutFn Recorder() {
    return [this](const ShortcutSpec& spec) {
      written.push_back(spec);
      store.AddFile(spec.path, "link");
      return StoreResult{};
    };
  }
  std::vector<std::string> WrittenPaths() const {
    std::vector<std::string> paths;
    for (const ShortcutSpec& spec : written) paths.push_back(spec.path);
    return paths;
  }
  std::string Programs(const std::string& rest) const { return folders.programs + "\\" + rest; }
  std::string Desktop(const std::string& rest) const { return folders.desktop + "\\" + rest; }
  bool FileExists(const std::string& path) const { return store.FileBytes(path).has_value(); }

  std::optional<RegValue> SavedUserRun(const std::string& name) {
    return store.Value(Root::LocalMachine, std::string(kSave) + "\\HKCU_Run", name);
  }

  SeededShellFolders folders;
  std::vector<ShortcutSpec> written;
};

}  // namespace tarnix
