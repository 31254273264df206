// Registry, profile and platform queries of the Win32 store; files are in
// store_files_win32.cpp.
#include "base/win32_api.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/handles_win32.h"
#include "base/module_path_win32.h"
#include "base/unicode_win32.h"
#include "platform/registry_keys.h"
#include "platform/store_win32.h"

namespace tarnix {

namespace {

// An open key is read, and its values written and deleted; subkeys are made from the root.
constexpr REGSAM kReadWrite = KEY_READ | KEY_SET_VALUE;

HKEY RootKey(Root root) {
  return root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring SubKey(const std::string& path) {
  size_t start = path.find_first_not_of('\\');
  return start == std::string::npos ? std::wstring() : Widen(path.substr(start));
}

std::string StringFromBytes(const std::string& bytes) {
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return Narrow(text);
}

// A value as read: a string's UTF-16 bytes become UTF-8 text, other data stays as it is.
RegValue ValueFromBytes(DWORD type, std::string bytes) {
  RegValue value{type, std::move(bytes)};
  if (value.IsString())
    value.data = StringFromBytes(value.data);
  return value;
}

std::string BytesFromString(const std::string& utf8) {
  std::wstring text = Widen(utf8);
  std::string bytes((text.size() + 1) * sizeof(wchar_t), '\0');
  std::memcpy(bytes.data(), text.data(), text.size() * sizeof(wchar_t));
  return bytes;
}

class Win32Key : public RegKey {
 public:
  explicit Win32Key(KeyHandle key) : key_(std::move(key)) {}

  std::optional<RegValue> ReadValue(const std::string& name) const override {
    std::wstring wideName = Widen(name);
    DWORD type = 0, size = 0;
    LONG rc = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
    std::string bytes;
    while (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) {
      bytes.resize(size);
      rc = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(bytes.data()), &size);
      if (rc == ERROR_SUCCESS) {
        bytes.resize(size);
        return ValueFromBytes(type, std::move(bytes));
      }
    }
    return std::nullopt;
  }

  StoreResult WriteValue(const std::string& name, const RegValue& value) override {
    std::string bytes = value.IsString() ? BytesFromString(value.data) : value.data;
    LONG rc = RegSetValueExW(key_.get(), Widen(name).c_str(), 0, value.type,
                             reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size()));
    return Outcome(FailureOfError(static_cast<unsigned long>(rc)),
                   "Failed to set data for '" + name + "'");
  }

  std::vector<std::string> GetValueNames() const override {
    return EnumNames([this](DWORD index, wchar_t* buffer, DWORD* length) {
      return RegEnumValueW(key_.get(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
    });
  }

  std::vector<NamedValue> ReadValues() const override {
    DWORD count = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
      return {};
    }
    std::vector<NamedValue> values;
    values.reserve(count);
    std::wstring name(longestName + 1, L'\0');
    std::string data(longestData, '\0');
    for (DWORD index = 0;;) {
      DWORD nameLength = static_cast<DWORD>(name.size());
      DWORD size = static_cast<DWORD>(data.size());
      DWORD type = 0;
      LONG rc = RegEnumValueW(key_.get(), index, name.data(), &nameLength, nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
      if (rc == ERROR_MORE_DATA) {
        // A value written since the key was measured: grow and ask for it again.
        name.resize(name.size() * 2);
        data.resize(std::max<size_t>(data.size() * 2, size));
        continue;
      }
      if (rc != ERROR_SUCCESS)
        return values;
      values.push_back({Narrow(std::wstring(name.data(), nameLength)),
                        ValueFromBytes(type, data.substr(0, size))});
      ++index;
    }
  }

  std::optional<size_t> ValueCount() const override {
    DWORD count = 0;
    if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return count;
  }

  std::optional<KeyStamp> Stamp() const override {
    DWORD count = 0;
    FILETIME written{};
    if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         nullptr, nullptr, nullptr, &written) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return KeyStamp{uint64_t{written.dwHighDateTime} << 32 | written.dwLowDateTime, count};
  }

  std::vector<std::string> GetKeyNames() const override {
    return EnumNames([this](DWORD index, wchar_t* buffer, DWORD* length) {
      return RegEnumKeyExW(key_.get(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
    });
  }

  StoreResult DeleteValue(const std::string& name) override {
    return Outcome(FailureOfError(static_cast<unsigned long>(
                       RegDeleteValueW(key_.get(), Widen(name).c_str()))),
                   "Cannot delete the registry value " + name);
  }

 private:
  // Names longer than the buffer make it grow; the same index is then asked again.
  template <typename Enum>
  static std::vector<std::string> EnumNames(Enum enumerate) {
    std::vector<std::string> names;
    std::wstring buffer(256, L'\0');
    DWORD index = 0;
    for (;;) {
      DWORD length = static_cast<DWORD>(buffer.size());
      LONG rc = enumerate(index, buffer.data(), &length);
      if (rc == ERROR_MORE_DATA) {
        buffer.resize(buffer.size() * 2);
        continue;
      }
      if (rc != ERROR_SUCCESS)
        return names;
      names.push_back(Narrow(std::wstring(buffer.data(), length)));
      ++index;
    }
  }

  KeyHandle key_;
};

bool IsWinIni(const std::string& file) {
  return file.size() == 7 &&
         CompareStringOrdinal(Widen(file).c_str(), -1, L"win.ini", -1, TRUE) == CSTR_EQUAL;
}

// Reads with a buffer that grows until the value fits, so that nothing is cut.
template <typename Read>
std::string ReadWhole(Read read) {
  std::wstring buffer(4096, L'\0');
  for (;;) {
    DWORD length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length + 1 < buffer.size() || buffer.size() >= (1u << 26)) {
      return Narrow(std::wstring(buffer.data(), length));
    }
    buffer.resize(buffer.size() * 4);
  }
}

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

}  // namespace

StoreFailure FailureOfError(unsigned long error) {
  if (error == ERROR_SUCCESS)
    return StoreFailure::None;
  if (error == ERROR_ACCESS_DENIED)
    return StoreFailure::AccessDenied;
  return error == ERROR_FILE_NOT_FOUND ? StoreFailure::NotFound : StoreFailure::Other;
}

OpenedKey Win32Store::OpenKey(Root root, const std::string& path, bool create) {
  return OpenKeyInView(root, path, create, RegView::Default);
}

OpenedKey Win32Store::OpenKeyInView(Root root, const std::string& path, bool create, RegView view) {
  std::wstring subKey = SubKey(path);
  const REGSAM inView = view == RegView::Bits32 ? KEY_WOW64_32KEY : 0;
  KeyHandle key;
  LONG rc;
  if (create) {
    rc = RegCreateKeyExW(RootKey(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         kReadWrite | inView, nullptr, key.put(), nullptr);
  } else {
    // Without create, a key that may not be written is still opened for reading; writing to it
    // then fails where it is tried.
    rc = RegOpenKeyExW(RootKey(root), subKey.c_str(), 0, kReadWrite | inView, key.put());
    if (rc == ERROR_ACCESS_DENIED) {
      rc = RegOpenKeyExW(RootKey(root), subKey.c_str(), 0, KEY_READ | inView, key.put());
    }
  }
  if (rc != ERROR_SUCCESS)
    return {nullptr,
            {FailureOfError(static_cast<unsigned long>(rc)),
             OpenKeyFailureText(root, path, create, view)}};
  return {std::make_unique<Win32Key>(std::move(key)), {}};
}

bool Win32Store::KeyExists(Root root, const std::string& path) {
  KeyHandle key;
  return RegOpenKeyExW(RootKey(root), SubKey(path).c_str(), 0, KEY_QUERY_VALUE, key.put()) ==
         ERROR_SUCCESS;
}

StoreResult Win32Store::DeleteKey(Root root, const std::string& path) {
  std::wstring subKey = SubKey(path);
  const StoreFailure failure = subKey.empty() ? StoreFailure::Other
                                              : FailureOfError(static_cast<unsigned long>(
                                                    RegDeleteTreeW(RootKey(root), subKey.c_str())));
  return Outcome(failure, "Cannot delete the registry key " + RootName(root) + path);
}

std::string Win32Store::ReadProfileString(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& def) {
  std::wstring wideSection = Widen(section), wideKey = Widen(key), wideDef = Widen(def);
  if (IsWinIni(file)) {
    return ReadWhole([&](wchar_t* buffer, DWORD size) {
      return GetProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDef.c_str(), buffer, size);
    });
  }
  std::wstring wideFile = Widen(file);
  return ReadWhole([&](wchar_t* buffer, DWORD size) {
    return GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDef.c_str(), buffer,
                                    size, wideFile.c_str());
  });
}

StoreResult Win32Store::WriteProfileString(const std::string& file, const std::string& section,
                                           const std::string& key, const std::string& value) {
  std::wstring wideSection = Widen(section), wideKey = Widen(key), wideValue = Widen(value);
  const BOOL written =
      IsWinIni(file) ? WriteProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str())
                     : WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(),
                                                  wideValue.c_str(), Widen(file).c_str());
  return Outcome(written ? StoreFailure::None : FailureOfError(GetLastError()),
                 ProfileWriteFailureText(file, key));
}

std::string Win32Store::WindowsFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length >= buffer.size()) {
    buffer.resize(length);
    length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  buffer.resize(length);
  while (!buffer.empty() && buffer.back() == L'\\') buffer.pop_back();
  return Narrow(buffer);
}

// Asked of ntdll, which reports the real version whatever the compatibility settings say.
PlatformVersionInfo Win32Store::PlatformVersion() {
  PlatformVersionInfo info;
  FARPROC proc = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  if (!proc)
    return info;
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void (*)()>(proc));
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (rtlGetVersion(&version) != 0)
    return info;
  info.platformId = version.dwPlatformId;
  info.major = version.dwMajorVersion;
  info.minor = version.dwMinorVersion;
  info.build = version.dwBuildNumber;
  info.servicePack = Narrow(version.szCSDVersion);
  return info;
}

std::string Win32Store::ProgramPath() {
  return Narrow(ModuleFileName());
}

LocalDateTime Win32Store::Now() {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return LocalDateTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

uint64_t Win32Store::FileTimeNow() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

std::optional<LocalDateTime> Win32Store::LocalTimeOf(uint64_t fileTime) {
  const FILETIME utcTime{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
  SYSTEMTIME utc{}, local{};
  if (!FileTimeToSystemTime(&utcTime, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
    return std::nullopt;
  return LocalDateTime{local.wYear, local.wMonth,  local.wDay,
                       local.wHour, local.wMinute, local.wSecond};
}

std::string Win32Store::LongTimeText(const LocalDateTime& time) {
  SYSTEMTIME system{};
  system.wYear = static_cast<WORD>(time.year);
  system.wMonth = static_cast<WORD>(time.month);
  system.wDay = static_cast<WORD>(time.day);
  system.wHour = static_cast<WORD>(time.hour);
  system.wMinute = static_cast<WORD>(time.minute);
  system.wSecond = static_cast<WORD>(time.second);
  wchar_t buffer[128];
  int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &system, nullptr, buffer, 128);
  return length > 0 ? Narrow(std::wstring(buffer, static_cast<size_t>(length) - 1)) : "";
}

}  // namespace tarnix
