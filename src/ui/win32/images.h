// Bitmap resources scaled to the screen, magenta (255, 0, 255) being transparent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/handles_win32.h"

namespace tarnix::ui::win32 {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

// Pixels of a picture, top row first; alpha 0 is transparent, 255 opaque.
struct Picture32 {
  int width = 0, height = 0;
  std::vector<uint32_t> argb;
};

// The bitmap resource, or an empty picture when it does not exist.
Picture32 LoadPicture(HINSTANCE instance, int resource);

// Resamples by averaging the opaque part of each target pixel's area; a target pixel is
// opaque when most of its area is.
Picture32 Resample(const Picture32& source, int width, int height);

// A colour bitmap (transparent pixels black) and its mask (transparent pixels white), the
// pair an image list takes.
struct MaskedBitmap {
  explicit MaskedBitmap(const Picture32& picture);
  GdiObject<HBITMAP> color;
  GdiObject<HBITMAP> mask;
};

// An opaque bitmap: the picture over a background colour.
GdiObject<HBITMAP> OpaqueBitmap(const Picture32& picture, COLORREF background);

}  // namespace tarnix::ui::win32
