#include "watchdog/save_command.h"

#include "sources/loading.h"
#include "watchdog/snapshot_store.h"

namespace tarnix {

namespace {

const char* const kTextSections[] = {"Autoexec", "Config", "Winstart"};

void ShowError(Workspace& ws, const std::string& text) {
  ws.toolkit.MessageBox(ws.mainForm, text, "Error!", ui::mb::Ok | ui::mb::IconStop);
}

ui::TextPage* PageOf(const StartupSection& section) {
  return dynamic_cast<ui::TextPage*>(section.view);
}

void SnapshotSections(Workspace& ws) {
  Store& store = ws.store;
  for (const char* key : kTextSections) {
    const StartupSection* section = ws.catalogue.Find(key);
    if (ui::TextPage* page = section ? PageOf(*section) : nullptr) {
      WriteSnapshotLines(store, SnapshotKeyPath(key), page->Lines());
    }
  }
  for (int index = 0; index < kRunListCount; ++index) {
    const RunKeyLocation live = RunListKey(index);
    SnapshotRunKey(store, SnapshotKeyPath(ws.catalogue.RunList(index).key), live.root, live.path);
  }
  WriteSnapshotWinini(store, SnapshotKeyPath("Winini"),
                      {ws.views.load->Text(), ws.views.run->Text()});
  WriteSnapshotLines(store, SnapshotKeyPath("Startup"), ws.views.lsbStart->Items());
  WriteSnapshotLines(store, SnapshotKeyPath("Common Startup"), ws.views.lsbComSt->Items());
}

// A line the code page cannot store is no permission problem: the message names the line.
std::string TextWriteError(const std::string& path, const std::vector<std::string>& lines,
                           const TextWrite& failure) {
  if (failure.outcome != TextWrite::Unencodable || failure.line >= lines.size())
    return "Cannot create file " + path;
  return "Line " + std::to_string(failure.line + 1) + " of " + path +
         " holds a character that the file's code page cannot store, so nothing was written:\n" +
         lines[failure.line];
}

}  // namespace

bool WriteTextFile(Workspace& ws, const std::string& path, const std::vector<std::string>& lines) {
  const TextWrite written = ws.store.SaveLines(path, lines);
  if (written)
    return true;
  ShowError(ws, TextWriteError(path, lines, written));
  return false;
}

bool SaveTextFile(Workspace& ws, const std::string& path, ui::TextPage& page) {
  if (!WriteTextFile(ws, path, page.Lines()))
    return false;
  page.SetModified(false);
  return true;
}

bool WriteWinIni(Workspace& ws) {
  const bool load =
      ws.store.WriteProfileString("win.ini", "windows", "load", ws.views.load->Text());
  const bool run =
      load && ws.store.WriteProfileString("win.ini", "windows", "run", ws.views.run->Text());
  if (!run) {
    ShowError(ws, "Cannot write the load and run values to win.ini");
    return false;
  }
  ws.views.load->SetModified(false);
  ws.views.run->SetModified(false);
  return true;
}

bool SaveEditedTexts(Workspace& ws) {
  bool saved = true;
  for (const char* key : kTextSections) {
    const StartupSection* section = ws.catalogue.Find(key);
    ui::TextPage* page = section ? PageOf(*section) : nullptr;
    if (page && page->Modified())
      saved = SaveTextFile(ws, section->place, *page) && saved;
  }
  return WriteWinIni(ws) && saved;
}

bool SaveSnapshot(Workspace& ws) {
  try {
    SnapshotSections(ws);
  } catch (const StoreError&) {
    ShowError(ws, kSnapshotWriteError);
    return false;
  }
  ws.toolkit.MessageBox(ws.mainForm, "Information saved succesfully!", "Attention!",
                        ui::mb::Ok | ui::mb::IconInfo);
  return true;
}

void SaveAll(Workspace& ws) {
  if (SaveEditedTexts(ws))
    SaveSnapshot(ws);
  ws.dataChanged = AnyTextModified(ws);
}

}  // namespace tarnix
