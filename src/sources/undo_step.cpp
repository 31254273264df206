#include "sources/undo_step.h"

#include <cstdio>

#include "sources/restart_offer.h"

namespace tarnix {

namespace {

std::string EncodeEntry(const std::string& entry) {
  std::string out;
  for (char c : entry) {
    if (c == '%') {
      out += "%25";
    } else if (c == '\\') {
      out += "%5C";
    } else {
      out += c;
    }
  }
  return out;
}

std::string DecodeEntry(const std::string& encoded) {
  std::string out;
  for (size_t i = 0; i < encoded.size(); ++i) {
    const std::string code = encoded.substr(i, 3);
    if (code == "%25" || code == "%5C" || code == "%5c") {
      out += code == "%25" ? '%' : '\\';
      i += 2;
    } else {
      out += encoded[i];
    }
  }
  return out;
}

std::string TimeOfDay(const LocalDateTime& when) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.hour % 100, when.minute % 100,
                when.second % 100);
  return text;
}

}  // namespace

std::string StepName(StepKind kind, const LocalDateTime& when, int runList,
                     const std::string& entry) {
  return std::to_string(static_cast<int>(kind)) + " " + ShortDate(when) + " " + TimeOfDay(when) +
         " " + std::to_string(runList) + " " + EncodeEntry(entry);
}

std::string StepEntryName(const std::string& stepName) {
  return stepName.size() > 24 ? DecodeEntry(stepName.substr(24)) : std::string();
}

std::string StepKeyPath(const std::string& stepName) {
  return std::string(kUndoRoot) + "\\" + stepName;
}

void RecordUndoStep(Workspace& ws, StepKind kind, int runList, const std::string& entry,
                    const RegValue& command) {
  const std::string name = StepName(kind, ws.store.Now(), runList, entry);
  // A step of the same name (the same change in the same second) keeps its key.
  const bool existed = ws.store.KeyExists(Root::CurrentUser, StepKeyPath(name));
  StoreResult written;
  bool made = false;
  {
    const OpenedKey key = ws.store.OpenKey(Root::CurrentUser, StepKeyPath(name), true);
    made = key && !existed;
    written = key ? key->WriteValue("Command", command) : key.result;
  }
  if (written) {
    ws.runUndoList.push_back(name);
    return;
  }
  // A step left without its command would be refused when undone; take it away, its key closed.
  if (made)
    static_cast<void>(ws.store.DeleteKey(Root::CurrentUser, StepKeyPath(name)));
  Tell(ws, written.Saying("The change was made, but it cannot be undone: " + written.text));
}

}  // namespace tarnix
