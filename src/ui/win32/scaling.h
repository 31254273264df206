// Forms are designed at 120 dpi; everything placed on the screen is scaled to its dpi.
#pragma once

#include <windows.h>

#include "ui/widgets.h"

namespace tarnix::ui::win32 {

constexpr int kDesignDpi = 120;

class Scaler {
 public:
  explicit Scaler(int dpi) : dpi_(dpi) {}
  int operator()(int designPixels) const { return MulDiv(designPixels, dpi_, kDesignDpi); }
  RECT Rect(const Bounds& b) const {
    int left = (*this)(b.left), top = (*this)(b.top);
    return {left, top, left + (*this)(b.width), top + (*this)(b.height)};
  }
  int Dpi() const { return dpi_; }

 private:
  int dpi_;
};

// The dpi of the screen the program runs on.
int ScreenDpi();

}  // namespace tarnix::ui::win32
