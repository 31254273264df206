// What every startup place holds, apart from the windows: read from the store, read again on
// every refresh, and marked where the user edited it. The check, the snapshot, Save, the
// export, Find and every command work on this; the main window's controls only show it and
// hand the user's edits back to it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/store.h"
#include "sources/catalogue.h"
#include "sources/startup_marks.h"
#include "sources/startup_tasks.h"

namespace tarnix {

// A registry run list. A key that does not exist is an empty list; one that exists but cannot
// be read holds nothing that is known, and is never taken for an empty one.
struct RunListPlace {
  StoreFailure readFailure = StoreFailure::None;  // why the key could not be read
  std::vector<NamedValue> entries;                // in the key's order
  PlaceMarks marks;                               // Task Manager's, for the lists it shows

  bool Readable() const { return readFailure == StoreFailure::None; }
  std::vector<std::string> Names() const;
  // The entry of that name, compared without regard to case; null when there is none.
  const NamedValue* Find(const std::string& name) const;
};

// A text file as it was last read, and the user's edit of it. The check, the snapshot and the
// writes work on these lines; the page only shows them.
struct TextFile {
  enum class State { Missing, Unreadable, Loaded };
  State state = State::Missing;
  std::vector<std::string> lines;  // what the file holds
  // What the user made of it on its page, until it is saved or dropped.
  std::optional<std::vector<std::string>> edited;
  // Empty when the page shows the lines exactly; otherwise why it does not, and the page is
  // read-only.
  std::string shownPartly;

  // The lines as the user sees them: the edit, otherwise the file.
  const std::vector<std::string>& Held() const { return edited ? *edited : lines; }
};

// The load and run values of win.ini, as read or as the user typed them.
struct WinIniPlace {
  std::string load, run;
  bool edited = false;
};

// A startup folder's entries as listed: every file and every folder with more than the folder
// mark, "." and ".." never; none for a folder that is not known.
struct FolderPlace {
  std::vector<std::string> entries;
  PlaceMarks marks;  // Task Manager's, by file name
};

// One line of the Logon page: the list, the entry, and the text shown (place, name and command
// in columns, each without the tabs and line breaks that would break them).
struct LogonRow {
  int runList;
  std::string name;
  std::string text;
};

// One line of the Tasks page: the task's path, the text shown (folder, name and command in
// columns) and whether it is greyed (a disabled task). The line that says why the listing failed
// has no path.
struct TaskRow {
  std::string path;
  std::string text;
  bool greyed = false;
};

struct Places {
  std::array<RunListPlace, kRegistryListCount> runLists;  // by run-list index
  std::array<TextFile, kSectionCount> texts;              // by SectionIndex; text sections only
  std::array<FolderPlace, kSectionCount> folders;         // by SectionIndex; folder sections only
  WinIniPlace winIni;
  std::vector<ServiceEntry> services;  // the active ones with a display name, as listed
  // As last listed, by the check or for the Tasks page; not read until then.
  TaskPlace tasks{{StoreFailure::Other, "The scheduled tasks have not been listed yet."}, {}};

  TextFile& Text(SectionId id) { return texts[Index(id)]; }
  const TextFile& Text(SectionId id) const { return texts[Index(id)]; }
  FolderPlace& Folder(SectionId id) { return folders[Index(id)]; }
  const FolderPlace& Folder(SectionId id) const { return folders[Index(id)]; }
  // Task Manager's mark on the entry of a run list or folder section; nothing when the place
  // holds no such entry. Names compare without regard to case.
  std::optional<EntryMark> MarkOf(const StartupSection& section, const std::string& entry) const;
  // Whether the user edited a text or the win.ini values since they were read or saved.
  bool AnyEdited() const;
  void DropEdits();

 private:
  static size_t Index(SectionId id) { return static_cast<size_t>(SectionIndex(id)); }
};

// The entries of the logon lists, in the catalogue's order.
std::vector<LogonRow> LogonRows(const Places& places);
// Their texts, as the Logon page shows them.
std::vector<std::string> LogonLines(const Places& places);

// The lines of the Tasks page: the listing's failure first, where it failed, then each task.
std::vector<TaskRow> TaskRows(const Places& places);
std::vector<std::string> TaskLines(const Places& places);

// The values of the key that are watched: all of a list, only its settings of a key of settings.
std::vector<NamedValue> WatchedValues(const RunKeyLocation& where, std::vector<NamedValue> values);

// Reading each kind of place from the store. A key of settings holds only the values watched. A
// run list is read without its marks: they are read by its section (ReadMarks).
RunListPlace ReadRunListPlace(Store& store, int runList);
TextFile ReadTextFile(Store& store, const std::string& path);
WinIniPlace ReadWinIni(Store& store);
FolderPlace ReadFolder(Store& store, const StartupSection& section);
// Every place of the catalogue, edits dropped.
void ReadPlaces(Store& store, const Catalogue& catalogue, Places& places);

}  // namespace tarnix
