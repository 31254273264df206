#include "sources/catalogue.h"

#include <stdexcept>

#include "platform/registry_keys.h"

namespace tarnix {

namespace {

const SectionId kRunListIds[kRegistryListCount] = {
    SectionId::HklmRun,     SectionId::HklmRunService, SectionId::HkcuRun,
    SectionId::Hklm32Run,   SectionId::HklmRunOnce,    SectionId::Hklm32RunOnce,
    SectionId::HkcuRunOnce, SectionId::HklmPolicyRun,  SectionId::HkcuPolicyRun,
    SectionId::Winlogon};
// The snapshot subkeys: the first three as they always were, the others new names.
const char* const kRunListKeys[kRegistryListCount] = {
    "HKLM_Run",       "HKLM_RunService", "HKCU_Run",       "HKLM32_Run",     "HKLM_RunOnce",
    "HKLM32_RunOnce", "HKCU_RunOnce",    "HKLM_PolicyRun", "HKCU_PolicyRun", "Winlogon"};
const char* const kLogonLabels[kRegistryListCount - kRunListCount] = {
    "HKLM Run (32-bit)", "HKLM RunOnce",      "HKLM RunOnce (32-bit)", "HKCU RunOnce",
    "HKLM Policies Run", "HKCU Policies Run", "HKLM Winlogon"};

const SectionId kMarkIds[] = {SectionId::HklmRunMarks, SectionId::HkcuRunMarks,
                              SectionId::Hklm32RunMarks, SectionId::StartupMarks,
                              SectionId::CommonStartupMarks};
// New snapshot subkeys, beside those of the places they mark.
const char* const kMarkKeys[] = {"HKLM_RunMarks", "HKCU_RunMarks", "HKLM32_RunMarks",
                                 "Startup_Marks", "CommonStartup_Marks"};

StartupSection MarksSection(size_t index) {
  const RunKeyLocation location = MarkKeyLocation(kMarkIds[index]);
  return StartupSection{kMarkIds[index], kMarkKeys[index], kindMarks,
                        RootName(location.root) + location.path};
}

StartupSection RunListSection(int index) {
  RunKeyLocation location = RunListKey(index);
  const char* const view = location.view == RegView::Bits32 ? " (32-bit)" : "";
  return StartupSection{kRunListIds[index], kRunListKeys[index], kindRunList,
                        RootName(location.root) + location.path + view};
}

std::string BtnWinsCaption(uint32_t platformId) {
  switch (platformId) {
    case 0:
      return "Win32s";
    case 1:
      return "Win95/98";
    case 2:
      return "Win NT ";
    default:
      return "";
  }
}

// A drive path ("C:\...") or a network path ("\\server\..."); anything else would be
// resolved against whatever the current folder is.
bool IsAbsolutePath(const std::string& path) {
  auto separator = [](char c) { return c == '\\' || c == '/'; };
  if (path.size() >= 3 && separator(path[0]) && separator(path[1]))
    return !separator(path[2]);
  bool letter = path.size() >= 3 &&
                ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return letter && path[1] == ':' && separator(path[2]);
}

// The folder the Shell Folders key of `root` names, as the key holds it; nothing when the key
// cannot be opened or the value is empty or not a string. `unread` as for ShellFolder.
std::optional<std::string> ShellFoldersValue(Store& store, Root root, const std::string& valueName,
                                             StoreResult* unread) {
  const OpenedKey key = store.OpenKey(root, kShellFoldersKey, false);
  if (!key && unread && key.result.failure != StoreFailure::NotFound)
    *unread = key.result;
  if (!key)
    return std::nullopt;
  const std::optional<RegValue> value = key->ReadValue(valueName);
  if (!value || !value->IsString() || value->data.empty())
    return std::nullopt;
  return value->data;
}

std::string WithBackslash(const std::string& folder) {
  return folder.back() == '\\' ? folder : folder + "\\";
}

// A folder the Shell Folders key does not name (key or value missing, not a string, not an
// absolute path, or no folder there) stays unknown, so that nothing outside the real startup
// folders is ever listed, and its empty listing never replaces the approved one.
StartupSection FolderSection(Store& store, SectionId id, const char* key, Root root,
                             const char* valueName) {
  StartupSection section{id, key,   kindFolder,
                         "", false, RootName(root) + kShellFoldersKey + "\\" + valueName};
  const std::optional<std::string> folder = ShellFoldersValue(store, root, valueName, nullptr);
  if (!folder || !IsAbsolutePath(*folder) || !store.IsFolder(*folder))
    return section;
  section.place = WithBackslash(*folder);
  section.placeKnown = true;
  return section;
}

}  // namespace

std::optional<std::string> ShellFolder(Store& store, const std::string& valueName,
                                       StoreResult* unread) {
  const std::optional<std::string> folder =
      ShellFoldersValue(store, Root::CurrentUser, valueName, unread);
  return folder ? std::optional<std::string>(WithBackslash(*folder)) : std::nullopt;
}

std::string SnapshotKeyPath(const std::string& sectionKey) {
  return std::string(kSnapshotRoot) + "\\" + sectionKey;
}

RunKeyLocation RunListKey(int index) {
  const std::string version = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
  const std::string run = version + "\\Run", runOnce = version + "\\RunOnce";
  const std::string policyRun = version + "\\Policies\\Explorer\\Run";
  const Root machine = Root::LocalMachine, user = Root::CurrentUser;
  const RegView bits32 = RegView::Bits32;
  switch (index) {
    case 0:
      return {machine, run};
    case 1:
      return {machine, run + "Services"};
    case 2:
      return {user, run};
    case 3:
      return {machine, run, bits32};
    case 4:
      return {machine, runOnce, RegView::Default, {}, true};
    case 5:
      return {machine, runOnce, bits32, {}, true};
    case 6:
      return {user, runOnce, RegView::Default, {}, true};
    case 7:
      return {machine, policyRun};
    case 8:
      return {user, policyRun};
    case 9:
      return {machine,
              "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
              RegView::Default,
              {"Shell", "Userinit"}};
    default:
      throw std::out_of_range("run-list index " + std::to_string(index));
  }
}

std::optional<SectionId> MarksSectionOf(SectionId place) {
  switch (place) {
    case SectionId::HklmRun:
      return SectionId::HklmRunMarks;
    case SectionId::HkcuRun:
      return SectionId::HkcuRunMarks;
    case SectionId::Hklm32Run:
      return SectionId::Hklm32RunMarks;
    case SectionId::Startup:
      return SectionId::StartupMarks;
    case SectionId::CommonStartup:
      return SectionId::CommonStartupMarks;
    default:
      return std::nullopt;
  }
}

RunKeyLocation MarkKeyLocation(SectionId marks) {
  const std::string approved =
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
  const Root machine = Root::LocalMachine, user = Root::CurrentUser;
  switch (marks) {
    case SectionId::HklmRunMarks:
      return {machine, approved + "Run"};
    case SectionId::HkcuRunMarks:
      return {user, approved + "Run"};
    // The 32-bit view's entries are marked in the native view, under a name of their own.
    case SectionId::Hklm32RunMarks:
      return {machine, approved + "Run32"};
    case SectionId::StartupMarks:
      return {user, approved + "StartupFolder"};
    case SectionId::CommonStartupMarks:
      return {machine, approved + "StartupFolder"};
    default:
      throw std::out_of_range("not a marks section");
  }
}

std::string LogonListLabel(int index) {
  if (!IsLogonList(index) || index >= kRegistryListCount)
    throw std::out_of_range("logon list " + std::to_string(index));
  return kLogonLabels[index - kRunListCount];
}

const StartupSection* Catalogue::Find(const std::string& key) const {
  for (const auto& section : sections) {
    if (section.key == key)
      return &section;
  }
  return nullptr;
}

const StartupSection& Catalogue::Section(SectionId id) const {
  const size_t index = static_cast<size_t>(SectionIndex(id));
  if (index >= sections.size())
    throw std::logic_error("the catalogue has not been built");
  return sections[index];
}

std::vector<const StartupSection*> Catalogue::OfKind(SectionKind kind) const {
  std::vector<const StartupSection*> found;
  for (const auto& section : sections) {
    if (section.kind == kind)
      found.push_back(&section);
  }
  return found;
}

const StartupSection& Catalogue::RunList(int index) const {
  if (index < 0 || index >= kRegistryListCount) {
    throw std::out_of_range("run-list index " + std::to_string(index));
  }
  return Section(kRunListIds[index]);
}

Catalogue BuildCatalogue(Store& store) {
  Catalogue catalogue;
  catalogue.windowsFolder = store.WindowsFolder();
  const std::string& windows = catalogue.windowsFolder;
  uint32_t platformId = store.PlatformVersion().platformId;
  catalogue.btnWinsCaption = BtnWinsCaption(platformId);
  catalogue.isNT = platformId == 2;

  const bool nt = catalogue.isNT;
  StartupSection autoexec{SectionId::Autoexec, "Autoexec", kindTextFile,
                          nt ? windows + "\\SYSTEM32\\AUTOEXEC.NT" : "C:\\AUTOEXEC.BAT"};
  StartupSection config{SectionId::Config, "Config", kindTextFile,
                        nt ? windows + "\\SYSTEM32\\CONFIG.NT" : "C:\\CONFIG.SYS"};
  StartupSection winstart{SectionId::Winstart, "Winstart", kindTextFile,
                          windows + "\\winstart.bat"};
  // Only shown, as the heading of the win.ini reports and their log entries: the file itself.
  StartupSection winini{SectionId::Winini, "Winini", kindWinIni, windows + "\\win.ini"};
  StartupSection startup =
      FolderSection(store, SectionId::Startup, "Startup", Root::CurrentUser, "StartUp");
  StartupSection commonStartup = FolderSection(store, SectionId::CommonStartup, "Common Startup",
                                               Root::LocalMachine, "Common StartUp");

  catalogue.sections = {
      RunListSection(0), RunListSection(1), RunListSection(2), autoexec, config, winini,
      winstart,          startup,           commonStartup};
  for (int index = kRunListCount; index < kRegistryListCount; ++index)
    catalogue.sections.push_back(RunListSection(index));
  for (size_t index = 0; index < std::size(kMarkIds); ++index)
    catalogue.sections.push_back(MarksSection(index));
  catalogue.sections.push_back(
      {SectionId::ScheduledTasks, "StartupTasks", kindTasks, "Scheduled tasks at boot and logon"});
  return catalogue;
}

}  // namespace tarnix
