// The startup places and where each lies on the running platform.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/store.h"

namespace tarnix {

// kindMarks: a key of Task Manager's enabled and disabled marks for the entries of other places;
// kindTasks: the scheduled tasks that start at boot or logon, read through the scheduler.
enum SectionKind {
  kindRunList = 0,
  kindTextFile = 1,
  kindWinIni = 2,
  kindFolder = 3,
  kindMarks = 4,
  kindTasks = 5
};

// The places in the catalogue's fixed order: the nine of the first pages, then the seven where
// today's Windows starts programs at logon, which have a page of their own, then the five keys
// of Task Manager's marks, shown with the entries they mark, then the scheduled tasks. Everything
// that walks the places (loading, the check, the snapshot) walks them in this order, picking the
// kinds it handles.
enum class SectionId {
  HklmRun,
  HklmRunService,
  HkcuRun,
  Autoexec,
  Config,
  Winini,
  Winstart,
  Startup,
  CommonStartup,
  Hklm32Run,
  HklmRunOnce,
  Hklm32RunOnce,
  HkcuRunOnce,
  HklmPolicyRun,
  HkcuPolicyRun,
  Winlogon,
  HklmRunMarks,
  HkcuRunMarks,
  Hklm32RunMarks,
  StartupMarks,
  CommonStartupMarks,
  ScheduledTasks
};
constexpr int kSectionCount = 22;
constexpr int SectionIndex(SectionId id) {
  return static_cast<int>(id);
}

struct StartupSection {
  SectionId id = SectionId::HklmRun;
  std::string key;  // also the snapshot subkey name
  SectionKind kind = kindRunList;
  // Registry root name and key path, file path, or folder path ending in "\". For a folder
  // that could not be determined it is empty and `placeKnown` is false: such a section holds
  // nothing and no command lists, writes or deletes anything there.
  std::string place;
  bool placeKnown = true;
  // A folder section: the Shell Folders value that names its folder, to tell the user which
  // value to mend when it names none.
  std::string source;
};

// Where a registry list lives, and what of it is watched.
struct RunKeyLocation {
  Root root = Root::LocalMachine;
  std::string path;  // begins with "\"
  RegView view = RegView::Default;
  // A key of settings rather than a list (Winlogon): only these values are watched, a line of
  // the check names its value, and none is deleted, since Windows needs each one to log on.
  std::vector<std::string> settings;
  // Windows deletes each entry once it has started it (RunOnce): an entry that is gone is no
  // change, and changing back never makes it again.
  bool startsOnce = false;
};

// The run lists: the three of the Registry page (0 HKLM Run, 1 HKLM RunServices, 2 HKCU Run),
// then the seven of the Logon page, in the catalogue's order.
constexpr int kRunListCount = 3;
constexpr int kRegistryListCount = 10;
constexpr bool IsLogonList(int index) {
  return index >= kRunListCount;
}
// The run-list index of a run-list section.
constexpr int RunListIndex(SectionId id) {
  const int first = SectionIndex(SectionId::Hklm32Run);
  return SectionIndex(id) < first ? SectionIndex(id) : SectionIndex(id) - first + kRunListCount;
}
RunKeyLocation RunListKey(int index);
// A logon list as the Logon page names it ("HKLM RunOnce (32-bit)").
std::string LogonListLabel(int index);

// The marks section of a place whose entries Task Manager marks (the HKLM and HKCU run lists,
// the 32-bit one and the startup folders); none for another place.
std::optional<SectionId> MarksSectionOf(SectionId place);
// Where a marks section's key lies; it holds a binary value named as each marked entry.
RunKeyLocation MarkKeyLocation(SectionId marks);

// Where the shell names each user's folders (HKEY_CURRENT_USER) and the common ones
// (HKEY_LOCAL_MACHINE).
inline constexpr char kShellFoldersKey[] =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The program's own key under HKEY_LOCAL_MACHINE, and the snapshot below it: one subkey per
// section, named by the section's key.
inline constexpr char kProductKey[] = "\\Software\\Movenda\\Tarnix2";
inline constexpr char kSnapshotRoot[] = "\\Software\\Movenda\\Tarnix2\\Save";
// kSnapshotRoot + "\" + the section key.
std::string SnapshotKeyPath(const std::string& sectionKey);

class Catalogue {
 public:
  std::vector<StartupSection> sections;  // in the order of SectionId
  bool isNT = false;
  std::string btnWinsCaption;
  std::string windowsFolder;

  const StartupSection* Find(const std::string& key) const;
  const StartupSection& Section(SectionId id) const;
  // The sections of one kind, in the catalogue's order.
  std::vector<const StartupSection*> OfKind(SectionKind kind) const;
  // The section of a run-list index.
  const StartupSection& RunList(int index) const;
};

// The current user's shell folder ("Programs", "Desktop", "Local AppData") with "\" appended.
// Nothing when the key cannot be opened or the value is empty or not a string: a file never
// lands at the root of a drive, and no odd value stops a command half-way. `unread`, when
// given, takes why a key that is there could not be opened.
std::optional<std::string> ShellFolder(Store& store, const std::string& valueName,
                                       StoreResult* unread = nullptr);

// Asks the platform once for the Windows folder and version and reads the two startup folders
// from the Shell Folders keys.
Catalogue BuildCatalogue(Store& store);

}  // namespace tarnix
