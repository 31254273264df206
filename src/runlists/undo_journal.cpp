#include "runlists/undo_journal.h"

namespace tarnix {

void EnsureUndoKey(Store& store) {
  store.OpenKey(Root::CurrentUser, "\\SOFTWARE\\Tarnix", true);
}

// Filled in by the undo journal feature.
void UndoLastStep(Workspace&) {}
void UndoPreviousSessions(Workspace&, Tundolist&) {}

}  // namespace tarnix
