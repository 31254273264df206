// The fonts of the forms: a face at a size in points, made once per face, size and weight at
// the dpi the forms are laid out for.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "base/handles_win32.h"

namespace tarnix::ui::win32 {

class FontSet {
 public:
  explicit FontSet(int dpi) : dpi_(dpi) {}
  FontSet(const FontSet&) = delete;
  FontSet& operator=(const FontSet&) = delete;

  HFONT Get(const std::string& face, int points, bool bold = false);

 private:
  int dpi_;
  std::map<std::tuple<std::string, int, bool>, GdiObject<HFONT>> fonts_;
};

// Size of a text in pixels when drawn in a font.
SIZE TextSize(HFONT font, const std::wstring& text);

}  // namespace tarnix::ui::win32
