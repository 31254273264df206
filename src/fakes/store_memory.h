// A complete platform in memory, for tests: registry, win.ini, files and folders, version,
// clock, with faults that a test can inject.
//
// Registry: key and value names compare without regard to case and keep the case they were
// created with; values keep their type. The 32-bit view of HKLM\Software is its subkey
// WOW6432Node, as on 64-bit Windows; HKEY_CURRENT_USER has one view. Values and subkeys enumerate
// in creation order or sorted by name (SetValueOrder), so that a test can prove a caller does not
// rely on either. An open key must not outlive its store; a key deleted while open reads as empty
// and refuses writes.
//
// Files: paths are Windows paths ("C:\dir\file.txt", "/" is read as "\"), compared without
// regard to case; every drive root exists. The store's own operations need the parent folder
// to exist (as the platform does); AddFile and AddFolder make missing parents. Files hold raw
// bytes; text operations use Windows-1252 as the ANSI code page, and a text holding a
// character outside it (such as "✓" or "日本") is not written: SaveLines names its line. A
// new file gets attr::Archive. A read-only file can be replaced by SaveLines/WriteBytes (its
// attributes are kept) but not appended to or deleted (access denied, as on the platform). There
// are no 8.3 names: ShortPath gives the path as stored.
//
// win.ini and other profile files are kept as profile data (section and key names compared
// without regard to case), not as file bytes. "win.ini" without a folder means the file in the
// Windows folder.
//
// By default the store is empty except for the Windows folder "C:\WINDOWS" and the program's
// folder "C:\Program Files\Tarnix2"; the platform is Windows 10, the clock 17.05.2001
// 16:44:03, the long time format "HH:mm:ss".
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/store.h"

namespace tarnix {

enum class ValueOrder { Creation, Sorted };
enum class PlatformPreset { Windows95, Windows98, NT4, Windows10 };
enum class FileFault {
  None,
  Unreadable,   // reads fail; writes work
  Uncreatable,  // creating, replacing or appending fails; reads work
  Locked,       // reads, writes and deletion fail
  // Reads work; creating, replacing, appending, deleting and making or removing folders fail
  // as access denied here and anywhere below, as in a folder only administrators may change.
  WriteDenied,
};

// The folders SeedShellFolders creates and registers (no trailing backslash).
struct SeededShellFolders {
  std::string startup;        // HKCU "StartUp"
  std::string programs;       // HKCU "Programs"
  std::string desktop;        // HKCU "Desktop"
  std::string commonStartup;  // HKLM "Common StartUp"
};

class MemoryStore : public Store {
 public:
  MemoryStore();
  ~MemoryStore() override;
  MemoryStore(const MemoryStore&) = delete;
  MemoryStore& operator=(const MemoryStore&) = delete;

  // --- Store
  using Store::OpenKey;
  OpenedKey OpenKey(Root root, const std::string& path, bool create) override;
  bool KeyExists(Root root, const std::string& path) override;
  StoreResult DeleteKey(Root root, const std::string& path) override;
  std::string ReadProfileString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& def) override;
  StoreResult WriteProfileString(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& value) override;
  std::optional<std::vector<std::string>> LoadLines(const std::string& path) override;
  TextWrite SaveLines(const std::string& path, const std::vector<std::string>& lines) override;
  std::optional<std::string> ReadBytes(const std::string& path) override;
  StoreResult WriteBytes(const std::string& path, const std::string& bytes) override;
  StoreResult AppendText(const std::string& path, const std::string& text) override;
  std::optional<std::string> AnsiBytes(const std::string& text) override;
  uint32_t GetFileAttributes(const std::string& path) override;
  StoreResult SetFileAttributes(const std::string& path, uint32_t attributes) override;
  std::vector<FileEntry> ListFiles(const std::string& folder, const std::string& pattern) override;
  StoreResult DeleteFile(const std::string& path) override;
  StoreResult CreateFolder(const std::string& path) override;
  StoreResult RemoveFolder(const std::string& path) override;
  std::string ShortPath(const std::string& path) override;
  std::string WindowsFolder() override;
  PlatformVersionInfo PlatformVersion() override;
  std::string ProgramPath() override;
  LocalDateTime Now() override;
  std::string LongTimeText(const LocalDateTime& time) override;
  // The memory platform's zone is UTC: file times are Now() as it stands.
  uint64_t FileTimeNow() override;
  std::optional<LocalDateTime> LocalTimeOf(uint64_t fileTime) override;

  // --- Test setup. None of these is subject to the injected faults.
  void SetValueOrder(ValueOrder order);
  void SetPlatform(PlatformPreset preset);  // version only; the Windows folder stays
  void SetPlatformVersion(const PlatformVersionInfo& version);
  void SetWindowsFolder(const std::string& folder);  // also creates the folder
  void SetProgramPath(const std::string& path);      // also creates the program's folder
  void SetNow(const LocalDateTime& time);
  // Creates the file (and missing parent folders); attributes 0 means attr::Archive.
  void AddFile(const std::string& path, const std::string& bytes, uint32_t attributes = 0);
  void AddFolder(const std::string& path);  // with missing parents; nothing if it exists
  // Creates the key path and writes the value.
  void SetValue(Root root, const std::string& path, const std::string& name, const RegValue& value);
  void SetString(Root root, const std::string& path, const std::string& name,
                 const std::string& text);
  // Writes the Shell Folders values StartUp, Programs, Desktop (HKCU) and Common StartUp
  // (HKLM) and creates their folders.
  SeededShellFolders SeedShellFolders();

  // --- Reading state back, regardless of faults.
  std::optional<std::string> FileBytes(const std::string& path) const;
  bool FolderExists(const std::string& path) const;
  // How often the file was written successfully by SaveLines, WriteBytes or AppendText.
  int FileWrites(const std::string& path) const;
  std::optional<RegValue> Value(Root root, const std::string& path, const std::string& name) const;
  // Everything the store holds (keys, values with their types, files with their bytes,
  // attributes and write counts, profile data) as one text: equal texts, equal stores.
  std::string StateText() const;

  // --- Faults. Registry faults cover the key and every key below it ("" is the whole root);
  // the refusal is reported as the given kind. File faults other than WriteDenied are
  // reported as StoreFailure::Other.
  // The key cannot be opened at all, with or without create; KeyExists is false.
  void RefuseOpen(Root root, const std::string& path,
                  StoreFailure kind = StoreFailure::AccessDenied);
  // The key opens read-only, as HKLM for a standard user: OpenKey without create works and
  // reads; writing or deleting a value and DeleteKey fail; OpenKey with
  // create fails (no write handle is granted).
  void RefuseWrite(Root root, const std::string& path,
                   StoreFailure kind = StoreFailure::AccessDenied);
  void SetFileFault(const std::string& path, FileFault fault);
  void SetFolderUnlistable(const std::string& path);  // ListFiles gives nothing
  void RefuseProfileWrites(bool refuse = true);       // WriteProfileString fails
  // The k-th call from now (1: the next) fails once as `kind`; 0 fails none. Every call of the
  // store and of its open keys that can say it failed counts: each write, OpenKey, DeleteKey,
  // and, as Other only (they cannot say why), LoadLines, ReadBytes and ValueCount. A read whose
  // answer cannot tell a failure from an empty place (a value, names, a listing, attributes,
  // win.ini) never fails here: to any caller that failure is the place being empty.
  void FailCall(int k, StoreFailure kind);
  int Calls() const;  // counted since FailCall
  void ClearFaults();

 protected:
  OpenedKey OpenKeyInView(Root root, const std::string& path, bool create, RegView view) override;

 private:
  struct Node;
  struct FileNode;
  struct Faults;
  class Key;

  std::shared_ptr<Node> FindNode(Root root, const std::vector<std::string>& parts) const;
  std::shared_ptr<Node> MakeNode(Root root, const std::vector<std::string>& parts);
  // None when the key may be opened or written; otherwise why not.
  StoreFailure OpenRefused(Root root, const std::vector<std::string>& parts) const;
  StoreFailure WriteRefused(Root root, const std::vector<std::string>& parts) const;
  std::vector<std::string> SortedIfAsked(std::vector<std::string> names) const;
  FileFault FaultOf(const std::string& path) const;
  FileNode* FindFile(const std::string& path);
  const FileNode* FindFile(const std::string& path) const;
  bool ParentExists(const std::string& path) const;
  bool WriteDeniedAt(const std::string& path) const;
  // None when a file may be created or replaced at the path; otherwise why not.
  StoreFailure WriteFailure(const std::string& path) const;
  StoreFailure DeleteFailure(const std::string& path) const;
  StoreFailure RemoveFolderFailure(const std::string& path) const;
  // A read that cannot say why it failed counts, and fails, only when Other is armed.
  bool ReadFails();
  // Counts a call: the armed kind when it is the one to fail, else `otherwise`.
  StoreFailure Called(StoreFailure otherwise = StoreFailure::None);
  void StoreFile(const std::string& path, const std::string& bytes);
  void MakeFolder(const std::string& normalised);
  std::string ProfileKey(const std::string& file);

  std::shared_ptr<Node> roots_[2];
  std::map<std::string, std::unique_ptr<FileNode>> files_;  // by folded normalised path
  // file -> section -> key -> value, all by folded name
  std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> profiles_;
  std::unique_ptr<Faults> faults_;
  ValueOrder order_ = ValueOrder::Creation;
  PlatformVersionInfo version_;
  std::string windowsFolder_;
  std::string programPath_;
  LocalDateTime now_;
};

}  // namespace tarnix
