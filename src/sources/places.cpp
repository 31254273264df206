#include "sources/places.h"

#include <algorithm>

#include "base/text_case.h"
#include "platform/value_text.h"

namespace tarnix {

std::vector<std::string> RunListPlace::Names() const {
  std::vector<std::string> names;
  names.reserve(entries.size());
  for (const NamedValue& entry : entries) names.push_back(entry.name);
  return names;
}

const NamedValue* RunListPlace::Find(const std::string& name) const {
  const std::string folded = FoldCase(name);
  for (const NamedValue& entry : entries) {
    if (FoldCase(entry.name) == folded)
      return &entry;
  }
  return nullptr;
}

std::optional<EntryMark> Places::MarkOf(const StartupSection& section,
                                        const std::string& entry) const {
  if (section.kind == kindRunList) {
    const RunListPlace& runList = runLists[static_cast<size_t>(RunListIndex(section.id))];
    return runList.Find(entry) ? std::optional(runList.marks.Of(entry)) : std::nullopt;
  }
  if (section.kind != kindFolder)
    return std::nullopt;
  const FolderPlace& folder = Folder(section.id);
  const std::string folded = FoldCase(entry);
  for (const std::string& name : folder.entries) {
    if (FoldCase(name) == folded)
      return folder.marks.Of(entry);
  }
  return std::nullopt;
}

bool Places::AnyEdited() const {
  for (const TextFile& file : texts) {
    if (file.edited)
      return true;
  }
  return winIni.edited;
}

void Places::DropEdits() {
  for (TextFile& file : texts) file.edited.reset();
  winIni.edited = false;
}

std::vector<NamedValue> WatchedValues(const RunKeyLocation& where, std::vector<NamedValue> values) {
  if (where.settings.empty())
    return values;
  const auto unwatched = [&where](const NamedValue& entry) {
    return std::none_of(
        where.settings.begin(), where.settings.end(),
        [&entry](const std::string& name) { return FoldCase(name) == FoldCase(entry.name); });
  };
  values.erase(std::remove_if(values.begin(), values.end(), unwatched), values.end());
  return values;
}

namespace {

std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

std::vector<LogonRow> LogonRows(const Places& places) {
  std::vector<LogonRow> rows;
  for (int index = kRunListCount; index < kRegistryListCount; ++index) {
    for (const NamedValue& entry : places.runLists[static_cast<size_t>(index)].entries) {
      rows.push_back({index, entry.name,
                      LogonListLabel(index) + "\t" + OneLine(entry.name) + "\t" +
                          OneLine(ValueText(entry.value))});
    }
  }
  return rows;
}

std::vector<std::string> LogonLines(const Places& places) {
  std::vector<std::string> lines;
  for (const LogonRow& row : LogonRows(places)) lines.push_back(row.text);
  return lines;
}

std::vector<TaskRow> TaskRows(const Places& places) {
  std::vector<TaskRow> rows;
  if (!places.tasks.Readable())
    rows.push_back({"", OneLine(places.tasks.unread.text)});
  for (const ScheduledTask& task : places.tasks.tasks) {
    rows.push_back({task.path,
                    OneLine(TaskFolderOf(task.path)) + "\t" + OneLine(TaskNameOf(task.path)) +
                        "\t" + OneLine(TaskCommand(task)),
                    !task.enabled});
  }
  return rows;
}

std::vector<std::string> TaskLines(const Places& places) {
  std::vector<std::string> lines;
  for (const TaskRow& row : TaskRows(places)) lines.push_back(row.text);
  return lines;
}

RunListPlace ReadRunListPlace(Store& store, int runList) {
  const RunKeyLocation where = RunListKey(runList);
  RunListPlace place;
  if (const OpenedKey key = store.OpenKey(where.root, where.path, false, where.view))
    place.entries = WatchedValues(where, key->ReadValues());
  else if (key.result.failure != StoreFailure::NotFound)
    place.readFailure = key.result.failure;
  return place;
}

TextFile ReadTextFile(Store& store, const std::string& path) {
  TextFile file;
  if (auto lines = store.LoadLines(path)) {
    file.state = TextFile::State::Loaded;
    file.lines = std::move(*lines);
  } else if (store.GetFileAttributes(path) != kInvalidAttributes) {
    file.state = TextFile::State::Unreadable;
  }
  return file;
}

WinIniPlace ReadWinIni(Store& store) {
  return {store.ReadProfileString("win.ini", "windows", "load", ""),
          store.ReadProfileString("win.ini", "windows", "run", "")};
}

FolderPlace ReadFolder(Store& store, const StartupSection& section) {
  FolderPlace folder;
  if (!section.placeKnown)
    return folder;
  for (const FileEntry& entry : store.ListFiles(section.place, "*.*")) {
    // A plain folder is not a startup entry; a folder with any other mark is listed.
    if (entry.attributes == attr::Directory || entry.name == "." || entry.name == "..")
      continue;
    folder.entries.push_back(entry.name);
  }
  folder.marks = ReadMarks(store, section.id);
  return folder;
}

void ReadPlaces(Store& store, const Catalogue& catalogue, Places& places) {
  for (int index = 0; index < kRegistryListCount; ++index) {
    RunListPlace& runList = places.runLists[static_cast<size_t>(index)];
    runList = ReadRunListPlace(store, index);
    runList.marks = ReadMarks(store, catalogue.RunList(index).id);
  }
  for (const StartupSection* section : catalogue.OfKind(kindTextFile))
    places.Text(section->id) = ReadTextFile(store, section->place);
  for (const StartupSection* section : catalogue.OfKind(kindFolder))
    places.Folder(section->id) = ReadFolder(store, *section);
  places.winIni = ReadWinIni(store);
}

}  // namespace tarnix
