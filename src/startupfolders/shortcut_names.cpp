#include "startupfolders/shortcut_names.h"

#include <algorithm>
#include <cctype>

namespace tarnix {

namespace {

std::string AsciiLower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

size_t NameStart(const std::string& path) {
  size_t separator = path.find_last_of("\\:");
  return separator == std::string::npos ? 0 : separator + 1;
}

// The platform takes these as devices whatever extension follows them.
bool IsDeviceName(const std::string& name) {
  std::string stem = AsciiLower(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  static const char* const kDevices[] = {"con", "prn", "aux", "nul"};
  if (std::find(std::begin(kDevices), std::end(kDevices), stem) != std::end(kDevices))
    return true;
  return stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

bool HasForbiddenCharacter(const std::string& name) {
  return std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string("\\/:*?\"<>|").find(c) != std::string::npos;
  });
}

}  // namespace

bool IsShortcutPath(const std::string& path) {
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < NameStart(path))
    return false;
  return AsciiLower(path.substr(dot)) == ".lnk";
}

std::string FileNameOf(const std::string& path) {
  return path.substr(NameStart(path));
}

std::optional<std::string> NameRefusal(const std::string& name) {
  const std::string quoted = "\"" + name + "\"";
  if (name.empty())
    return std::string("A shortcut needs a name.");
  if (HasForbiddenCharacter(name))
    return quoted + " cannot be a file name: it may not hold \\ / : * ? \" < > |.";
  if (name.back() == '.' || name.back() == ' ')
    return quoted + " cannot be a file name: it may not end in a dot or a blank.";
  if (IsDeviceName(name))
    return quoted + " cannot be a file name: the system keeps it for a device.";
  return std::nullopt;
}

}  // namespace tarnix
