// What the main window owns and every command works on: the platform, the catalogue, the
// controls that show the loaded places, and what the text files really held when they were
// read, since a control may not be able to show a file whole.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/shortcuts.h"
#include "platform/store.h"
#include "sources/catalogue.h"
#include "ui/toolkit.h"

namespace tarnix {

struct PlaceViews {
  ui::ListBox* runLists[kRunListCount] = {};  // ListBox1, ListBox2, ListBox3
  ui::TextPage* autoex = nullptr;
  ui::TextPage* config = nullptr;
  ui::TextPage* winstart = nullptr;
  ui::EditBox* load = nullptr;
  ui::EditBox* run = nullptr;
  ui::ListBox* lsbStart = nullptr;
  ui::ListBox* lsbComSt = nullptr;
  ui::ListBox* lsbNTServ = nullptr;
  ui::StatusBar* status = nullptr;  // says which pages show less than their file

  // The page of a text section, the list of a run-list or folder section; null for others.
  ui::TextPage* Page(SectionId id) const;
  ui::ListBox* List(SectionId id) const;
};

// A text file as it was last read. The check, the snapshot and the writes work on these lines;
// the page only shows them, and is never written back when it could not show them whole.
struct TextFile {
  enum class State { Missing, Unreadable, Loaded };
  State state = State::Missing;
  std::vector<std::string> lines;
  // Empty when the page shows the lines exactly; otherwise why it does not, and the page is
  // read-only.
  std::string shownPartly;
};

struct Workspace {
  Store& store;
  Shortcuts* shortcuts = nullptr;  // set where the program is wired
  ui::Toolkit& toolkit;
  ui::Form* mainForm = nullptr;  // owner of the main window's message boxes
  Catalogue catalogue;
  PlaceViews views;
  std::array<TextFile, kSectionCount> texts;  // by SectionIndex; used for text sections only
  bool dataChanged = false;
  std::string programFolder;  // with its trailing "\"
  std::string logPath;        // programFolder + "tx2log.txt"

  // The run list that the edit and add dialogs write to.
  int currentRunList = 0;
  // The undo steps recorded in this run, oldest first.
  std::vector<std::string> runUndoList;

  // The command line's arguments after the program's name, for a restart as administrator.
  std::vector<std::string> arguments;
  // Lets go of (false) or takes back (true) the mark by which a second start finds this
  // instance; unset where there is none.
  std::function<void(bool held)> holdInstanceMark;
  bool restartOffered = false;  // the restart as administrator is offered once in a run

  Workspace(Store& s, ui::Toolkit& t) : store(s), toolkit(t) {}
  TextFile& Text(SectionId id) { return texts[static_cast<size_t>(SectionIndex(id))]; }
  const TextFile& Text(SectionId id) const { return texts[static_cast<size_t>(SectionIndex(id))]; }
};

}  // namespace tarnix
