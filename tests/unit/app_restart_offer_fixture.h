// The whole program on a memory store that notes when it was asked to change something, for
// the offer to restart as administrator after a write refused for lack of rights.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fakes/services_memory.h"
#include "unit/app_fixture.h"
#include "unit/shortcut_samples.h"

namespace tarnix {

inline const char kRestartQuestion[] =
    "Windows refused the change: Tarnix2 runs without administrator rights.\r\n\r\n"
    "Restart Tarnix2 as administrator?";
inline const char kUnsavedEditsLost[] = "\r\n\r\nThe edits that were not saved will be lost.";
// The error boxes of a refused snapshot and of a refused machine run list.
inline const char kSnapshotRefused[] =
    "Error with writing to registry. Possibly,  write access denied to HKLM\\Software\\...";
inline const char kMachineRunRefused[] =
    "Error with writing to registry. Possibly, write access denied to "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// For every call that would change something, how many message boxes had been shown by then.
class WatchedStore : public MemoryStore {
 public:
  explicit WatchedStore(const ui::headless::HeadlessToolkit& toolkit) : toolkit_(toolkit) {}

  OpenedKey OpenKey(Root root, const std::string& path, bool create) override;
  StoreResult DeleteKey(Root root, const std::string& path) override;
  StoreResult WriteProfileString(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& value) override;
  TextWrite SaveLines(const std::string& path, const std::vector<std::string>& lines) override;
  StoreResult WriteBytes(const std::string& path, const std::string& bytes) override;
  StoreResult AppendText(const std::string& path, const std::string& text) override;
  StoreResult SetFileAttributes(const std::string& path, uint32_t attributes) override;
  StoreResult DeleteFile(const std::string& path) override;
  StoreResult CreateFolder(const std::string& path) override;
  StoreResult RemoveFolder(const std::string& path) override;

  // Notes a change asked for now.
  void Note() { changesAt.push_back(toolkit_.Messages().size()); }

  std::vector<size_t> changesAt;  // the number of boxes shown at each change asked for

 private:
  const ui::headless::HeadlessToolkit& toolkit_;
};

// One run of the whole program: the platform in memory, with an entry in each run list, a
// shortcut in the all-users startup folder, two services and, unless told, a snapshot.
class Session {
 public:
  explicit Session(bool snapshot = true);

  // Refuses writes below HKEY_LOCAL_MACHINE, or in the all-users startup folder.
  void RefuseMachineKeys(StoreFailure kind = StoreFailure::AccessDenied) {
    store.RefuseWrite(Root::LocalMachine, "", kind);
  }
  void DenyCommonFolder() { store.SetFileFault(folders.commonStartup, FileFault::WriteDenied); }

  // Runs the program with the arguments; `act` is what the user does meanwhile.
  void Run(const std::vector<std::string>& arguments, const std::function<void()>& act);
  Tmform& Main() { return program->mform; }
  ui::Form& MainForm() { return *program->mform.form; }

  // Boxes with this text, and the restart starts asked of the shell.
  int Count(const std::string& text) const;
  std::vector<ui::headless::ShellRecord> RunasCalls() const;
  // Selects the line with this text in the list.
  static void SelectLine(ui::ListBox& list, const std::string& text);

  ui::headless::HeadlessToolkit toolkit;
  WatchedStore store{toolkit};
  MemoryShortcuts shortcuts{store};
  MemoryServices services;
  SeededShellFolders folders;
  std::unique_ptr<Program> program;
  // Each change of the instance mark: held or let go, and how many shell calls had been made.
  std::vector<std::pair<bool, size_t>> marks;
  bool ended = false;    // ProgramEnded came out of the run
  bool actDone = false;  // what the user does ran to its end

 private:
  void TakeSnapshot();
};

}  // namespace tarnix
