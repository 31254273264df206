#include "runlists/run_list_commands.h"

#include "runlists/run_keys.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "sources/undo_step.h"

namespace tarnix {

namespace {

// Writes the value; with `old`, first reads what the name held. A refusal is told.
[[nodiscard]] bool WriteRunValue(Workspace& ws, int runList, const std::string& name,
                                 const RegValue& value, std::optional<RegValue>* old = nullptr) {
  const OpenedKey key = OpenRunKeyForWriting(ws.store, runList);
  if (key && old)
    *old = key->ReadValue(name);
  const StoreResult written = key ? key->WriteValue(name, value) : key.result;
  ShowRunKeyWriteError(ws, runList, written);
  return static_cast<bool>(written);
}

// Deletes the value and hands back what it held. A value or run key already gone counts as
// deleted; a refusal is told.
[[nodiscard]] bool RemoveRunValue(Workspace& ws, int runList, const std::string& name,
                                  std::optional<RegValue>& old) {
  const OpenedKey key = OpenRunKey(ws.store, runList);
  if (!key && key.result.failure == StoreFailure::NotFound)
    return true;
  if (key)
    old = key->ReadValue(name);
  const StoreResult deleted = !key ? key.result : old ? key->DeleteValue(name) : StoreResult{};
  ShowRunKeyWriteError(ws, runList, deleted);
  return static_cast<bool>(deleted);
}

// The places take the value as written, in the key's order: a new name comes last.
void TakeValue(Workspace& ws, int runList, const std::string& name, const RegValue& value) {
  auto& entries = ws.places.runLists[static_cast<size_t>(runList)].entries;
  const NamedValue* held = ws.places.runLists[static_cast<size_t>(runList)].Find(name);
  if (held != nullptr)
    entries[static_cast<size_t>(held - entries.data())].value = value;
  else
    entries.push_back({name, value});
  ShowRunList(ws, runList);
}

void DropValue(Workspace& ws, int runList, const std::string& name) {
  RunListPlace& place = ws.places.runLists[static_cast<size_t>(runList)];
  if (const NamedValue* held = place.Find(name))
    place.entries.erase(place.entries.begin() + (held - place.entries.data()));
  ShowRunList(ws, runList);
}

// A name that already exists is overwritten; its step keeps the old command so that undo puts
// it back instead of deleting the entry.
[[nodiscard]] bool AddToRunList(Workspace& ws, int runList, const std::string& name,
                                const std::string& program) {
  std::optional<RegValue> old;
  const RegValue value{regtype::String, program};
  if (!WriteRunValue(ws, runList, name, value, &old)) {
    return false;
  }
  TakeValue(ws, runList, name, value);
  if (old) {
    RecordUndoStep(ws, StepKind::Changed, runList, name, *old);
  } else {
    RecordUndoStep(ws, StepKind::Added, runList, name, value);
  }
  return true;
}

}  // namespace

// A value of any type can be deleted; its step keeps the type, so undo restores it exactly.
void DeleteRunEntry(Workspace& ws, int runList, const std::string& name) {
  if (!RunListKey(runList).settings.empty()) {
    ws.toolkit.MessageBox(ws.mainForm,
                          name +
                              " cannot be deleted: Windows needs it to start the desktop. Edit "
                              "it instead.",
                          "Sorry!", ui::mb::IconWarning);
    return;
  }
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
  DropValue(ws, runList, name);
}

// The value's type is kept, so an expandable command stays expandable. A value deleted since
// the list was loaded is made anew, so its step is an addition: undo deletes it again.
void EditRunEntry(Workspace& ws, TEditStr& dialog, int runList, const std::string& name) {
  if (!IsLogonList(runList))
    ws.currentRunList = runList;
  // The command as it is now, whatever changed it since the list was read.
  LoadRunList(ws, runList);
  const RunListPlace& place = ws.places.runLists[static_cast<size_t>(runList)];
  // Taken for a missing entry, it would be made anew, and its undo would delete it.
  if (!place.Readable()) {
    Tell(ws, {place.readFailure, "Cannot read " + ws.catalogue.RunList(runList).place + ", so " +
                                     name + " was not edited."});
    return;
  }
  const NamedValue* held = place.Find(name);
  const uint32_t type = held ? held->value.type : regtype::String;
  if (held != nullptr && !held->value.IsString())
    throw StoreError("Invalid data type for '" + name + "'");
  const std::optional<std::string> edited =
      dialog.Execute(name, held ? held->value.data : std::string());
  if (!edited) {
    return;
  }
  std::optional<RegValue> old;
  if (!WriteRunValue(ws, runList, name, {type, *edited}, &old)) {
    return;
  }
  TakeValue(ws, runList, name, {type, *edited});
  if (!old) {
    RecordUndoStep(ws, StepKind::Added, runList, name, {type, *edited});
  } else if (*edited != dialog.shownCommand) {
    RecordUndoStep(ws, StepKind::Changed, runList, name, {type, dialog.shownCommand});
  }
}

void AddRunEntry(Workspace& ws, Taddform& dialog, int runList) {
  ws.currentRunList = runList;
  dialog.ShowForRunList([&ws, runList](const std::string& name, const std::string& program) {
    return AddToRunList(ws, runList, name, program);
  });
}

}  // namespace tarnix
