#include "sources/loading.h"

namespace tarnix {

namespace {

bool IsDotEntry(const std::string& name) {
  return name == "." || name == "..";
}

// Empty when the page shows the lines exactly; otherwise the note that says where it stops.
std::string ShownPartly(const std::string& path, const std::vector<std::string>& lines,
                        const std::vector<std::string>& shown) {
  if (shown == lines)
    return "";
  size_t line = 0;
  while (line < lines.size() && line < shown.size() && lines[line] == shown[line]) ++line;
  return path + " is shown read-only: from line " + std::to_string(line + 1) +
         " on it holds what the page cannot show.";
}

void ShowNotes(Workspace& ws) {
  if (ws.views.status == nullptr)
    return;
  std::string notes;
  for (const TextFile& file : ws.texts) {
    if (!file.shownPartly.empty())
      notes += (notes.empty() ? "" : " ") + file.shownPartly;
  }
  ws.views.status->SetPanelText(0, notes);
}

}  // namespace

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

std::vector<std::string> StartupFolderNames(Store& store, const StartupSection& section) {
  std::vector<std::string> names;
  if (!section.placeKnown)
    return names;
  for (const FileEntry& entry : store.ListFiles(section.place, "*.*")) {
    // A plain folder is not a startup entry; a folder with any other mark is listed.
    if (entry.attributes == attr::Directory || IsDotEntry(entry.name)) {
      continue;
    }
    names.push_back(entry.name);
  }
  return names;
}

void LoadRunList(Workspace& ws, int index) {
  ui::ListBox* list = ws.views.runLists[index];
  const RunKeyLocation where = RunListKey(index);
  std::vector<std::string> names;
  if (auto key = ws.store.OpenKey(where.root, where.path, false)) {
    names = key->GetValueNames();
  }
  for (const std::string& name : names) {
    list->Add(name);
  }
}

void LoadTextPage(Workspace& ws, const StartupSection& section) {
  TextFile& file = ws.Text(section.id);
  file = ReadTextFile(ws.store, section.place);
  ui::TextPage* page = ws.views.Page(section.id);
  if (page == nullptr)
    return;
  page->SetWordWrap(false);
  page->SetReadOnly(false);
  if (file.state == TextFile::State::Loaded) {
    page->SetLines(file.lines);
    file.shownPartly = ShownPartly(section.place, file.lines, page->Lines());
    page->SetReadOnly(!file.shownPartly.empty());
  }
  ShowNotes(ws);
}

void LoadWinIni(Workspace& ws) {
  ws.views.load->SetText(ws.store.ReadProfileString("win.ini", "windows", "load", ""));
  ws.views.run->SetText(ws.store.ReadProfileString("win.ini", "windows", "run", ""));
}

void ListStartupFolder(Workspace& ws, const StartupSection& section) {
  ui::ListBox* list = ws.views.List(section.id);
  if (list == nullptr) {
    return;
  }
  for (const std::string& name : StartupFolderNames(ws.store, section)) {
    list->Add(name);
  }
}

void LoadTextPages(Workspace& ws) {
  for (const StartupSection* section : ws.catalogue.OfKind(kindTextFile)) {
    LoadTextPage(ws, *section);
  }
}

void ListStartupFolders(Workspace& ws) {
  for (const StartupSection* section : ws.catalogue.OfKind(kindFolder)) {
    ListStartupFolder(ws, *section);
  }
}

void RefreshAll(Workspace& ws) {
  PlaceViews& v = ws.views;
  for (ui::ListBox* list : v.runLists) {
    list->Clear();
  }
  v.winstart->Clear();
  v.lsbStart->Clear();
  v.lsbComSt->Clear();
  v.autoex->Clear();
  v.config->Clear();
  v.load->SetText("");
  v.run->SetText("");
  for (int index = 0; index < kRunListCount; ++index) {
    LoadRunList(ws, index);
  }
  LoadTextPages(ws);
  LoadWinIni(ws);
  ListStartupFolders(ws);
  // What the texts show now is the stored state.
  ClearModifiedMarks(ws);
  ws.dataChanged = false;
}

std::vector<std::string> HeldLines(const Workspace& ws, const StartupSection& section) {
  const TextFile& file = ws.Text(section.id);
  const ui::TextPage* page = ws.views.Page(section.id);
  if (page != nullptr && page->Modified() && file.shownPartly.empty())
    return page->Lines();
  return file.lines;
}

void TakePageAsFile(Workspace& ws, const StartupSection& section) {
  TextFile& file = ws.Text(section.id);
  if (ui::TextPage* page = ws.views.Page(section.id)) {
    file.state = TextFile::State::Loaded;
    file.lines = page->Lines();
  }
}

bool AnyTextModified(const Workspace& ws) {
  const PlaceViews& v = ws.views;
  // A workspace without the main window's pages holds no edits.
  const auto modified = [](const auto* control) { return control && control->Modified(); };
  return modified(v.autoex) || modified(v.config) || modified(v.winstart) || modified(v.load) ||
         modified(v.run);
}

void ClearModifiedMarks(Workspace& ws) {
  PlaceViews& v = ws.views;
  v.autoex->SetModified(false);
  v.config->SetModified(false);
  v.winstart->SetModified(false);
  v.load->SetModified(false);
  v.run->SetModified(false);
}

}  // namespace tarnix
