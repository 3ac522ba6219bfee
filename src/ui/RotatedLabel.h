#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/RotatedTextLayout.h"
#include "ui/Window.h"

namespace zorvat::ui {

// A label that draws its caption turned about its centre. It is a square as wide as the caption
// and three blanks, and sizes itself at every paint; its centre stays where the owner put it.
// Outside the turned box (and inside it when transparent) the parent's background shows.
class RotatedLabel final : public Window {
 public:
  RotatedLabel(Prompts& errors, HWND parent, POINT centre);
  ~RotatedLabel() override { Destroy(); }
  RotatedLabel(const RotatedLabel&) = delete;
  RotatedLabel& operator=(const RotatedLabel&) = delete;

  void SetCaption(std::string_view caption);
  // Not owned: the owner keeps the font alive while the label uses it.
  void SetFont(HFONT font);
  void SetTextColor(COLORREF color);
  // The turned box behind the text when not transparent.
  void SetColor(COLORREF color);
  void SetTransparent(bool transparent);
  // Degrees, counter-clockwise. The same angle again changes nothing and repaints nothing.
  void SetAngle(int degrees);
  int Angle() const { return angle_; }
  void SetCentre(POINT centre);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  // Sizes the window to `side` around the centre; false when it already had that size.
  bool Resize(int side);
  int MeasuredSide();
  HFONT Font() const;
  void Changed();

  POINT centre_;
  std::wstring caption_;
  HFONT font_ = nullptr;
  COLORREF textColor_ = RGB(0, 0, 0);
  COLORREF color_ = RGB(255, 255, 255);
  bool transparent_ = true;
  int angle_ = 0;
  AngleTurn turn_;
};

}  // namespace zorvat::ui
