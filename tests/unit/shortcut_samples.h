// Shortcuts the tests start from.
#pragma once

#include "fakes/shortcuts_memory.h"

namespace tarnix {

// A shortcut with every property set, as another program may have made it.
inline MemoryShortcut Decorated() {
  MemoryShortcut shortcut;
  shortcut.target = "C:\\Tools\\notes.exe";
  shortcut.arguments = "-a";
  shortcut.workingDirectory = "C:\\Tools";
  shortcut.description = "Notes";
  shortcut.iconLocation = "C:\\Tools\\icons.dll";
  shortcut.iconIndex = 4;
  shortcut.showCommand = 7;
  shortcut.hotKey = 0x0654;
  return shortcut;
}

}  // namespace tarnix
