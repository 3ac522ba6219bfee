#pragma once

#include <array>

namespace zorvat::ui {

struct LabelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const LabelPoint&, const LabelPoint&) = default;
};

// Cosine and sine of an angle in whole degrees, counter-clockwise.
struct AngleTurn {
  double cosine = 1.0;
  double sine = 0.0;
  static AngleTurn Of(int degrees);
};

// Where a label turned about its centre draws: a square as wide as the padded caption, the
// origin of the turned text, and the four corners of its turned background box.
struct RotatedTextLayout {
  int side = 0;
  LabelPoint origin;
  std::array<LabelPoint, 4> background;
  friend bool operator==(const RotatedTextLayout&, const RotatedTextLayout&) = default;
};

// paddedWidth: the caption and three blanks in the unturned font; textWidth and textHeight: the
// caption alone in the turned font (its extent along and across the baseline).
RotatedTextLayout LayoutRotatedText(int paddedWidth, int textWidth, int textHeight, AngleTurn turn);

}  // namespace zorvat::ui
