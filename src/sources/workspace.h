// What the main window owns and every command works on: the platform, the catalogue, what the
// places hold, and the controls that show them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/event_log.h"
#include "platform/scheduler.h"
#include "platform/shortcuts.h"
#include "platform/store.h"
#include "sources/catalogue.h"
#include "sources/places.h"
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
  ui::ListBox* lsbLogon = nullptr;  // every logon list, one entry a line (LogonRows)
  ui::ListBox* lsbTasks = nullptr;  // the scheduled tasks, one a line (TaskRows)
  ui::StatusBar* status = nullptr;  // says which pages show less than their file

  // The page of a text section, the list of a run-list or folder section; null for others.
  ui::TextPage* Page(SectionId id) const;
  ui::ListBox* List(SectionId id) const;
};

struct Workspace {
  Store& store;
  Shortcuts* shortcuts = nullptr;  // set where the program is wired
  EventSink* events = nullptr;     // the system's event log, where the program is wired
  // The task scheduler, where the program is wired; without one the tasks are not watched.
  Scheduler* scheduler = nullptr;
  ui::Toolkit& toolkit;
  ui::Form* mainForm = nullptr;  // owner of the main window's message boxes
  Catalogue catalogue;
  Places places;
  PlaceViews views;
  bool dataChanged = false;
  std::string programFolder;  // with its trailing "\"
  // The history log: beside the program, or in the user's local application data folder when
  // the program's folder refuses it; chosen at the first use.
  std::string logPath;
  bool logPlaceChosen = false;

  // The run list of the Registry page that the edit and add dialogs write to.
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
};

}  // namespace tarnix
