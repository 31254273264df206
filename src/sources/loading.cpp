#include "sources/loading.h"

#include <algorithm>
#include <initializer_list>

#include "sources/task_page.h"

namespace tarnix {

namespace {

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
  if (ws.views.status != nullptr)
    ws.views.status->SetPanelText(0, PageNotes(ws));
}

void ShowList(ui::ListBox* list, const std::vector<std::string>& lines) {
  if (list == nullptr)
    return;
  list->Clear();
  for (const std::string& line : lines) list->Add(line);
}

// The lines of the run list's list box: the names of a Registry page list, or every line of
// the Logon page.
std::vector<std::string> ShownLines(const Workspace& ws, int index) {
  return IsLogonList(index) ? LogonLines(ws.places)
                            : ws.places.runLists[static_cast<size_t>(index)].Names();
}

// The list box that shows run list `index`: its own on the Registry page, or the Logon page's.
ui::ListBox* ShownIn(const Workspace& ws, int index) {
  return IsLogonList(index) ? ws.views.lsbLogon : ws.views.runLists[index];
}

// Whether each of those lines is of an entry that Task Manager disabled.
std::vector<bool> GreyedLines(const Workspace& ws, int index) {
  std::vector<bool> greyed;
  const auto& lists = ws.places.runLists;
  if (!IsLogonList(index)) {
    for (const NamedValue& entry : lists[static_cast<size_t>(index)].entries)
      greyed.push_back(lists[static_cast<size_t>(index)].marks.Of(entry.name).disabled);
  } else {
    for (const LogonRow& row : LogonRows(ws.places))
      greyed.push_back(lists[static_cast<size_t>(row.runList)].marks.Of(row.name).disabled);
  }
  return greyed;
}

void GreyLines(ui::ListBox* list, const std::vector<bool>& greyed) {
  if (list == nullptr)
    return;
  const int count = std::min(list->Count(), static_cast<int>(greyed.size()));
  for (int i = 0; i < count; ++i) list->SetItemGreyed(i, greyed[static_cast<size_t>(i)]);
}

// A list shown again loses its selection: one that already shows these lines stays.
void ShowIfChanged(Workspace& ws, int index) {
  ui::ListBox* list = ShownIn(ws, index);
  if (list != nullptr && list->Items() != ShownLines(ws, index))
    ShowList(list, ShownLines(ws, index));
  GreyLines(list, GreyedLines(ws, index));
}

// A run list as the store holds it, with Task Manager's marks on its entries.
void ReadRunList(Workspace& ws, int index) {
  RunListPlace& runList = ws.places.runLists[static_cast<size_t>(index)];
  runList = ReadRunListPlace(ws.store, index);
  runList.marks = ReadMarks(ws.store, ws.catalogue.RunList(index).id);
}

// A page that shows its file whole hands its lines over; one that shows less is read-only.
void BindPage(Workspace& ws, SectionId id) {
  ui::TextPage* page = ws.views.Page(id);
  if (page == nullptr)
    return;
  page->onChange = [&ws, id, page] {
    TextFile& file = ws.places.Text(id);
    if (file.shownPartly.empty())
      file.edited = page->Lines();
  };
}

void BindWinIniBox(Workspace& ws, ui::EditBox* box, std::string WinIniPlace::*value) {
  if (box == nullptr)
    return;
  box->onChange = [&ws, box, value] {
    ws.places.winIni.*value = box->Text();
    ws.places.winIni.edited = true;
  };
}

// A workspace without the main window's pages has none to clear.
template <typename Control>
void ClearMarks(std::initializer_list<Control*> controls) {
  for (Control* control : controls) {
    if (control != nullptr)
      control->SetModified(false);
  }
}

}  // namespace

std::string PageNotes(const Workspace& ws) {
  std::string notes;
  for (const TextFile& file : ws.places.texts) {
    if (!file.shownPartly.empty())
      notes += (notes.empty() ? "" : " ") + file.shownPartly;
  }
  return notes;
}

void LoadRunList(Workspace& ws, int index) {
  ReadRunList(ws, index);
  ShowIfChanged(ws, index);
}

void ShowRunList(Workspace& ws, int index) {
  ShowList(ShownIn(ws, index), ShownLines(ws, index));
  GreyLines(ShownIn(ws, index), GreyedLines(ws, index));
}

void LoadLogonLists(Workspace& ws) {
  for (int index = kRunListCount; index < kRegistryListCount; ++index) ReadRunList(ws, index);
  ShowIfChanged(ws, kRunListCount);
}

void LoadTextPage(Workspace& ws, const StartupSection& section) {
  TextFile& file = ws.places.Text(section.id);
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
  ws.places.winIni = ReadWinIni(ws.store);
  ShowWinIni(ws);
}

void ShowWinIni(Workspace& ws) {
  if (ws.views.load == nullptr || ws.views.run == nullptr)
    return;
  ws.views.load->SetText(ws.places.winIni.load);
  ws.views.run->SetText(ws.places.winIni.run);
}

void ListStartupFolder(Workspace& ws, const StartupSection& section) {
  FolderPlace& folder = ws.places.Folder(section.id);
  folder = ReadFolder(ws.store, section);
  ShowList(ws.views.List(section.id), folder.entries);
  std::vector<bool> greyed;
  for (const std::string& name : folder.entries) greyed.push_back(folder.marks.Of(name).disabled);
  GreyLines(ws.views.List(section.id), greyed);
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
  v.winstart->Clear();
  v.autoex->Clear();
  v.config->Clear();
  for (int index = 0; index < kRunListCount; ++index) {
    LoadRunList(ws, index);
  }
  LoadLogonLists(ws);
  LoadTextPages(ws);
  LoadWinIni(ws);
  ListStartupFolders(ws);
  LoadStartupTasks(ws);
  // What the texts show now is the stored state.
  ClearModifiedMarks(ws);
  ws.dataChanged = false;
}

void BindPlaceEdits(Workspace& ws) {
  for (const SectionId id : {SectionId::Autoexec, SectionId::Config, SectionId::Winstart})
    BindPage(ws, id);
  BindWinIniBox(ws, ws.views.load, &WinIniPlace::load);
  BindWinIniBox(ws, ws.views.run, &WinIniPlace::run);
}

void TakeEditAsFile(Workspace& ws, SectionId id) {
  TextFile& file = ws.places.Text(id);
  if (!file.edited)
    return;
  file.state = TextFile::State::Loaded;
  file.lines = std::move(*file.edited);
  file.edited.reset();
  if (ui::TextPage* page = ws.views.Page(id))
    page->SetModified(false);
}

void TakeWinIniAsSaved(Workspace& ws) {
  ws.places.winIni.edited = false;
  ClearMarks({ws.views.load, ws.views.run});
}

void ReloadPlace(Workspace& ws, const StartupSection& section) {
  switch (section.kind) {
    case kindTextFile:
      if (ui::TextPage* page = ws.views.Page(section.id))
        page->Clear();
      LoadTextPage(ws, section);
      break;
    case kindFolder:
      ListStartupFolder(ws, section);
      break;
    case kindRunList:
      LoadRunList(ws, RunListIndex(section.id));
      break;
    case kindWinIni:
      LoadWinIni(ws);
      break;
    // The marks are shown with the entries they mark.
    case kindMarks:
      for (int index = 0; index < kRegistryListCount; ++index) LoadRunList(ws, index);
      ListStartupFolders(ws);
      break;
    case kindTasks:
      LoadStartupTasks(ws);
      break;
  }
}

bool AnyTextModified(const Workspace& ws) {
  return ws.places.AnyEdited();
}

void ClearModifiedMarks(Workspace& ws) {
  ws.places.DropEdits();
  const PlaceViews& v = ws.views;
  ClearMarks({v.autoex, v.config, v.winstart});
  ClearMarks({v.load, v.run});
}

}  // namespace tarnix
