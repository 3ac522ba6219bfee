#pragma once

#include <windows.h>

namespace zorvat::ui {

// Lengths of the layout are given at 96 dots per inch; this scales them to the monitor's.
class Dpi {
 public:
  static constexpr int kDesign = 96;

  explicit Dpi(int dotsPerInch = kDesign) : dotsPerInch_(dotsPerInch) {}
  static Dpi Of(HWND window) {
    const UINT dots = window ? GetDpiForWindow(window) : 0;
    return Dpi(dots ? static_cast<int>(dots) : kDesign);
  }

  int operator()(int pixels) const { return MulDiv(pixels, dotsPerInch_, kDesign); }
  int Value() const { return dotsPerInch_; }

 private:
  int dotsPerInch_;
};

}  // namespace zorvat::ui
