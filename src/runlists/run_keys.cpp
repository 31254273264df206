#include "runlists/run_keys.h"

#include "platform/registry_keys.h"
#include "sources/restart_offer.h"

namespace tarnix {

std::unique_ptr<RegKey> OpenRunKey(Store& store, int runList) {
  const RunKeyLocation where = RunListKey(runList);
  return store.OpenKey(where.root, where.path, false);
}

std::unique_ptr<RegKey> OpenRunKeyForWriting(Store& store, int runList) {
  const RunKeyLocation where = RunListKey(runList);
  return OpenKeyForWriting(store, where.root, where.path);
}

void ShowRunKeyWriteError(Workspace& ws, int runList, StoreFailure failure) {
  ShowRefusal(ws,
              "Error with writing to registry. Possibly, write access denied to " +
                  ws.catalogue.RunList(runList).place,
              failure);
}

}  // namespace tarnix
