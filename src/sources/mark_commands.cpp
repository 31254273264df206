#include "sources/mark_commands.h"

#include <algorithm>

#include "platform/registry_keys.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"

namespace tarnix {

namespace {

std::string StateText(Workspace& ws, const std::string& entry, const EntryMark& mark) {
  if (!mark.disabled)
    return entry + " is enabled";
  std::string text = entry + " is disabled in Task Manager";
  if (const auto at = mark.disabledAt ? ws.store.LocalTimeOf(*mark.disabledAt) : std::nullopt)
    text += " since " + ShortDate(*at) + " " + ws.store.LongTimeText(*at);
  return text;
}

// A list shown again may have lost its selection: the entry is chosen again, where the place
// now holds it.
void Reselect(Workspace& ws, const StartupSection& section, const std::string& entry) {
  ui::ListBox* list = ws.views.List(section.id);
  if (list == nullptr)
    return;
  const std::vector<std::string> names = section.kind == kindFolder
                                             ? ws.places.Folder(section.id).entries
                                             : ws.places.runLists[RunListIndex(section.id)].Names();
  const auto at = std::find(names.begin(), names.end(), entry);
  if (at != names.end())
    list->SetItemIndex(static_cast<int>(at - names.begin()));
}

}  // namespace

void SetEntryDisabled(Workspace& ws, const StartupSection& section, const std::string& entry,
                      bool disabled) {
  const std::optional<RunKeyLocation> key = MarkKeyOf(section.id);
  if (!key) {
    ws.toolkit.MessageBox(ws.mainForm,
                          "Only the entries that Task Manager lists can be disabled or enabled; "
                          "those of " +
                              section.place + " cannot.",
                          "Sorry!", ui::mb::Ok | ui::mb::IconInfo);
    return;
  }
  // The entry and its mark as they are now, whatever changed them since the list was read.
  ReloadPlace(ws, section);
  const std::optional<EntryMark> mark = ws.places.MarkOf(section, entry);
  if (mark && mark->disabled != disabled) {
    const StoreResult written =
        WriteMark(ws.store, *key, entry, EncodeMark(disabled, ws.store.FileTimeNow()));
    Tell(ws, written.Saying("Error with writing to registry. Possibly, write access denied to " +
                            RootName(key->root) + key->path));
    ReloadPlace(ws, section);
  }
  Reselect(ws, section, entry);
  ShowEntryState(ws, section, entry);
}

void ShowEntryState(Workspace& ws, const StartupSection& section, const std::string& entry) {
  const std::optional<EntryMark> mark = ws.places.MarkOf(section, entry);
  if (ws.views.status == nullptr || !mark || !MarkKeyOf(section.id))
    return;
  const std::string notes = PageNotes(ws);
  ws.views.status->SetPanelText(0,
                                StateText(ws, entry, *mark) + (notes.empty() ? "" : "  " + notes));
}

void BindEntryStates(Workspace& ws) {
  for (const StartupSection& section : ws.catalogue.sections) {
    ui::ListBox* list = ws.views.List(section.id);
    if (list == nullptr || !MarkKeyOf(section.id))
      continue;
    const SectionId id = section.id;
    list->onChange = [&ws, id, list] {
      if (list->ItemIndex() >= 0)
        ShowEntryState(ws, ws.catalogue.Section(id), list->Item(list->ItemIndex()));
    };
  }
  // A line of the Logon page is its entry's by its place in the page.
  if (ui::ListBox* logon = ws.views.lsbLogon) {
    logon->onChange = [&ws, logon] {
      const std::vector<LogonRow> rows = LogonRows(ws.places);
      const auto at = static_cast<size_t>(logon->ItemIndex());
      if (at < rows.size())
        ShowEntryState(ws, ws.catalogue.RunList(rows[at].runList), rows[at].name);
    };
  }
}

}  // namespace tarnix
