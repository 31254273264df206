// What the main window owns and every command works on: the platform, the catalogue, and the
// controls that hold the loaded places (they are the in-memory model of the startup places).
#pragma once

#include <string>
#include <vector>

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
};

struct Workspace {
  Store& store;
  ui::Toolkit& toolkit;
  ui::Form* mainForm = nullptr;  // owner of the main window's message boxes
  Catalogue catalogue;
  PlaceViews views;
  bool dataChanged = false;
  std::string programFolder;  // with its trailing "\"
  std::string logPath;        // programFolder + "tx2log.txt"

  // The run list that the edit and add dialogs write to.
  int currentRunList = 0;
  // The undo steps recorded in this run, oldest first.
  std::vector<std::string> runUndoList;

  Workspace(Store& s, ui::Toolkit& t) : store(s), toolkit(t) {}
};

}  // namespace tarnix
