// Seeding the shared prefix's registry directly, as another program would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

inline const wchar_t kRunPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const wchar_t kRunServicesPath[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";
inline const wchar_t kSnapshotPath[] = L"Software\\Movenda\\Tarnix2\\Save";

bool SetStringValue(HKEY root, const std::wstring& path, const std::wstring& name,
                    const std::wstring& data);
void DeleteValue(HKEY root, const std::wstring& path, const std::wstring& name);
void DeleteKeyTree(HKEY root, const std::wstring& path);
bool KeyExists(HKEY root, const wchar_t* path);

// A string value as stored (never expanded), or nothing when it is missing or no string.
struct StringValue {
  DWORD type = 0;
  std::wstring text;
};
std::optional<StringValue> ReadStringValue(HKEY root, const std::wstring& path,
                                           const std::wstring& name);
std::optional<std::wstring> ReadString(HKEY root, const std::wstring& path,
                                       const std::wstring& name);
// The current user's shell folder ("Startup", "Programs", ...) with "\" appended; empty when
// the prefix names none.
std::wstring ShellFolder(const wchar_t* name);

// Access lists in the platform's descriptor language: everyone may read the key and change its
// access list, nothing more; everyone may do everything.
inline const wchar_t kReadOnlyAccess[] = L"D:P(A;;KRWD;;;WD)";
inline const wchar_t kFullAccess[] = L"D:P(A;;KA;;;WD)";
// Nobody may read the key; everyone may do the rest.
inline const wchar_t kUnreadableAccess[] = L"D:(D;;KR;;;WD)(A;;KA;;;WD)";
// Gives the key the access list; whether it took it.
bool SetKeyAccess(HKEY root, const std::wstring& path, const wchar_t* access);

// A value set for one test and removed again when it ends.
class SeededValue {
 public:
  SeededValue(HKEY root, std::wstring path, std::wstring name, const std::wstring& data);
  ~SeededValue();
  SeededValue(const SeededValue&) = delete;
  SeededValue& operator=(const SeededValue&) = delete;

 private:
  HKEY root_;
  std::wstring path_, name_;
};

}  // namespace e2e
