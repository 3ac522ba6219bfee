#include "ui/ClockFont.h"

#include <algorithm>
#include <array>

#include "base/DateTime.h"
#include "base/DateTimeText.h"
#include "shellkit/WideText.h"
#include "ui/Fonts.h"

namespace zorvat::ui {
namespace {

constexpr int kClockPixels = 27;
constexpr int kSmallestPixels = 8;

// Arial's digits share one width, so two-digit hours before and after noon are the widest.
int WidestTimeWidth(HFONT font, const RegionalFormats& formats) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, font);
  int widest = 0;
  for (const DateTime sample : std::array{EncodeTime(10, 58, 58, 0), EncodeTime(22, 58, 58, 0)}) {
    const std::wstring text = Widen(FormatTime(sample, formats));
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return widest;
}

}  // namespace

shellkit::Font MakeClockFont(const RegionalFormats& formats, const Dpi& dpi, int width) {
  shellkit::Font font = MakeFont(L"Arial", kClockPixels, true, dpi);
  const int needed = WidestTimeWidth(font.get(), formats);
  if (needed <= width) {
    return font;
  }
  // Text widths grow about in proportion to the size; the loop covers the rounding.
  for (int pixels = std::max(kSmallestPixels, kClockPixels * width / needed);
       pixels >= kSmallestPixels; --pixels) {
    font = MakeFont(L"Arial", pixels, true, dpi);
    if (WidestTimeWidth(font.get(), formats) <= width) {
      break;
    }
  }
  return font;
}

}  // namespace zorvat::ui
