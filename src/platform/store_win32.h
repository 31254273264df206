// The platform store on the real registry, profile functions and file system.
#pragma once

#include "platform/store.h"

namespace tarnix {

// None for ERROR_SUCCESS, AccessDenied for ERROR_ACCESS_DENIED, NotFound for
// ERROR_FILE_NOT_FOUND, Other for any other error.
StoreFailure FailureOfError(unsigned long error);

class Win32Store : public Store {
 public:
  using Store::OpenKey;
  OpenedKey OpenKey(Root root, const std::string& path, bool create) override;
  bool KeyExists(Root root, const std::string& path) override;
  StoreResult DeleteKey(Root root, const std::string& path) override;
  // "win.ini" (any case) uses the platform's own profile; a file name without a folder lies
  // in the Windows folder; a path names a file of its own.
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
  uint64_t FileTimeNow() override;
  std::optional<LocalDateTime> LocalTimeOf(uint64_t fileTime) override;

 protected:
  OpenedKey OpenKeyInView(Root root, const std::string& path, bool create, RegView view) override;
};

}  // namespace tarnix
