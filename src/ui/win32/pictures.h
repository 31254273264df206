// Bevels, pictures and image lists.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/win32/control_base.h"

namespace tarnix::ui::win32 {

class BevelImpl final : public WindowControl<Bevel> {
 public:
  BevelImpl(Win32Form& form, const BevelSpec& spec, HWND parent);
};

class PictureImpl final : public WindowControl<Picture> {
 public:
  PictureImpl(Win32Form& form, const ImageSpec& spec, HWND parent);
  ~PictureImpl() override;

 private:
  HBITMAP bitmap_ = nullptr;
};

// The system's shield at the given size, shared (never destroyed); null where the system has
// none.
HICON ShieldIcon(int size);

// The images are scaled from their design size to the screen's dpi.
class ImageListImpl final : public ImageList {
 public:
  ImageListImpl(Win32Form& form, const ImageListSpec& spec);
  ~ImageListImpl() override;
  std::string Name() const override { return spec_.name; }
  int Count() const override { return ImageList_GetImageCount(list_); }
  int Width() const override { return spec_.width; }
  int Height() const override { return spec_.height; }

  HIMAGELIST Handle() const { return list_; }
  int ScreenWidth() const { return width_; }
  int ScreenHeight() const { return height_; }

 private:
  ImageListSpec spec_;
  int width_, height_;
  HIMAGELIST list_ = nullptr;
};

// A one-image list holding a bitmap resource at its scaled size, or null.
HIMAGELIST LoadScaledImage(Win32Form& form, int resource, SIZE* size);

}  // namespace tarnix::ui::win32
