#include "ui/win32/fonts.h"

#include "base/unicode_win32.h"
#include "ui/win32/scaling.h"

namespace tarnix::ui::win32 {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen)
    ReleaseDC(nullptr, screen);
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
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_LEFT);
  size.cx = r.right - r.left;
  size.cy = r.bottom - r.top;
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size;
}

}  // namespace tarnix::ui::win32
