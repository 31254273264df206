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

namespace {

// The message font is given at the system dpi; the forms are laid out at the screen's.
LOGFONTW MessageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  LOGFONTW font{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font = metrics.lfMessageFont;
  } else {
    font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
  }
  int systemDpi = ScreenDpi();
  if (systemDpi != dpi)
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
  font.lfQuality = DEFAULT_QUALITY;
  return font;
}

}  // namespace

FontSet::FontSet(int dpi) : base_(MessageFont(dpi)) {
  normal_ = CreateFontIndirectW(&base_);
  LOGFONTW bold = base_;
  bold.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectW(&bold);
}

FontSet::~FontSet() {
  DeleteObject(normal_);
  DeleteObject(bold_);
  for (auto& named : named_) DeleteObject(named.second);
}

HFONT FontSet::Named(const std::string& face) {
  auto found = named_.find(face);
  if (found != named_.end())
    return found->second;
  LOGFONTW font = base_;
  lstrcpynW(font.lfFaceName, Widen(face).c_str(), LF_FACESIZE);
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  HFONT created = CreateFontIndirectW(&font);
  named_[face] = created;
  return created;
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
