#include "runlists/run_keys.h"

#include "sources/restart_offer.h"

namespace tarnix {

OpenedKey OpenRunKey(Store& store, int runList) {
  const RunKeyLocation where = RunListKey(runList);
  return store.OpenKey(where.root, where.path, false, where.view);
}

OpenedKey OpenRunKeyForWriting(Store& store, int runList) {
  const RunKeyLocation where = RunListKey(runList);
  return store.OpenKey(where.root, where.path, true, where.view);
}

void ShowRunKeyWriteError(Workspace& ws, int runList, const StoreResult& failed) {
  Tell(ws, failed.Saying("Error with writing to registry. Possibly, write access denied to " +
                         ws.catalogue.RunList(runList).place));
}

}  // namespace tarnix
