#include "ui/MainWindowPart.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/ClockFont.h"
#include "ui/Fonts.h"

namespace zorvat::ui {

MainWindowFonts MakeMainWindowFonts(const RegionalFormats& formats, const Dpi& dpi) {
  MainWindowFonts fonts;
  fonts.client = MakeFont(L"Arial", 11, false, dpi);
  fonts.heading = MakeFont(L"Tahoma", 24, true, dpi);
  fonts.caption = MakeFont(L"Arial", 12, true, dpi);
  fonts.clock = MakeClockFont(formats, dpi, dpi(kClockWidth));
  fonts.product = MakeFont(L"Tahoma", 43, true, dpi);
  fonts.symbol = MakeFont(L"Marlett", 11, false, dpi, SYMBOL_CHARSET);
  fonts.maker = MakeFont(L"Arial", 12, true, dpi);
  return fonts;
}

HWND AddChildControl(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent,
                     int id, DWORD exStyle) {
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

HWND PartButtons::Add(const wchar_t* text, DWORD style, HWND parent, int id) {
  buttons_.push_back(std::make_unique<CommandControl>(context_.prompts, WC_BUTTONW, text,
                                                      WS_CHILD | WS_VISIBLE | style, parent, id,
                                                      context_.onCommand));
  return buttons_.back()->Handle();
}

void PlaceChild(HWND window, int left, int top, int width, int height) {
  SetWindowPos(window, nullptr, left, top, std::max(width, 0), std::max(height, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zorvat::ui
