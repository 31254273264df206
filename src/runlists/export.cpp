#include "runlists/export.h"

#include <optional>

#include "platform/value_text.h"
#include "sources/error_box.h"
#include "sources/loading.h"

namespace tarnix {

namespace {

// Inside the double quotes of a name or a string, the registry editor reads "\\" and "\"".
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') {
      out += '\\';
    }
    out += c;
  }
  return out + "\"";
}

// The data after "=": a string in quotes, an expandable string as its code-page bytes with
// the terminating zero, anything else in the registry editor's typed form.
std::optional<std::string> DataText(Store& store, const RegValue& value) {
  if (value.type == regtype::String) {
    return store.AnsiBytes(Quoted(value.data));
  }
  if (value.type == regtype::ExpandString) {
    auto bytes = store.AnsiBytes(value.data);
    if (!bytes) {
      return std::nullopt;
    }
    return "hex(2):" + HexBytes(*bytes + '\0');
  }
  return ValueText(value);
}

std::string EntryLine(Workspace& ws, int runList, const NamedValue& entry) {
  const std::optional<std::string> quotedName = ws.store.AnsiBytes(Quoted(entry.name));
  const std::optional<std::string> data = DataText(ws.store, entry.value);
  if (!quotedName || !data) {
    throw StoreError("The entry \"" + entry.name + "\" of " + ws.catalogue.RunList(runList).place +
                     " holds a character that a REGEDIT4 file cannot hold. Nothing was written.");
  }
  return *quotedName + "=" + *data + "\r\n";
}

std::string Section(Workspace& ws, int runList) {
  // The second key line ends in LF alone: the file has always been written so.
  std::string out =
      "[" + ws.catalogue.RunList(runList).place + "]" + (runList == 1 ? "\n" : "\r\n");
  for (const NamedValue& entry : ws.places.runLists[static_cast<size_t>(runList)].entries) {
    out += EntryLine(ws, runList, entry);
  }
  return out + "\r\n";
}

}  // namespace

// The run lists as they are now.
std::string RegistryFileBytes(Workspace& ws) {
  std::string out = "REGEDIT4\r\n\r\n";
  for (int runList = 0; runList < kRunListCount; ++runList) {
    LoadRunList(ws, runList);
    out += Section(ws, runList);
  }
  return out;
}

StoreResult ExportRunLists(Workspace& ws, const std::string& path) {
  return ws.store.WriteBytes(path, RegistryFileBytes(ws));
}

void SaveAllKeysToFile(Workspace& ws, const ui::FileDialogSpec& dialog, ExportNotice notice) {
  const std::optional<std::string> path = ws.toolkit.SaveFileDialog(ws.mainForm, dialog);
  if (!path) {
    return;
  }
  // A file of the user's own is no change to the system: a refusal offers no restart.
  if (const StoreResult written = ExportRunLists(ws, *path); !written) {
    ShowError(ws, written.text);
    return;
  }
  if (notice == ExportNotice::KeysSaved) {
    ws.toolkit.MessageBox(ws.mainForm, *path, "Registry key's Run,RunServices saved!", ui::mb::Ok);
  } else {
    ws.toolkit.MessageBox(ws.mainForm, *path, "File created successfully!", ui::mb::IconInfo);
  }
}

}  // namespace tarnix
