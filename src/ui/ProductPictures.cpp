#include "ui/ProductPictures.h"

#include "PictureIds.h"
#include "ui/Pictures.h"

namespace zorvat::ui {
namespace {

void DrawBitmap(HDC dc, HBITMAP bitmap, int left, int top, int width, int height) {
  if (!bitmap) {
    return;  // a program without the pictures shows the window without them
  }
  BITMAP size{};
  GetObjectW(bitmap, sizeof size, &size);
  const shellkit::MemoryDc source(CreateCompatibleDC(dc));
  const shellkit::SelectionGuard selected(source.get(), bitmap);
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, left, top, width, height, source.get(), 0, 0, size.bmWidth, size.bmHeight,
             SRCCOPY);
}

}  // namespace

ProductPictures::ProductPictures()
    : side_(LoadProgramBitmap(IDB_PRODUCT_SIDE)), banner_(LoadProgramBitmap(IDB_PRODUCT_BANNER)) {}

void ProductPictures::Draw(HDC dc, const Dpi& dpi, int width) const {
  DrawBitmap(dc, side_.get(), 0, 0, dpi(kSide.cx), dpi(kSide.cy));
  DrawBitmap(dc, banner_.get(), dpi(width - kBanner.cx), 0, dpi(kBanner.cx), dpi(kBanner.cy));
}

}  // namespace zorvat::ui
