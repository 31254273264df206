// Filled in by the run-list editing feature.
#include "runlists/run_list_commands.h"

namespace tarnix {

void DeleteRunEntry(Workspace&) {}
void EditRunEntry(Workspace&, TEditStr&) {}
void AddRunEntry(Workspace&, Taddform&) {}

}  // namespace tarnix
