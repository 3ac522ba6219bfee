#include "ui/Panel.h"

namespace zorvat::ui {

Panel::Panel(Prompts& errors, HWND parent, COLORREF background, bool lowered)
    : Window(errors),
      background_(background),
      backgroundBrush_(CreateSolidBrush(background)),
      lowered_(lowered) {
  Create(L"ZorvatPanel", WS_EX_CONTROLPARENT, L"",
         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, RECT{0, 0, 0, 0}, parent);
}

void Panel::SetLabelColour(HWND label, COLORREF colour) {
  labelColours_.emplace_back(label, colour);
}

RECT Panel::Inner() const {
  RECT area{};
  GetClientRect(Handle(), &area);
  if (lowered_) {
    InflateRect(&area, -kBevel, -kBevel);
  }
  return area;
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto painted = PaintMessage(message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *painted;
  }
  switch (message) {
    case WM_SIZE:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT Panel::ColourLabel(HDC dc, HWND label) {
  COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
  for (const auto& [window, labelColour] : labelColours_) {
    if (window == label) {
      colour = labelColour;
    }
  }
  SetTextColor(dc, colour);
  SetBkColor(dc, background_);
  return reinterpret_cast<LRESULT>(backgroundBrush_.get());
}

void Panel::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, backgroundBrush_.get());
  const RECT inner = Inner();

  if (!pictures_.empty()) {
    const shellkit::MemoryDc source(CreateCompatibleDC(dc));
    SetStretchBltMode(dc, HALFTONE);
    for (const Picture& picture : pictures_) {
      BITMAP size{};
      if (!picture.bitmap || !GetObjectW(picture.bitmap, sizeof(size), &size)) {
        continue;
      }
      const RECT at = picture.at.right > picture.at.left ? picture.at : inner;
      shellkit::SelectionGuard selected(source.get(), picture.bitmap);
      StretchBlt(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, source.get(), 0, 0,
                 size.bmWidth, size.bmHeight, SRCCOPY);
    }
  }
  if (stripWidth_ > 0) {
    shellkit::Brush strip(CreateSolidBrush(stripColour_));
    const RECT area{inner.left, inner.top, inner.left + stripWidth_, inner.bottom};
    FillRect(dc, &area, strip.get());
  }
  const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (const Rule& rule : rules_) {
    const RECT area{rule.left, rule.top, client.right, rule.top + rule.height};
    FillRect(dc, &area, black);
  }
  SetBkMode(dc, TRANSPARENT);
  for (const Text& text : texts_) {
    shellkit::SelectionGuard font(dc, text.font);
    SetTextColor(dc, text.colour);
    TextOutW(dc, text.at.x, text.at.y, text.text.c_str(), static_cast<int>(text.text.size()));
  }
  if (lowered_) {
    RECT edge = client;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
  }
  if (framed_) {
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
}

}  // namespace zorvat::ui
