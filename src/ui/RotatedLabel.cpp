#include "ui/RotatedLabel.h"

#include <uxtheme.h>

#include "shellkit/Handles.h"
#include "shellkit/WideText.h"

namespace zorvat::ui {
namespace {

constexpr wchar_t kClassName[] = L"ZorvatRotatedLabel";
constexpr wchar_t kPadding[] = L"   ";

SIZE TextExtent(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

}  // namespace

RotatedLabel::RotatedLabel(Prompts& errors, HWND parent, POINT centre)
    : Window(errors), centre_(centre) {
  Create(kClassName, 0, L"", WS_CHILD | WS_VISIBLE, RECT{centre.x, centre.y, centre.x, centre.y},
         parent);
  Resize(MeasuredSide());
}

void RotatedLabel::SetCaption(std::string_view caption) {
  caption_ = Widen(caption);
  Changed();
}

void RotatedLabel::SetFont(HFONT font) {
  font_ = font;
  Changed();
}

void RotatedLabel::SetTextColor(COLORREF color) {
  textColor_ = color;
  Changed();
}

void RotatedLabel::SetColor(COLORREF color) {
  color_ = color;
  Changed();
}

void RotatedLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed();
}

void RotatedLabel::SetAngle(int degrees) {
  if (degrees == angle_) {
    return;
  }
  angle_ = degrees;
  turn_ = AngleTurn::Of(degrees);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void RotatedLabel::SetCentre(POINT centre) {
  centre_ = centre;
  Changed();
}

void RotatedLabel::Changed() {
  Resize(MeasuredSide());
  InvalidateRect(Handle(), nullptr, TRUE);
}

HFONT RotatedLabel::Font() const {
  return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int RotatedLabel::MeasuredSide() {
  const shellkit::WindowDc dc(Handle());
  const shellkit::SelectionGuard font(dc.get(), Font());
  return TextExtent(dc.get(), caption_ + kPadding).cx;
}

bool RotatedLabel::Resize(int side) {
  RECT now{};
  GetWindowRect(Handle(), &now);
  const int left = centre_.x - side / 2;
  const int top = centre_.y - side / 2;
  POINT topLeft{now.left, now.top};
  ScreenToClient(GetParent(Handle()), &topLeft);
  if (now.right - now.left == side && now.bottom - now.top == side && topLeft.x == left &&
      topLeft.y == top) {
    return false;
  }
  SetWindowPos(Handle(), nullptr, left, top, side, side, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

LRESULT RotatedLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint draws the parent's background itself
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void RotatedLabel::Paint() {
  const shellkit::PaintScope paint(Handle());
  const HDC dc = paint.get();
  DrawThemeParentBackground(Handle(), dc, nullptr);

  const shellkit::SelectionGuard font(dc, Font());
  const int side = TextExtent(dc, caption_ + kPadding).cx;
  // A new size repaints the label again; this paint still finishes in the old one.
  Resize(side);
  SetBkMode(dc, TRANSPARENT);

  LOGFONTW description{};
  GetObjectW(Font(), sizeof(description), &description);
  description.lfEscapement = angle_ * 10;
  description.lfOutPrecision = OUT_TT_ONLY_PRECIS;  // only TrueType fonts turn
  const shellkit::Font turned(CreateFontIndirectW(&description));
  const shellkit::SelectionGuard turnedFont(dc, turned.get());
  const SIZE text = TextExtent(dc, caption_);
  const RotatedTextLayout layout = LayoutRotatedText(side, text.cx, text.cy, turn_);

  if (!transparent_) {
    POINT corners[4];
    for (int i = 0; i < 4; ++i) {
      corners[i] = {layout.background[i].x, layout.background[i].y};
    }
    const shellkit::Brush brush(CreateSolidBrush(color_));
    const shellkit::SelectionGuard fill(dc, brush.get());
    Polygon(dc, corners, 4);
  }
  // The box already lies under the whole text cell, so the text needs no opaque cell of its
  // own (Wine would fill that one unturned).
  ::SetTextColor(dc, textColor_);
  TextOutW(dc, layout.origin.x, layout.origin.y, caption_.c_str(),
           static_cast<int>(caption_.size()));
}

}  // namespace zorvat::ui
