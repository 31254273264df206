#include "runlists/undo_journal.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "runlists/run_keys.h"
#include "sources/error_box.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "sources/undo_step.h"

namespace tarnix {

namespace {

enum class UndoOutcome { NoData, Failed, Done };

char At(const std::string& text, size_t position) {
  return position < text.size() ? text[position] : '\0';
}

std::string KindLabel(char kind) {
  switch (kind) {
    case '0':
      return "Deleted    ";
    case '1':
      return "Changed    ";
    default:
      return "Added      ";
  }
}

std::string RunKeyLabel(char runList) {
  static const char* const labels[kRegistryListCount] = {" HKLM\\...\\Run\\",
                                                         " HKLM\\...\\RunServices\\",
                                                         " HKCU\\...\\Run\\",
                                                         " HKLM32\\...\\Run\\",
                                                         " HKLM\\...\\RunOnce\\",
                                                         " HKLM32\\...\\RunOnce\\",
                                                         " HKCU\\...\\RunOnce\\",
                                                         " HKLM\\...\\Policies\\Explorer\\Run\\",
                                                         " HKCU\\...\\Policies\\Explorer\\Run\\",
                                                         " HKLM\\...\\Winlogon\\"};
  const int index = runList - '0';
  return index >= 0 && index < kRegistryListCount ? labels[index] : labels[2];
}

std::vector<std::string> NewestFirst(const std::vector<std::string>& steps) {
  std::vector<std::string> lines;
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    lines.push_back(StepDisplayLine(*step));
  }
  return lines;
}

// The position in `steps` of the dialog's row, or -1 when there is none.
int PickedPosition(Workspace& ws, Tundolist& dialog, const std::vector<std::string>& steps) {
  const int row = dialog.Choose(NewestFirst(steps));
  if (row < 0) {
    return -1;
  }
  const int position = static_cast<int>(steps.size()) - 1 - row;
  if (position < 0) {
    ShowError(ws, "Internal error (cnt>Count)! Send message to author");
    return -1;
  }
  return position;
}

// Puts the step's command back, or takes an added entry away; why that failed, if it did.
StoreResult WriteUndoneValue(Workspace& ws, int runList, const std::string& stepName,
                             const RegValue& command) {
  const std::string entry = StepEntryName(stepName);
  const OpenedKey key = OpenRunKeyForWriting(ws.store, runList);
  if (!key)
    return key.result;
  if (At(stepName, 0) != '2')
    return key->WriteValue(entry, command);
  // Undone when the value is gone, also when someone else took it away first.
  StoreResult deleted = key->DeleteValue(entry);
  if (!deleted && !key->ReadValue(entry))
    return {};
  return deleted;
}

// Writes the step's command back under its entry, or deletes an added entry. False, after
// telling the user, when the step names no run list or the run key cannot be written.
bool ApplyUndoStep(Workspace& ws, const std::string& stepName, const RegValue& command) {
  // Steps of the logon lists carry the digits after the Registry page's 0, 1 and 2.
  const char runList = At(stepName, 22);
  if (runList < '0' || runList >= '0' + kRegistryListCount) {
    ShowError(ws, "Internal error (number key >2)! Send message to author!");
    return false;
  }
  const StoreResult written = WriteUndoneValue(ws, runList - '0', stepName, command);
  Tell(ws, written.Saying("Permission to key HKCUSoftwareTarnix denied"));
  return static_cast<bool>(written);
}

// A step whose key or command has vanished is refused: it would write an empty command.
UndoOutcome UndoStep(Workspace& ws, const std::string& step) {
  std::optional<RegValue> command;
  if (auto key = ws.store.OpenKey(Root::CurrentUser, StepKeyPath(step), false)) {
    command = key->ReadValue("Command");
  } else if (key.result.failure != StoreFailure::NotFound) {
    Tell(ws, key.result);
    return UndoOutcome::Failed;
  }
  if (!command) {
    ws.toolkit.MessageBox(ws.mainForm, "Nothing to undo! Undo data not found in registry", "Sorry!",
                          ui::mb::IconStop);
    return UndoOutcome::NoData;
  }
  if (!ApplyUndoStep(ws, step, *command)) {
    return UndoOutcome::Failed;
  }
  // A step that stays is offered again; undoing it twice gives the same run key.
  if (const StoreResult removed = ws.store.DeleteKey(Root::CurrentUser, StepKeyPath(step));
      !removed && removed.failure != StoreFailure::NotFound)
    Tell(ws, removed.Saying("The change was undone, but its step stays in the journal: " +
                            removed.text));
  return UndoOutcome::Done;
}

// Undoes the step the user picks among `steps`; one that is undone leaves this run's list.
void UndoPickedStep(Workspace& ws, Tundolist& dialog, const std::vector<std::string>& steps) {
  const int position = PickedPosition(ws, dialog, steps);
  if (position < 0) {
    return;
  }
  // A copy: `steps` may be the run's list, which changes below.
  const std::string step = steps[position];
  const UndoOutcome outcome = UndoStep(ws, step);
  if (outcome == UndoOutcome::NoData) {
    return;
  }
  if (outcome == UndoOutcome::Done) {
    auto recent = std::find(ws.runUndoList.begin(), ws.runUndoList.end(), step);
    if (recent != ws.runUndoList.end()) {
      ws.runUndoList.erase(recent);
    }
  }
  RefreshAll(ws);
}

}  // namespace

void EnsureUndoKey(Store& store) {
  // A journal that cannot be made is told by the first step that cannot be recorded.
  static_cast<void>(store.OpenKey(Root::CurrentUser, kUndoRoot, true));
}

std::string StepDisplayLine(const std::string& stepName) {
  const std::string dateAndTime = stepName.size() > 1 ? stepName.substr(1, 20) : std::string();
  return KindLabel(At(stepName, 0)) + dateAndTime + RunKeyLabel(At(stepName, 22)) +
         StepEntryName(stepName);
}

void UndoRecentStep(Workspace& ws, Tundolist& dialog) {
  UndoPickedStep(ws, dialog, ws.runUndoList);
}

void UndoStoredStep(Workspace& ws, Tundolist& dialog) {
  std::vector<std::string> steps;
  if (auto root = ws.store.OpenKey(Root::CurrentUser, kUndoRoot, false)) {
    steps = root->GetKeyNames();
  } else if (root.result.failure != StoreFailure::NotFound) {
    Tell(ws, root.result);
    return;
  }
  if (steps.empty()) {
    ws.toolkit.MessageBox(ws.mainForm, "Nothing to undo! Not found undo data in registry!",
                          "Sorry!", ui::mb::IconInfo);
    return;
  }
  UndoPickedStep(ws, dialog, steps);
}

}  // namespace tarnix
