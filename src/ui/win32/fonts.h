// The fonts of every form: the system's message font, a bold variant, and named faces.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace tarnix::ui::win32 {

class FontSet {
 public:
  explicit FontSet(int dpi);
  ~FontSet();
  FontSet(const FontSet&) = delete;
  FontSet& operator=(const FontSet&) = delete;

  HFONT Normal() const { return normal_; }
  HFONT Bold() const { return bold_; }
  // The face at the message font's size; created once per face.
  HFONT Named(const std::string& face);

 private:
  LOGFONTW base_{};
  HFONT normal_ = nullptr;
  HFONT bold_ = nullptr;
  std::map<std::string, HFONT> named_;
};

// Size of a text in pixels when drawn in a font.
SIZE TextSize(HFONT font, const std::wstring& text);

}  // namespace tarnix::ui::win32
