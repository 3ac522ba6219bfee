#include "ui/StatusArea.h"

#include <commctrl.h>

#include "PictureIds.h"
#include "events/MainWindowTexts.h"
#include "ui/Pictures.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr std::array<int, 8> kPartWidths = {20, 100, 4, 22, 200, 4, 24, 800};
constexpr std::array<int, 3> kPictureLeft = {2, 128, 355};
constexpr int kPictureTop = 4;
constexpr int kClockPart = 4;

}  // namespace

StatusArea::StatusArea(const PartContext& context, const Dpi& dpi)
    : bar_(AddChildControl(STATUSCLASSNAMEW, nullptr, SBARS_SIZEGRIP, context.window,
                           IDC_STATUS_BAR)) {
  LoadPictures(dpi);
  SetParts(dpi);
  SendMessageW(bar_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(Widen(kStatusVersionText).c_str()));
  SendMessageW(bar_, SB_SETTEXTW, kClockPart, reinterpret_cast<LPARAM>(L"NoDay"));
  SendMessageW(bar_, SB_SETTEXTW, 7, reinterpret_cast<LPARAM>(Widen(kStatusLastPanelText).c_str()));
  for (const int owned : {0, 2, 3, 5, 6}) {
    SendMessageW(bar_, SB_SETTEXTW, owned | SBT_OWNERDRAW, 0);
  }
}

// The bar is the main window's child: it goes here, before the pictures it draws.
StatusArea::~StatusArea() {
  if (bar_) {
    DestroyWindow(bar_);
  }
}

void StatusArea::LoadPictures(const Dpi& dpi) {
  for (int i = 0; i < IDI_STATUS_COUNT; ++i) {
    pictures_[static_cast<std::size_t>(i)] = LoadProgramIcon(IDI_STATUS_FIRST + i, dpi(16));
  }
}

void StatusArea::SetParts(const Dpi& dpi) {
  std::array<int, kPartWidths.size()> edges{};
  int right = 0;
  for (std::size_t i = 0; i < kPartWidths.size(); ++i) {
    right += dpi(kPartWidths[i]);
    edges[i] = right;
  }
  SendMessageW(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  SendMessageW(
      bar_, SB_SETMINHEIGHT,
      dpi(22) - 2 * shellkit::SystemMetricForDpi(SM_CYBORDER, static_cast<UINT>(dpi.Value())), 0);
  SendMessageW(bar_, WM_SIZE, 0, 0);
}

void StatusArea::ApplyFonts(const MainWindowFonts& fonts, const Dpi& /*dpi*/) {
  SendMessageW(bar_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.client.get()), TRUE);
}

// The bar places itself along its parent's bottom edge.
void StatusArea::Layout(const RECT& /*area*/, const Dpi& /*dpi*/) {
  SendMessageW(bar_, WM_SIZE, 0, 0);
}

void StatusArea::OnDpiChanged(const Dpi& /*from*/, const Dpi& to) {
  LoadPictures(to);
  SetParts(to);
}

int StatusArea::Height() const {
  RECT bounds{};
  GetWindowRect(bar_, &bounds);
  return bounds.bottom - bounds.top;
}

void StatusArea::SetClockText(const std::string& text) {
  SendMessageW(bar_, SB_SETTEXTW, kClockPart, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

// Every owner-drawn panel paints all three pictures: each lies inside its own panel.
bool StatusArea::DrawPictures(const DRAWITEMSTRUCT& item, const Dpi& dpi) const {
  if (item.hwndItem != bar_) {
    return false;
  }
  const int size = dpi(16);
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    DrawIconEx(item.hDC, dpi(kPictureLeft[i]), dpi(kPictureTop), pictures_[i].get(), size, size, 0,
               nullptr, DI_NORMAL);
  }
  return true;
}

}  // namespace zorvat::ui
