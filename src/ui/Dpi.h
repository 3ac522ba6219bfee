#pragma once

#include <windows.h>

#include "shellkit/DpiFunctions.h"

namespace zorvat::ui {

// Lengths of the layout are given at 96 dots per inch; this scales them to the monitor's.
class Dpi {
 public:
  static constexpr int kDesign = 96;

  explicit Dpi(int dotsPerInch = kDesign) : dotsPerInch_(dotsPerInch) {}
  static Dpi Of(HWND window) {
    return Dpi(
        static_cast<int>(window ? shellkit::DpiForWindow(window) : shellkit::DpiForSystem()));
  }

  static Dpi OfSystem() { return Dpi(static_cast<int>(shellkit::DpiForSystem())); }

  int operator()(int pixels) const { return MulDiv(pixels, dotsPerInch_, kDesign); }
  int Value() const { return dotsPerInch_; }

 private:
  int dotsPerInch_;
};

}  // namespace zorvat::ui
