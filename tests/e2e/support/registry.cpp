#include "e2e/support/registry.h"

#include <sddl.h>

namespace e2e {

bool SetStringValue(HKEY root, const std::wstring& path, const std::wstring& name,
                    const std::wstring& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

void DeleteValue(HKEY root, const std::wstring& path, const std::wstring& name) {
  RegDeleteKeyValueW(root, path.c_str(), name.c_str());
}

void DeleteKeyTree(HKEY root, const std::wstring& path) {
  RegDeleteTreeW(root, path.c_str());
}

SeededValue::SeededValue(HKEY root, std::wstring path, std::wstring name, const std::wstring& data)
    : root_(root), path_(std::move(path)), name_(std::move(name)) {
  SetStringValue(root_, path_, name_, data);
}

SeededValue::~SeededValue() {
  DeleteValue(root_, path_, name_);
}

bool KeyExists(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

std::optional<StringValue> ReadStringValue(HKEY root, const std::wstring& path,
                                           const std::wstring& name) {
  const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  DWORD type = 0, size = 0;
  if (RegGetValueW(root, path.c_str(), name.c_str(), flags, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(root, path.c_str(), name.c_str(), flags, &type, data.data(), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  data.resize(wcslen(data.c_str()));
  return StringValue{type, data};
}

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& path,
                                       const std::wstring& name) {
  const auto value = ReadStringValue(root, path, name);
  return value ? std::optional(value->text) : std::nullopt;
}

std::wstring ShellFolder(const wchar_t* name) {
  const auto folder =
      ReadString(HKEY_CURRENT_USER,
                 L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name);
  return folder ? *folder + L"\\" : std::wstring();
}

bool SetKeyAccess(HKEY root, const std::wstring& path, const wchar_t* access) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(access, SDDL_REVISION_1, &descriptor,
                                                            nullptr)) {
    return false;
  }
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExW(root, path.c_str(), 0, WRITE_DAC, &key);
  if (rc == ERROR_SUCCESS) {
    rc = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    RegCloseKey(key);
  }
  LocalFree(descriptor);
  return rc == ERROR_SUCCESS;
}

}  // namespace e2e
