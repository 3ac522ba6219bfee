#pragma once

#include <windows.h>

#include "shellkit/Handles.h"
#include "ui/Dpi.h"

namespace zorvat::ui {

// The two pictures of the splash and about windows: the tall one at the left edge and the
// banner at the top right, both drawn at 96 dpi and scaled.
class ProductPictures {
 public:
  static constexpr SIZE kSide{191, 210};
  static constexpr SIZE kBanner{318, 89};

  ProductPictures();

  // Draws both into a client area `width` pixels wide at 96 dpi.
  void Draw(HDC dc, const Dpi& dpi, int width) const;

 private:
  shellkit::Bitmap side_;
  shellkit::Bitmap banner_;
};

}  // namespace zorvat::ui
