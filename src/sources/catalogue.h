// The nine startup places and where each lies on the running platform.
#pragma once

#include <string>
#include <vector>

#include "platform/store.h"

namespace tarnix {

namespace ui {
class Control;
}

enum SectionKind { kindRunList = 0, kindTextFile = 1, kindWinIni = 2, kindFolder = 3 };

struct StartupSection {
  std::string key;  // also the snapshot subkey name
  SectionKind kind = kindRunList;
  // Registry root name and key path, file path, or folder path ending in "\". For a folder
  // that could not be determined it is empty and `placeKnown` is false: such a section holds
  // nothing and no command lists, writes or deletes anything there.
  std::string place;
  bool placeKnown = true;
  ui::Control* view = nullptr;  // bound when the main window exists; none for kindWinIni
};

// Where a registry run list lives.
struct RunKeyLocation {
  Root root = Root::LocalMachine;
  std::string path;  // begins with "\"
};

constexpr int kRunListCount = 3;
RunKeyLocation RunListKey(int index);  // 0 HKLM Run, 1 HKLM RunServices, 2 HKCU Run
// Splits a run-list place ("HKEY_LOCAL_MACHINE\SOFTWARE\...") into root and path.
RunKeyLocation SplitRunPlace(const std::string& place);

class Catalogue {
 public:
  std::vector<StartupSection> sections;  // in the catalogue's fixed order
  bool isNT = false;
  std::string btnWinsCaption;
  std::string windowsFolder;

  StartupSection* Find(const std::string& key);
  const StartupSection* Find(const std::string& key) const;
  // The section of run-list index 0, 1 or 2.
  StartupSection& RunList(int index);
  const StartupSection& RunList(int index) const;
};

// Asks the platform once for the Windows folder and version and reads the two startup folders
// from the Shell Folders keys.
Catalogue BuildCatalogue(Store& store);

}  // namespace tarnix
