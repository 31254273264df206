// Files and folders of the Win32 store.
#include "base/win32_api.h"

#include <algorithm>

#include "base/handles_win32.h"
#include "base/text_codec.h"
#include "base/unicode_win32.h"
#include "platform/store_win32.h"

namespace tarnix {

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

std::wstring FolderOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash == 2 ? 3 : slash);
}

// Clean-up after a failed step keeps that step's error for the caller to read.
class LastErrorKept {
 public:
  LastErrorKept() : error_(GetLastError()) {}
  ~LastErrorKept() { SetLastError(error_); }
  LastErrorKept(const LastErrorKept&) = delete;
  LastErrorKept& operator=(const LastErrorKept&) = delete;

 private:
  DWORD error_;
};

// An empty file in the target's folder, or nothing when the folder does not allow one. The
// buffer holds the folder, a separator and the 8.3 name, since not every platform refuses a
// folder longer than the documented limit; and Wine reports a name even when it could not
// make the file, so the file is looked for.
std::wstring TempFileBeside(const std::wstring& target) {
  std::wstring folder = FolderOf(target);
  std::wstring temp(folder.size() + MAX_PATH, L'\0');
  if (GetTempFileNameW(folder.c_str(), L"tx2", 0, temp.data()) == 0)
    return {};
  temp.resize(temp.find(L'\0'));
  if (GetFileAttributesW(temp.c_str()) == INVALID_FILE_ATTRIBUTES)
    return {};
  return temp;
}

bool WriteTo(const std::wstring& path, DWORD disposition, const std::string& bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  bool written = file.valid() && WriteAll(file.get(), bytes);
  return written && FlushFileBuffers(file.get());
}

// Overwrites an existing file from its start and cuts it after the new bytes. Opened rather
// than truncated on opening, which the platform refuses for a hidden or system file.
bool Overwrite(const std::wstring& path, const std::string& bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && WriteAll(file.get(), bytes) && SetEndOfFile(file.get()) &&
         FlushFileBuffers(file.get());
}

// Where no temporary file can be made: the target itself is written.
bool WriteInPlace(const std::wstring& target, DWORD attributes, const std::string& bytes) {
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return WriteTo(target, CREATE_NEW, bytes);
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  }
  bool written = Overwrite(target, bytes);
  LastErrorKept kept;
  SetFileAttributesW(target.c_str(), attributes);
  return written;
}

// The temporary file takes the target's place; the target's attributes stay as they were
// (a read-only target is made writable only for the exchange). The old file is moved to a
// backup name of our own, removed afterwards: without one, Wine leaves a file of its own
// beside the target when the exchange fails. Where the old file was moved aside but the new
// one could not take its place, the new one is moved there, or else the old one back.
bool ReplaceWith(const std::wstring& target, DWORD attributes, const std::wstring& temp) {
  const std::wstring backup = temp + L".bak";
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  }
  bool replaced = ReplaceFileW(target.c_str(), temp.c_str(), backup.c_str(),
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
  if (!replaced && GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
    replaced = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    LastErrorKept kept;
    if (!replaced)
      MoveFileExW(backup.c_str(), target.c_str(), 0);
  }
  LastErrorKept kept;
  SetFileAttributesW(target.c_str(), attributes);
  DeleteFileW(backup.c_str());
  return replaced;
}

bool ReplaceFileContent(const std::string& path, const std::string& bytes) {
  std::wstring target = Widen(path);
  DWORD attributes = GetFileAttributesW(target.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // A folder in the way is no matter of rights, though the platform calls it access denied.
  if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetLastError(ERROR_DIRECTORY);
    return false;
  }
  std::wstring temp = TempFileBeside(target);
  if (temp.empty())
    return WriteInPlace(target, attributes, bytes);
  bool done = WriteTo(temp, TRUNCATE_EXISTING, bytes) &&
              (exists ? ReplaceWith(target, attributes, temp)
                      : MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0);
  if (!done) {
    LastErrorKept kept;
    DeleteFileW(temp.c_str());
  }
  return done;
}

// The outcome of a call that returned done and set the thread's last error when it failed.
StoreFailure FailureOf(BOOL done) {
  return done ? StoreFailure::None : FailureOfError(GetLastError());
}

}  // namespace

std::optional<std::string> Win32Store::ReadBytes(const std::string& path) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid())
    return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  do {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr))
      return std::nullopt;
    bytes.append(buffer, read);
  } while (read > 0);
  return bytes;
}

std::optional<std::vector<std::string>> Win32Store::LoadLines(const std::string& path) {
  auto bytes = ReadBytes(path);
  if (!bytes)
    return std::nullopt;
  return SplitLines(FromAnsi(*bytes));
}

TextWrite Win32Store::SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string ansi;
  if (TextWrite encoded = AnsiLines(path, lines, ansi); !encoded)
    return encoded;
  return {WriteBytes(path, ansi), std::nullopt};
}

StoreResult Win32Store::WriteBytes(const std::string& path, const std::string& bytes) {
  return Outcome(FailureOf(ReplaceFileContent(path, bytes)), "Cannot create file " + path);
}

StoreResult Win32Store::AppendText(const std::string& path, const std::string& text) {
  bool lossless = false;
  std::string ansi = ToAnsi(text, &lossless);
  if (!lossless)
    return {StoreFailure::Other, "Cannot write to " + path};
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER end{};
  const BOOL done = file.valid() && SetFilePointerEx(file.get(), end, nullptr, FILE_END) &&
                    WriteAll(file.get(), ansi);
  return Outcome(FailureOf(done), "Cannot write to " + path);
}

std::optional<std::string> Win32Store::AnsiBytes(const std::string& text) {
  bool lossless = false;
  std::string ansi = ToAnsi(text, &lossless);
  if (!lossless)
    return std::nullopt;
  return ansi;
}

uint32_t Win32Store::GetFileAttributes(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str());
}

StoreResult Win32Store::SetFileAttributes(const std::string& path, uint32_t attributes) {
  return Outcome(FailureOf(SetFileAttributesW(Widen(path).c_str(), attributes)),
                 "Cannot set the attributes of " + path);
}

std::vector<FileEntry> Win32Store::ListFiles(const std::string& folder,
                                             const std::string& pattern) {
  std::wstring query = Widen(folder);
  while (!query.empty() && (query.back() == L'\\' || query.back() == L'/')) query.pop_back();
  std::vector<FileEntry> entries;
  // No folder is not the current drive's root.
  if (query.empty())
    return entries;
  query += L'\\' + Widen(pattern);
  WIN32_FIND_DATAW data;
  FindHandle find(FindFirstFileW(query.c_str(), &data));
  if (!find.valid())
    return entries;
  do {
    std::wstring name = data.cFileName;
    if (name == L"." || name == L"..")
      continue;
    entries.push_back(FileEntry{Narrow(name), data.dwFileAttributes});
  } while (FindNextFileW(find.get(), &data));
  return entries;
}

StoreResult Win32Store::DeleteFile(const std::string& path) {
  return Outcome(FailureOf(DeleteFileW(Widen(path).c_str())), "Cannot delete " + path);
}

StoreResult Win32Store::CreateFolder(const std::string& path) {
  return Outcome(FailureOf(CreateDirectoryW(Widen(path).c_str(), nullptr)),
                 "Cannot create the folder " + path);
}

StoreResult Win32Store::RemoveFolder(const std::string& path) {
  return Outcome(FailureOf(RemoveDirectoryW(Widen(path).c_str())),
                 "Cannot remove the folder " + path);
}

std::string Win32Store::ShortPath(const std::string& path) {
  std::wstring wide = Widen(path);
  DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (size == 0)
    return "";
  std::wstring buffer(size, L'\0');
  DWORD length = GetShortPathNameW(wide.c_str(), buffer.data(), size);
  if (length == 0 || length >= size)
    return "";
  buffer.resize(length);
  return Narrow(buffer);
}

}  // namespace tarnix
