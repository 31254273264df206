#include "platform/shortcuts_win32.h"

#include <windows.h>

#include <objbase.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <string>

#include "base/com_win32.h"
#include "base/unicode_win32.h"
#include "platform/link_file.h"
#include "platform/store_win32.h"

namespace tarnix {

namespace {

// The longest path the platform takes, so no property is cut short.
constexpr int kTextCapacity = 32768;

// One shell-link object with its persist-file interface, released in that order. A failed
// call leaves its pointer null, as COM has it.
class LinkObject {
 public:
  LinkObject() {
    if (SUCCEEDED(CreateComObject(CLSID_ShellLink, IID_IShellLinkW, link_.put_void())))
      static_cast<void>(link_->QueryInterface(IID_IPersistFile, file_.put_void()));
  }

  bool Usable() const { return link_.valid() && file_.valid(); }
  // The shell's loader can read past the end of a file cut short and crash: it is given only
  // files that hold a whole link.
  bool Load(const std::string& path) {
    const std::optional<std::string> bytes = Win32Store().ReadBytes(path);
    return bytes && IsWholeLinkFile(*bytes) &&
           SUCCEEDED(file_->Load(Widen(path).c_str(), STGM_READ));
  }
  HRESULT Save(const std::string& path) { return file_->Save(Widen(path).c_str(), TRUE); }

  ShortcutFields Fields() {
    ShortcutFields fields;
    fields.target = Text([this](LPWSTR buffer, int size) {
      return link_->GetPath(buffer, size, nullptr, SLGP_UNCPRIORITY);
    });
    fields.arguments =
        Text([this](LPWSTR buffer, int size) { return link_->GetArguments(buffer, size); });
    fields.workingDirectory =
        Text([this](LPWSTR buffer, int size) { return link_->GetWorkingDirectory(buffer, size); });
    return fields;
  }

  void Set(const ShortcutProperties& properties) {
    if (properties.target)
      link_->SetPath(Widen(*properties.target).c_str());
    if (properties.arguments)
      link_->SetArguments(Widen(*properties.arguments).c_str());
    if (properties.description)
      link_->SetDescription(Widen(*properties.description).c_str());
    if (properties.workingDirectory)
      link_->SetWorkingDirectory(Widen(*properties.workingDirectory).c_str());
  }

 private:
  // A property read into a buffer that starts empty, so a failing call gives "".
  template <class Getter>
  static std::string Text(Getter get) {
    std::wstring buffer(kTextCapacity, L'\0');
    if (FAILED(get(buffer.data(), kTextCapacity)))
      return "";
    buffer[kTextCapacity - 1] = L'\0';
    return Narrow(buffer.c_str());
  }

  ComPtr<IShellLinkW> link_;
  ComPtr<IPersistFile> file_;
};

// Why the shortcut was not written, or None.
StoreFailure Written(const std::string& linkPath, const ShortcutProperties& properties,
                     bool keepExisting) {
  ComScope com;
  LinkObject link;
  if (!link.Usable() || (keepExisting && !link.Load(linkPath)))
    return StoreFailure::Other;
  link.Set(properties);
  const HRESULT saved = link.Save(linkPath);
  if (saved == HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED))
    return StoreFailure::AccessDenied;
  return saved == S_OK ? StoreFailure::None : StoreFailure::Other;
}

}  // namespace

std::optional<ShortcutFields> Win32Shortcuts::ReadShortcut(const std::string& linkPath) {
  ComScope com;
  LinkObject link;
  if (!link.Usable() || !link.Load(linkPath))
    return std::nullopt;
  return link.Fields();
}

StoreResult Win32Shortcuts::Save(const std::string& linkPath, const ShortcutProperties& properties,
                                 bool keepExisting) {
  return Outcome(Written(linkPath, properties, keepExisting),
                 "Cannot write the shortcut " + linkPath);
}

}  // namespace tarnix
