#include "sources/loading.h"

namespace tarnix {

namespace {

const char* const kTextSections[] = {"Config", "Autoexec", "Winstart"};
const char* const kFolderSections[] = {"Startup", "Common Startup"};

bool IsDotEntry(const std::string& name) {
  return name == "." || name == "..";
}

void LoadTextSection(Workspace& ws, const char* key) {
  const StartupSection* section = ws.catalogue.Find(key);
  if (section == nullptr) {
    return;
  }
  if (auto* page = dynamic_cast<ui::TextPage*>(section->view)) {
    LoadTextPage(ws, section->place, *page);
  }
}

void ListFolderSection(Workspace& ws, const char* key) {
  if (const StartupSection* section = ws.catalogue.Find(key)) {
    ListStartupFolder(ws, *section);
  }
}

}  // namespace

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

void LoadTextPage(Workspace& ws, const std::string& path, ui::TextPage& page) {
  page.SetWordWrap(false);
  if (auto lines = ws.store.LoadLines(path)) {
    page.SetLines(*lines);
  }
}

void LoadWinIni(Workspace& ws) {
  ws.views.load->SetText(ws.store.ReadProfileString("win.ini", "windows", "load", ""));
  ws.views.run->SetText(ws.store.ReadProfileString("win.ini", "windows", "run", ""));
}

void ListStartupFolder(Workspace& ws, const StartupSection& section) {
  auto* list = dynamic_cast<ui::ListBox*>(section.view);
  if (list == nullptr || !section.placeKnown) {
    return;
  }
  for (const FileEntry& entry : ws.store.ListFiles(section.place, "*.*")) {
    // A plain folder is not a startup entry; a folder with any other mark is listed.
    if (entry.attributes == attr::Directory || IsDotEntry(entry.name)) {
      continue;
    }
    list->Add(entry.name);
  }
}

void LoadTextPages(Workspace& ws) {
  for (const char* key : kTextSections) {
    LoadTextSection(ws, key);
  }
}

void ListStartupFolders(Workspace& ws) {
  for (const char* key : kFolderSections) {
    ListFolderSection(ws, key);
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

bool AnyTextModified(const Workspace& ws) {
  const PlaceViews& v = ws.views;
  return v.autoex->Modified() || v.config->Modified() || v.winstart->Modified() ||
         v.load->Modified() || v.run->Modified();
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
