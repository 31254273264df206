// The platform store: registry, win.ini profile, files and folders, platform queries.
// Everything the program reads or writes of the system goes through this interface; the
// Windows build implements it on Win32 (store_win32.cpp), tests on memory (store_memory.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/dates.h"
#include "platform/store_result.h"

namespace tarnix {

// A read that finds data of another type than the caller can take: a damaged or foreign
// entry, not a failure of the store. The text is shown as it stands in an error box.
class StoreError : public std::runtime_error {
 public:
  explicit StoreError(const std::string& text) : std::runtime_error(text) {}
};

enum class Root { LocalMachine, CurrentUser };

// Which registry a key is opened in. On 64-bit Windows, 32-bit programs see HKLM\Software
// through a key of their own, and their installers write their run entries there; Bits32
// reaches it from this program. HKEY_CURRENT_USER has one view for both.
enum class RegView { Default, Bits32 };

// Registry value types, numbered as the platform numbers them.
namespace regtype {
constexpr uint32_t None = 0;
constexpr uint32_t String = 1;
constexpr uint32_t ExpandString = 2;
constexpr uint32_t Binary = 3;
constexpr uint32_t Dword = 4;
constexpr uint32_t MultiString = 7;
constexpr uint32_t Qword = 11;
}  // namespace regtype

// A typed registry value. For String and ExpandString `data` is the UTF-8 text (no
// terminator, never expanded); for every other type it is the raw bytes as stored.
struct RegValue {
  uint32_t type = regtype::String;
  std::string data;
  bool IsString() const { return type == regtype::String || type == regtype::ExpandString; }
  bool operator==(const RegValue& other) const { return type == other.type && data == other.data; }
};

struct NamedValue {
  std::string name;
  RegValue value;
};

// When a key was last written (the platform's clock, in its own units) and how many values it
// holds: any write to the key's values changes one or the other.
struct KeyStamp {
  uint64_t lastWrite = 0;
  uint64_t values = 0;
  bool operator==(const KeyStamp& o) const {
    return lastWrite == o.lastWrite && values == o.values;
  }
  bool operator!=(const KeyStamp& o) const { return !(*this == o); }
};

// One open registry key; it is closed when the object is destroyed.
class RegKey {
 public:
  virtual ~RegKey() = default;
  // Missing value: empty text. A value that is not a string raises
  // StoreError("Invalid data type for '<name>'").
  std::string ReadString(const std::string& name) const {
    auto value = ReadValue(name);
    if (!value)
      return "";
    if (!value->IsString())
      throw StoreError("Invalid data type for '" + name + "'");
    return value->data;
  }
  // The value with its type, or nothing when it does not exist.
  virtual std::optional<RegValue> ReadValue(const std::string& name) const = 0;
  // Creates or replaces a plain string value.
  StoreResult WriteString(const std::string& name, const std::string& text) {
    return WriteValue(name, RegValue{regtype::String, text});
  }
  // Creates or replaces a value of any type; a failure says "Failed to set data for '<name>'".
  virtual StoreResult WriteValue(const std::string& name, const RegValue& value) = 0;
  // In the registry's own order, which differs between platforms: callers never rely on it.
  virtual std::vector<std::string> GetValueNames() const = 0;
  // Every value with its type and data, in GetValueNames' order, read in one pass.
  virtual std::vector<NamedValue> ReadValues() const = 0;
  // How many values the key holds; nothing when that cannot be told.
  virtual std::optional<size_t> ValueCount() const = 0;
  // Read in one call; nothing when that cannot be told.
  virtual std::optional<KeyStamp> Stamp() const = 0;
  virtual std::vector<std::string> GetKeyNames() const = 0;
  // A failure says "Cannot delete the registry value <name>".
  virtual StoreResult DeleteValue(const std::string& name) = 0;
};

// A key that was opened, or why not: `key` is null exactly when `result` is a failure, which
// says "Cannot open the registry key <root name><path>", followed by " for writing" when the
// key was to be created.
struct [[nodiscard]] OpenedKey {
  std::unique_ptr<RegKey> key;
  StoreResult result;

  explicit operator bool() const { return key != nullptr; }
  RegKey* operator->() const { return key.get(); }
  RegKey& operator*() const { return *key; }
};

constexpr uint32_t kInvalidAttributes = 0xFFFFFFFFu;
namespace attr {
constexpr uint32_t ReadOnly = 0x01;
constexpr uint32_t Hidden = 0x02;
constexpr uint32_t System = 0x04;
constexpr uint32_t Directory = 0x10;
constexpr uint32_t Archive = 0x20;
constexpr uint32_t Normal = 0x80;
}  // namespace attr

struct FileEntry {
  std::string name;  // without folder
  uint32_t attributes = 0;
};

// How a text write ended. A line that holds a character the file's code page cannot store is
// a failure of kind Other that names the line, and nothing was written.
struct [[nodiscard]] TextWrite : StoreResult {
  std::optional<size_t> unencodableLine;  // the index of the first line that does not fit
};

struct PlatformVersionInfo {
  uint32_t platformId = 2;  // 0 Win32s, 1 Windows 95/98, 2 NT
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  std::string servicePack;
};

// Every write returns its outcome; a failure's text names what failed.
class Store {
 public:
  virtual ~Store() = default;

  // --- Registry. A leading "\" in a path is optional.
  // Create true makes missing keys along the path. No key when it is missing (without create)
  // or access is refused.
  virtual OpenedKey OpenKey(Root root, const std::string& path, bool create) = 0;
  // The same in a view of the registry; the default view is the call above.
  OpenedKey OpenKey(Root root, const std::string& path, bool create, RegView view) {
    return view == RegView::Default ? OpenKey(root, path, create)
                                    : OpenKeyInView(root, path, create, view);
  }
  virtual bool KeyExists(Root root, const std::string& path) = 0;
  // Removes the key with everything below it; a failure says "Cannot delete the registry key
  // <root name><path>".
  virtual StoreResult DeleteKey(Root root, const std::string& path) = 0;

  // --- Profile file (win.ini). Values are read whole, with no length cut.
  virtual std::string ReadProfileString(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& def) = 0;
  // A failure says "Cannot write the <key> value to <file>".
  virtual StoreResult WriteProfileString(const std::string& file, const std::string& section,
                                         const std::string& key, const std::string& value) = 0;

  // --- Files and folders. Paths are Windows paths ("C:\dir\file"); text files are in the
  // ANSI code page on disk and UTF-8 here.
  // The file's lines (split at CR LF, LF or CR; an empty line after the final break is not a
  // line), or nothing when the file cannot be opened for reading.
  [[nodiscard]] virtual std::optional<std::vector<std::string>> LoadLines(
      const std::string& path) = 0;
  // Writes each line followed by CR LF. The file is replaced atomically (a temporary file
  // beside it takes its place) and keeps its attributes; on failure the old file is left as it
  // was, and the result names the line that did not fit the code page, or says "Cannot create
  // file <path>".
  virtual TextWrite SaveLines(const std::string& path, const std::vector<std::string>& lines) = 0;
  // The file's bytes as stored, or nothing when it cannot be read.
  [[nodiscard]] virtual std::optional<std::string> ReadBytes(const std::string& path) = 0;
  // Creates or replaces the file atomically; a failure says "Cannot create file <path>".
  virtual StoreResult WriteBytes(const std::string& path, const std::string& bytes) = 0;
  // Appends the UTF-8 text, converted to the ANSI code page, at the end of the file, creating
  // it when missing; a failure says "Cannot write to <path>".
  virtual StoreResult AppendText(const std::string& path, const std::string& text) = 0;
  // The UTF-8 text as bytes of the ANSI code page (for file formats that are ANSI), or nothing
  // when a character does not fit: a look-alike is never made.
  [[nodiscard]] virtual std::optional<std::string> AnsiBytes(const std::string& text) = 0;
  virtual uint32_t GetFileAttributes(const std::string& path) = 0;  // kInvalidAttributes if none
  // Whether a folder, not a file, is at the path.
  bool IsFolder(const std::string& path) {
    const uint32_t attributes = GetFileAttributes(path);
    return attributes != kInvalidAttributes && (attributes & attr::Directory) != 0;
  }
  // A failure says "Cannot set the attributes of <path>".
  virtual StoreResult SetFileAttributes(const std::string& path, uint32_t attributes) = 0;
  // Entries of folder (with or without a trailing "\") matching pattern ("*.*"), hidden,
  // system and folder entries included, "." and ".." never. Empty when it cannot be listed.
  virtual std::vector<FileEntry> ListFiles(const std::string& folder,
                                           const std::string& pattern) = 0;
  // Failures say "Cannot delete <path>", "Cannot create the folder <path>" and "Cannot remove
  // the folder <path>"; only an empty folder is removed.
  virtual StoreResult DeleteFile(const std::string& path) = 0;
  virtual StoreResult CreateFolder(const std::string& path) = 0;
  virtual StoreResult RemoveFolder(const std::string& path) = 0;
  virtual std::string ShortPath(const std::string& path) = 0;  // empty when it does not exist

  // --- Platform queries.
  virtual std::string WindowsFolder() = 0;  // no trailing backslash
  virtual PlatformVersionInfo PlatformVersion() = 0;
  virtual std::string ProgramPath() = 0;
  virtual LocalDateTime Now() = 0;
  // The time in the user's long time format (for example 16:44:03).
  virtual std::string LongTimeText(const LocalDateTime& time) = 0;
  // The current time as the platform stamps files and registry data: a file time in UTC.
  virtual uint64_t FileTimeNow() = 0;
  // A file time in UTC as the user's local date and time; nothing when it names none.
  virtual std::optional<LocalDateTime> LocalTimeOf(uint64_t fileTime) = 0;

 protected:
  virtual OpenedKey OpenKeyInView(Root root, const std::string& path, bool create,
                                  RegView view) = 0;
  // The lines in the ANSI code page, each followed by CR LF, line by line so that a character
  // the code page cannot store is traced to its line (no ANSI code page keeps a state from one
  // line to the next).
  TextWrite AnsiLines(const std::string& path, const std::vector<std::string>& lines,
                      std::string& ansi);
};

}  // namespace tarnix
