#include "ui/win32/images.h"

#include <cstring>

namespace tarnix::ui::win32 {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

GdiObject<HBITMAP> DibFromPixels(int width, int height, const std::vector<uint32_t>& pixels) {
  BITMAPINFO info = TopDown32(width, height);
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap.valid() && bits)
    memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
  return bitmap;
}

}  // namespace

Picture32 LoadPicture(HINSTANCE instance, int resource) {
  Picture32 picture;
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap.valid())
    return picture;
  BITMAP header{};
  GetObjectW(bitmap.get(), sizeof(header), &header);
  picture.width = header.bmWidth;
  picture.height = header.bmHeight;
  picture.argb.resize(static_cast<size_t>(picture.width) * picture.height);
  BITMAPINFO info = TopDown32(picture.width, picture.height);
  ScreenDc screen(GetDC(nullptr));
  GetDIBits(screen.get(), bitmap.get(), 0, picture.height, picture.argb.data(), &info,
            DIB_RGB_COLORS);
  for (uint32_t& pixel : picture.argb) {
    pixel &= 0x00FFFFFFu;
    if (pixel != 0x00FF00FFu)
      pixel |= kOpaque;
  }
  return picture;
}

Picture32 Resample(const Picture32& source, int width, int height) {
  Picture32 target;
  target.width = width;
  target.height = height;
  target.argb.assign(static_cast<size_t>(width) * height, 0);
  if (source.width == 0 || source.height == 0)
    return target;
  constexpr int kSamples = 4;  // per axis and target pixel
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned red = 0, green = 0, blue = 0, opaque = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        int srcY = ((y * kSamples + sy) * source.height) / (height * kSamples);
        for (int sx = 0; sx < kSamples; ++sx) {
          int srcX = ((x * kSamples + sx) * source.width) / (width * kSamples);
          uint32_t pixel = source.argb[static_cast<size_t>(srcY) * source.width + srcX];
          if (!(pixel & kOpaque))
            continue;
          ++opaque;
          red += (pixel >> 16) & 0xFF;
          green += (pixel >> 8) & 0xFF;
          blue += pixel & 0xFF;
        }
      }
      if (opaque * 2 < kSamples * kSamples)
        continue;
      target.argb[static_cast<size_t>(y) * width + x] =
          kOpaque | ((red / opaque) << 16) | ((green / opaque) << 8) | (blue / opaque);
    }
  }
  return target;
}

MaskedBitmap::MaskedBitmap(const Picture32& picture) {
  std::vector<uint32_t> colors(picture.argb.size());
  int stride = ((picture.width + 15) / 16) * 2;  // monochrome rows are word aligned
  std::vector<BYTE> maskBits(static_cast<size_t>(stride) * picture.height, 0);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      size_t i = static_cast<size_t>(y) * picture.width + x;
      if (picture.argb[i] & kOpaque) {
        colors[i] = picture.argb[i] & 0x00FFFFFFu;
      } else {
        maskBits[static_cast<size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
      }
    }
  }
  color = DibFromPixels(picture.width, picture.height, colors);
  mask.reset(CreateBitmap(picture.width, picture.height, 1, 1, maskBits.data()));
}

GdiObject<HBITMAP> OpaqueBitmap(const Picture32& picture, COLORREF background) {
  uint32_t fill =
      (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
  std::vector<uint32_t> pixels(picture.argb.size());
  for (size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = (picture.argb[i] & kOpaque) ? picture.argb[i] & 0x00FFFFFFu : fill;
  }
  return DibFromPixels(picture.width, picture.height, pixels);
}

}  // namespace tarnix::ui::win32
