#include "runlists/run_list_commands.h"

#include "runlists/run_keys.h"
#include "sources/undo_step.h"

namespace tarnix {

namespace {

// Writes the value; with `old`, first reads what the name held. A refusal is told.
[[nodiscard]] bool WriteRunValue(Workspace& ws, int runList, const std::string& name,
                                 const RegValue& value, std::optional<RegValue>* old = nullptr) {
  try {
    auto key = OpenRunKeyForWriting(ws.store, runList);
    if (old)
      *old = key->ReadValue(name);
    key->WriteValue(name, value);
    return true;
  } catch (const StoreError& error) {
    ShowRunKeyWriteError(ws, runList, error.kind());
    return false;
  }
}

// Deletes the value and hands back what it held. A value or run key already gone counts as
// deleted; a refusal is told.
[[nodiscard]] bool RemoveRunValue(Workspace& ws, int runList, const std::string& name,
                                  std::optional<RegValue>& old) {
  auto key = OpenRunKey(ws.store, runList);
  if (!key) {
    const StoreFailure failure = ws.store.LastFailure();
    if (failure == StoreFailure::NotFound)
      return true;
    ShowRunKeyWriteError(ws, runList, failure);
    return false;
  }
  old = key->ReadValue(name);
  if (old && !key->DeleteValue(name)) {
    ShowRunKeyWriteError(ws, runList, key->LastFailure());
    return false;
  }
  return true;
}

// The value's type is kept, so an expandable command stays expandable. A value deleted since
// the list was loaded is made anew, so its step is an addition: undo deletes it again.
void EditSelected(Workspace& ws, TEditStr& dialog, int runList) {
  ui::ListBox* list = ws.views.runLists[runList];
  if (list->ItemIndex() < 0) {
    return;
  }
  const std::string name = list->Item(list->ItemIndex());
  uint32_t type = regtype::String;
  std::string command;
  if (auto key = OpenRunKey(ws.store, runList)) {
    command = key->ReadString(name);
    if (auto value = key->ReadValue(name)) {
      type = value->type;
    }
  }
  if (!dialog.Execute(name, command)) {
    return;
  }
  const std::string edited = dialog.strval->Text();
  std::optional<RegValue> old;
  if (!WriteRunValue(ws, runList, name, {type, edited}, &old)) {
    return;
  }
  if (!old) {
    RecordUndoStep(ws, StepKind::Added, runList, name, {type, edited});
  } else if (edited != dialog.shownCommand) {
    RecordUndoStep(ws, StepKind::Changed, runList, name, {type, dialog.shownCommand});
  }
}

// A name that already exists is overwritten; its step keeps the old command so that undo puts
// it back instead of deleting the entry.
[[nodiscard]] bool AddToRunList(Workspace& ws, const std::string& name,
                                const std::string& program) {
  const int runList = ws.currentRunList;
  std::optional<RegValue> old;
  if (!WriteRunValue(ws, runList, name, {regtype::String, program}, &old)) {
    return false;
  }
  ws.views.runLists[runList]->Add(name);
  if (old) {
    RecordUndoStep(ws, StepKind::Changed, runList, name, *old);
  } else {
    RecordUndoStep(ws, StepKind::Added, runList, name, {regtype::String, program});
  }
  return true;
}

}  // namespace

// A value of any type can be deleted; its step keeps the type, so undo restores it exactly.
void DeleteRunEntry(Workspace& ws) {
  const int runList = FocusedRunList(ws);
  if (runList < 0) {
    return;
  }
  ui::ListBox* list = ws.views.runLists[runList];
  const int line = list->ItemIndex();
  if (line < 0) {
    return;
  }
  const std::string name = list->Item(line);
  if (ws.toolkit.MessageBox(ws.mainForm, "Are you sure delete " + name + " ?", "Attention!",
                            ui::mb::OkCancel | ui::mb::IconWarning) != ui::mb::IdOk) {
    return;
  }
  std::optional<RegValue> old;
  if (!RemoveRunValue(ws, runList, name, old)) {
    return;
  }
  if (old) {
    RecordUndoStep(ws, StepKind::Deleted, runList, name, *old);
  }
  list->Delete(line);
}

void EditRunEntry(Workspace& ws, TEditStr& dialog) {
  const int runList = FocusedRunList(ws);
  if (runList < 0) {
    return;
  }
  ws.currentRunList = runList;
  EditSelected(ws, dialog, runList);
}

void EditClickedRunEntry(Workspace& ws, TEditStr& dialog, int runList) {
  if (ws.views.runLists[runList]->ItemIndex() < 0) {
    return;
  }
  ws.currentRunList = runList;
  EditSelected(ws, dialog, runList);
}

void AddRunEntry(Workspace& ws, Taddform& dialog) {
  const int focused = FocusedRunList(ws);
  if (focused >= 0) {
    ws.currentRunList = focused;
  }
  dialog.ShowForRunList([&ws](const std::string& name, const std::string& program) {
    return AddToRunList(ws, name, program);
  });
}

}  // namespace tarnix
