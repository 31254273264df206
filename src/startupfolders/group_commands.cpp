#include "startupfolders/group_commands.h"

#include "platform/file_removal.h"
#include "sources/loading.h"
#include "sources/restart_offer.h"
#include "startupfolders/shortcut_names.h"

namespace tarnix {

namespace {

void Refuse(Workspace& ws, const std::string& text) {
  ws.toolkit.MessageBox(ws.mainForm, text, "Sorry!", ui::mb::Ok | ui::mb::IconInfo);
}

// An unknown folder would turn every path into a bare file name relative to wherever the
// program happens to run: say so instead.
bool FolderKnown(Workspace& ws, const StartupSection& section) {
  if (section.placeKnown && !section.place.empty())
    return true;
  Refuse(ws, "The folder of the group \"" + section.key +
                 "\" is not known, so nothing can be changed there.");
  return false;
}

Shortcuts& LinkFiles(Workspace& ws) {
  if (ws.shortcuts == nullptr)
    throw StoreError("Shortcuts cannot be used here.");
  return *ws.shortcuts;
}

// What the dialog changed of what was read, and the description the edit always sets.
ShortcutProperties EditedProperties(const ShortcutFields& kept, const ShortcutFields& read,
                                    const std::string& fileName) {
  ShortcutProperties changed;
  if (kept.target != read.target)
    changed.target = kept.target;
  if (kept.arguments != read.arguments)
    changed.arguments = kept.arguments;
  if (kept.workingDirectory != read.workingDirectory)
    changed.workingDirectory = kept.workingDirectory;
  changed.description = fileName;
  return changed;
}

}  // namespace

void DeleteGroupEntry(Workspace& ws, const StartupSection& section, const std::string& line) {
  if (!FolderKnown(ws, section))
    return;
  if (ws.toolkit.MessageBox(ws.mainForm, "Are you sure delete " + line + " ?", "Attention!",
                            ui::mb::OkCancel | ui::mb::IconWarning) != ui::mb::IdOk) {
    return;
  }
  const std::string path = section.place + line;
  if (const StoreResult removed = RemoveFile(ws.store, path); !removed) {
    Tell(ws, removed);
    return;
  }
  ListStartupFolder(ws, section);
}

void EditGroupShortcut(Workspace& ws, const StartupSection& section, const std::string& line,
                       TfrmLink& dialog) {
  if (!FolderKnown(ws, section))
    return;
  const std::string path = section.place + line;
  if (!IsShortcutPath(path)) {
    Refuse(ws, "It's a not shortcut file");
    return;
  }
  Shortcuts& files = LinkFiles(ws);
  // Empty fields for a file that cannot be read would, once saved, replace whatever it holds.
  const std::optional<ShortcutFields> read = files.ReadShortcut(path);
  if (!read) {
    Tell(ws, {StoreFailure::Other, "Cannot read the shortcut " + path});
    return;
  }
  const std::optional<ShortcutFields> kept = dialog.Execute(path, *read);
  if (!kept)
    return;
  Tell(ws, files.UpdateShortcut(path, EditedProperties(*kept, *read, FileNameOf(path))));
}

void AddGroupShortcut(Workspace& ws, const StartupSection& section, AddShortcutDialog& dialog) {
  if (!FolderKnown(ws, section))
    return;
  const std::optional<NewShortcut> typed = dialog.Ask();
  if (!typed)
    return;
  if (auto refusal = NameRefusal(typed->name)) {
    Refuse(ws, *refusal);
    return;
  }
  const std::string linkPath = section.place + typed->name + ".lnk";
  ShortcutProperties properties;
  properties.target = typed->program;
  properties.description = typed->name;
  Shortcuts& files = LinkFiles(ws);
  if (const StoreResult written = files.WriteShortcut(linkPath, properties); !written) {
    Tell(ws, written);
    return;
  }
  ListStartupFolder(ws, section);
  dialog.Clear();
}

}  // namespace tarnix
