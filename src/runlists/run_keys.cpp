#include "runlists/run_keys.h"

#include "sources/restart_offer.h"

namespace tarnix {

std::unique_ptr<RegKey> OpenRunKey(Store& store, int runList, bool create) {
  const RunKeyLocation where = RunListKey(runList);
  return store.OpenKey(where.root, where.path, create);
}

std::string ReadRunCommand(Store& store, const std::string& name, int runList) {
  auto key = OpenRunKey(store, runList, false);
  return key ? key->ReadString(name) : std::string();
}

int FocusedRunList(const Workspace& ws) {
  const ui::Control* focused = ws.mainForm ? ws.mainForm->ActiveControl() : nullptr;
  for (int i = 0; i < kRunListCount; ++i) {
    if (focused != nullptr && focused == ws.views.runLists[i]) {
      return i;
    }
  }
  return -1;
}

void ShowRunKeyWriteError(Workspace& ws, int runList, StoreFailure failure) {
  ShowRefusal(ws,
              "Error with writing to registry. Possibly, write access denied to " +
                  ws.catalogue.RunList(runList).place,
              failure);
}

}  // namespace tarnix
