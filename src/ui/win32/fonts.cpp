#include "ui/win32/fonts.h"

#include "base/unicode_win32.h"
#include "ui/win32/scaling.h"

namespace tarnix::ui::win32 {

int ScreenDpi() {
  ScreenDc screen(GetDC(nullptr));
  int dpi = screen.valid() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  return dpi > 0 ? dpi : 96;
}

HFONT FontSet::Get(const std::string& face, int points, bool bold) {
  auto key = std::make_tuple(face, points, bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end())
    return found->second.get();
  LOGFONTW font{};
  // A negative height asks for the character height, which is what a size in points is.
  font.lfHeight = -MulDiv(points, dpi_, 72);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, Widen(face).c_str(), LF_FACESIZE);
  return fonts_.emplace(key, CreateFontIndirectW(&font)).first->second.get();
}

SIZE TextSize(HFONT font, const std::wstring& text) {
  SIZE size{0, 0};
  ScreenDc dc(GetDC(nullptr));
  HGDIOBJ old = SelectObject(dc.get(), font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_LEFT);
  size.cx = r.right - r.left;
  size.cy = r.bottom - r.top;
  SelectObject(dc.get(), old);
  return size;
}

}  // namespace tarnix::ui::win32
