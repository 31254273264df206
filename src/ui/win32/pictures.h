// Bevels, pictures and image lists.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "base/handles_win32.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/control_base.h"

namespace tarnix::ui::win32 {

struct ImageListTraits {
  using Handle = HIMAGELIST;
  static HIMAGELIST Invalid() { return nullptr; }
  static void Close(HIMAGELIST list) { DestroyImageList(list); }
};
using ImageListHandle = UniqueHandle<ImageListTraits>;

class BevelImpl final : public WindowControl<Bevel> {
 public:
  BevelImpl(Win32Form& form, const BevelSpec& spec, HWND parent);
};

class PictureImpl final : public WindowControl<Picture> {
 public:
  PictureImpl(Win32Form& form, const ImageSpec& spec, HWND parent);

 private:
  GdiObject<HBITMAP> bitmap_;
};

// The system's shield at the given size, shared (never destroyed); null where the system has
// none.
HICON ShieldIcon(int size);

// The images are scaled from their design size to the screen's dpi.
class ImageListImpl final : public ImageList {
 public:
  ImageListImpl(Win32Form& form, const ImageListSpec& spec);
  std::string Name() const override { return spec_.name; }
  int Count() const override { return ImageListCount(list_.get()); }
  int Width() const override { return spec_.width; }
  int Height() const override { return spec_.height; }

  HIMAGELIST Handle() const { return list_.get(); }
  int ScreenWidth() const { return width_; }
  int ScreenHeight() const { return height_; }

 private:
  ImageListSpec spec_;
  int width_, height_;
  ImageListHandle list_;
};

// A one-image list holding a bitmap resource at its scaled size, or none.
ImageListHandle LoadScaledImage(Win32Form& form, int resource, SIZE* size);

}  // namespace tarnix::ui::win32
