#include "ui/win32/pictures.h"

#include "ui/win32/images.h"
#include "ui/win32/toolkit_impl.h"
#include "ui/win32/win32_form.h"

namespace tarnix::ui::win32 {

HICON ShieldIcon(int size) {
  constexpr WORD kShieldIcon = 32518;  // IDI_SHIELD, spelled as a number in both character sets
  return static_cast<HICON>(
      LoadImageW(nullptr, MAKEINTRESOURCEW(kShieldIcon), IMAGE_ICON, size, size, LR_SHARED));
}

namespace {

void AddPicture(HIMAGELIST list, const Picture32& picture) {
  MaskedBitmap bitmap(picture);
  AddToImageList(list, bitmap.color.get(), bitmap.mask.get());
}

}  // namespace

BevelImpl::BevelImpl(Win32Form& form, const BevelSpec& spec, HWND parent)
    : WindowControl<Bevel>(&form, spec.name) {
  DWORD shape = SS_ETCHEDFRAME;
  if (spec.bounds.height <= 3)
    shape = SS_ETCHEDHORZ;
  if (spec.bounds.width <= 3)
    shape = SS_ETCHEDVERT;
  Create(L"STATIC", L"", WS_VISIBLE | shape, 0, form.Scale().Rect(spec.bounds), parent);
}

PictureImpl::PictureImpl(Win32Form& form, const ImageSpec& spec, HWND parent)
    : WindowControl<Picture>(&form, spec.name) {
  Create(L"STATIC", L"", WS_VISIBLE | SS_BITMAP, 0, form.Scale().Rect(spec.bounds), parent);
  Picture32 picture = LoadPicture(form.Toolkit().Instance(), spec.bitmapResource);
  if (picture.argb.empty())
    return;
  const Scaler& scale = form.Scale();
  bitmap_ = OpaqueBitmap(Resample(picture, scale(picture.width), scale(picture.height)),
                         GetSysColor(COLOR_BTNFACE));
  SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.get()));
}

ImageListImpl::ImageListImpl(Win32Form& form, const ImageListSpec& spec)
    : spec_(spec),
      width_(form.Scale()(spec.width)),
      height_(form.Scale()(spec.height)),
      list_(CreateImageList(width_, height_, ILC_COLOR24 | ILC_MASK,
                            static_cast<int>(spec.bitmapResources.size()), 4)) {
  for (int resource : spec.bitmapResources) {
    // A missing picture still takes its place, so that the images keep their numbers.
    Picture32 picture = LoadPicture(form.Toolkit().Instance(), resource);
    AddPicture(list_.get(), Resample(picture, width_, height_));
  }
}

ImageListHandle LoadScaledImage(Win32Form& form, int resource, SIZE* size) {
  Picture32 picture = LoadPicture(form.Toolkit().Instance(), resource);
  if (picture.argb.empty())
    return {};
  const Scaler& scale = form.Scale();
  *size = {scale(picture.width), scale(picture.height)};
  ImageListHandle list(CreateImageList(size->cx, size->cy, ILC_COLOR24 | ILC_MASK, 1, 0));
  AddPicture(list.get(), Resample(picture, size->cx, size->cy));
  return list;
}

}  // namespace tarnix::ui::win32
