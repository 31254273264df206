#include "runlists/export.h"

#include <algorithm>
#include <optional>

#include "base/text_codec.h"
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

// A line break or any other control character would end the line or the string in the file,
// and let the data say what the next line holds.
bool HoldsControl(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// The text's code-page bytes with the terminating zero, in a typed hex form: how the registry
// editor reads a string it cannot take in quotes.
std::optional<std::string> HexText(Store& store, const char* form, const std::string& text) {
  const auto bytes = store.AnsiBytes(text);
  if (!bytes)
    return std::nullopt;
  return form + HexBytes(*bytes + '\0');
}

// The strings in the code page, each with its zero, as the registry editor reads a REGEDIT4
// multi-string; the stored UTF-16 would come back as its bytes.
std::optional<std::string> MultiText(Store& store, const std::string& utf16) {
  const auto text = Utf16LeToUtf8(utf16);
  if (!text)
    return std::nullopt;
  std::string bytes;
  size_t start = 0;
  for (size_t zero = text->find('\0'); zero != std::string::npos;
       start = zero + 1, zero = text->find('\0', start)) {
    const auto part = store.AnsiBytes(text->substr(start, zero - start));
    if (!part)
      return std::nullopt;
    bytes += *part + '\0';
  }
  if (start < text->size())
    return std::nullopt;  // a multi-string always ends in its zeros
  return "hex(7):" + HexBytes(bytes);
}

// The data after "=": a plain string in quotes, other strings in the typed hex forms, anything
// else as the registry editor writes it.
std::optional<std::string> DataText(Store& store, const RegValue& value) {
  switch (value.type) {
    case regtype::String:
      if (HoldsControl(value.data))
        return HexText(store, "hex(1):", value.data);
      return store.AnsiBytes(Quoted(value.data));
    case regtype::ExpandString:
      return HexText(store, "hex(2):", value.data);
    case regtype::MultiString:
      return MultiText(store, value.data);
    default:
      return ValueText(value);
  }
}

std::string EntryLine(Workspace& ws, int runList, const NamedValue& entry) {
  const std::string& place = ws.catalogue.RunList(runList).place;
  if (HoldsControl(entry.name)) {
    throw StoreError("The name of the entry \"" + entry.name + "\" of " + place +
                     " holds a line break or another control character, which a REGEDIT4 file "
                     "cannot hold. Nothing was written.");
  }
  const std::optional<std::string> quotedName = ws.store.AnsiBytes(Quoted(entry.name));
  const std::optional<std::string> data = DataText(ws.store, entry.value);
  if (!quotedName || !data) {
    throw StoreError("The entry \"" + entry.name + "\" of " + place +
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

std::string RegistryFileBytes(Workspace& ws) {
  std::string out = "REGEDIT4\r\n\r\n";
  for (int runList = 0; runList < kRunListCount; ++runList) out += Section(ws, runList);
  return out;
}

// The run lists as they are now; one that cannot be read would be written as an empty key.
StoreResult ExportRunLists(Workspace& ws, const std::string& path) {
  for (int runList = 0; runList < kRunListCount; ++runList) {
    LoadRunList(ws, runList);
    if (const RunListPlace& place = ws.places.runLists[static_cast<size_t>(runList)];
        !place.Readable())
      return {place.readFailure,
              "Cannot read " + ws.catalogue.RunList(runList).place + ", so nothing was exported."};
  }
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
