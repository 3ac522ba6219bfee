#include "ui/RotatedTextLayout.h"

#include <cmath>

namespace zorvat::ui {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// Halves are integer halves first; each product is then cut toward zero, not rounded.
int Cut(int length, double factor) {
  return static_cast<int>(std::trunc((length / 2) * factor));  // NOLINT(bugprone-integer-division)
}

}  // namespace

AngleTurn AngleTurn::Of(int degrees) {
  const double radians = degrees * kRadiansPerDegree;
  return {std::cos(radians), std::sin(radians)};
}

RotatedTextLayout LayoutRotatedText(int paddedWidth, int textWidth, int textHeight,
                                    AngleTurn turn) {
  const double c = turn.cosine;
  const double s = turn.sine;
  const int cx = paddedWidth / 2;
  const int cy = paddedWidth / 2;
  RotatedTextLayout layout;
  layout.side = paddedWidth;
  layout.origin = {cx - Cut(textWidth, c) - Cut(textHeight, s),
                   cy + Cut(textWidth, s) - Cut(textHeight, c)};
  const int w = textWidth + 7;
  const int h = textHeight + 5;
  layout.background = {{
      {cx - Cut(w, c) - Cut(h, s), cy + Cut(w, s) - Cut(h, c)},
      {cx + Cut(w, c) - Cut(h, s), cy - Cut(w, s) - Cut(h, c)},
      {cx + Cut(w, c) + Cut(h, s), cy - Cut(w, s) + Cut(h, c)},
      {cx - Cut(w, c) + Cut(h, s), cy + Cut(w, s) + Cut(h, c)},
  }};
  return layout;
}

}  // namespace zorvat::ui
