// Where everything goes: one pass over the client area, every length at 96 dpi through dpi_.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "ui/EventListView.h"
#include "ui/MainWindow.h"
#include "ui/NewEventTree.h"
#include "ui/RotatedLabel.h"

namespace zorvat::ui {
namespace {

constexpr int kBevelLine = 2;
constexpr int kTopBarHeight = 74;
constexpr int kTopRightWidth = 56;
constexpr int kSpacer = 4;
constexpr int kSplitterWidth = 3;
constexpr int kHeaderHeight = 24;
constexpr int kLogoHeight = 97;
constexpr int kMakerStripWidth = 23;
constexpr int kTreeLeft = 24;
constexpr int kTreeTop = 96;
constexpr int kHideButtonSize = 16;
constexpr int kSidePanelWidth = 135;
constexpr int kHeadingStripHeight = 49;
constexpr int kBottomStripHeight = 22;
constexpr int kRuleTop = 40;
constexpr int kRuleHeight = 4;
constexpr int kHeadingLeft = 104;
constexpr int kStripHeadingLeft = -30;
constexpr std::array<int, 8> kStatusWidths = {20, 100, 4, 22, 200, 4, 24, 800};
constexpr std::array<int, 3> kStatusImageLeft = {2, 128, 355};
constexpr int kStatusImageTop = 4;

void Place(HWND window, int left, int top, int width, int height) {
  SetWindowPos(window, nullptr, left, top, std::max(width, 0), std::max(height, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void MainWindow::Layout() {
  if (!statusBar_) {
    return;  // WM_SIZE during creation
  }
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = client.right;
  SendMessageW(statusBar_, WM_SIZE, 0, 0);
  RECT status{};
  GetWindowRect(statusBar_, &status);
  const int statusTop = client.bottom - (status.bottom - status.top);

  LayoutTopBar(width);
  const int top = dpi_(kBevelLine + kTopBarHeight + kBevelLine + kSpacer);
  const int column = std::min(dpi_(leftColumnWidth_), std::max(width - dpi_(kSplitterWidth), 1));
  const int columnWidth = leftColumnWidth_ == 1 ? 1 : column;
  LayoutLeftColumn(RECT{0, top, columnWidth, statusTop});
  Place(splitter_->Handle(), columnWidth, top, dpi_(kSplitterWidth), statusTop - top);
  LayoutRightArea(RECT{columnWidth + dpi_(kSplitterWidth), top, width, statusTop});
  InvalidateRect(Handle(), nullptr, FALSE);
}

void MainWindow::LayoutTopBar(int width) {
  if (SendMessageW(coolBar_, RB_GETBANDCOUNT, 0, 0) == 0) {
    AddCoolBarBands(width);
  }
  const int top = dpi_(kBevelLine);
  const int height = dpi_(kTopBarHeight);
  const int right = dpi_(kTopRightWidth);
  // The bar is as high as its two bands; the window's own face fills what is left of the 74 px.
  const int bands = static_cast<int>(SendMessageW(coolBar_, RB_GETBARHEIGHT, 0, 0));
  Place(coolBar_, 0, top, width - right, bands > 0 ? std::min(bands, height) : height);
  Place(topRight_->Handle(), width - right, top, right, height);
  Place(animationFrame_->Handle(), dpi_(3), dpi_(2), dpi_(50), dpi_(50));
  Place(animation_, dpi_(1), dpi_(1), dpi_(48), dpi_(48));
  Place(activeCheck_, dpi_(3), dpi_(54), right - dpi_(3), dpi_(17));
}

void MainWindow::AddCoolBarBands(int width) {
  REBARBANDINFOW band{};
  band.cbSize = sizeof(band);
  band.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_CHILD | RBBIM_SIZE;
  band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
  band.lpText = const_cast<wchar_t*>(L"Proc:");
  band.hwndChild = toolBar_;
  band.cx = width;
  SendMessageW(coolBar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  band.fStyle |= RBBS_BREAK;
  band.lpText = const_cast<wchar_t*>(L"CmdLine:");
  band.hwndChild = commandLine_;
  SendMessageW(coolBar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  SizeCoolBarBands();
}

// The bands' least sizes follow the toolbar's buttons and the monitor's scale.
void MainWindow::SizeCoolBarBands() {
  SIZE tools{};
  SendMessageW(toolBar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&tools));
  const std::array<SIZE, 2> least = {SIZE{tools.cx, dpi_(39)}, SIZE{dpi_(120), dpi_(21)}};
  for (std::size_t i = 0; i < least.size(); ++i) {
    REBARBANDINFOW band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILDSIZE;
    band.cxMinChild = static_cast<UINT>(least[i].cx);
    band.cyMinChild = static_cast<UINT>(least[i].cy);
    SendMessageW(coolBar_, RB_SETBANDINFOW, i, reinterpret_cast<LPARAM>(&band));
  }
}

void MainWindow::LayoutLeftColumn(const RECT& column) {
  const int width = column.right - column.left;
  const int height = column.bottom - column.top;
  Place(leftColumn_->Handle(), column.left, column.top, width, height);
  // The header, with the hide button 2 px from its right edge.
  Place(newEventsHeader_->Handle(), 0, 0, width, dpi_(kHeaderHeight));
  Place(newEventsLabel_, dpi_(4), dpi_(5), dpi_(100), dpi_(14));
  Place(hideButton_, width - dpi_(kHideButtonSize) - dpi_(2), dpi_(4), dpi_(kHideButtonSize),
        dpi_(kHideButtonSize));
  // The logo: the picture stretched, the maker's strip on its left, the product name.
  Place(logoPanel_->Handle(), 0, dpi_(kHeaderHeight), width, dpi_(kLogoHeight));
  const RECT logo = logoPanel_->Inner();
  logoPanel_->SetPictures({{logo_.get(), RECT{}}});
  logoPanel_->SetStrip(dpi_(kMakerStripWidth), RGB(0, 0, 0));
  logoPanel_->SetTexts({{L"Zorvat", fonts_.product.get(), RGB(0, 0, 0),
                         POINT{logo.left + dpi_(kMakerStripWidth) + dpi_(8), dpi_(20)}}});
  makerLabel_->SetCentre(
      POINT{logo.left + dpi_(kMakerStripWidth) / 2, (logo.top + logo.bottom) / 2});
  // The tree overlaps the logo's lower edge, as it always has.
  Place(tree_->Handle(), dpi_(kTreeLeft), dpi_(kTreeTop), width - dpi_(kTreeLeft),
        height - dpi_(kTreeTop));
  SetWindowPos(tree_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::LayoutRightArea(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  Place(rightArea_->Handle(), area.left, area.top, width, height);
  const RECT inner = rightArea_->Inner();
  const int innerWidth = inner.right - inner.left;
  const int bottom = inner.bottom - dpi_(kBottomStripHeight);

  Place(bottomStrip_->Handle(), inner.left, bottom, innerWidth, dpi_(kBottomStripHeight));
  Place(tasksLabel_, dpi_(6), dpi_(4), dpi_(34), dpi_(14));
  constexpr std::array<int, 4> kButtonLeft = {44, 104, 160, 226};
  constexpr std::array<int, 4> kButtonWidth = {56, 52, 62, 68};
  for (std::size_t i = 0; i < listButtons_.size(); ++i) {
    Place(listButtons_[i], dpi_(kButtonLeft[i]), dpi_(3), dpi_(kButtonWidth[i]), dpi_(16));
  }

  // The white side panel.
  const int side = std::min(dpi_(kSidePanelWidth), innerWidth);
  Place(sidePanel_->Handle(), inner.left, inner.top, side, bottom - inner.top);
  sidePanel_->SetPictures({{sideCalendar_.get(), RECT{0, 0, dpi_(93), dpi_(93)}},
                           {sideClock_.get(), RECT{0, 0, dpi_(64), dpi_(64)}}});
  sidePanel_->SetRules({{dpi_(kRuleTop), dpi_(kRuleHeight)}});
  Place(heading_, dpi_(kHeadingLeft), dpi_(7), dpi_(400), dpi_(32));
  Place(todayLabel_, dpi_(8), dpi_(100), dpi_(120), dpi_(16));
  Place(dayLabel_, dpi_(8), dpi_(118), dpi_(125), dpi_(14));
  Place(timeLabel_, dpi_(8), dpi_(133), dpi_(kClockWidth), dpi_(32));
  Place(selectionLabel_, dpi_(8), dpi_(172), dpi_(120), dpi_(16));
  Place(selectionText_, dpi_(8), dpi_(190), dpi_(113), dpi_(153));

  // The heading strip above the lists; its rule always spans the strip.
  const int listsLeft = inner.left + side;
  const int listsWidth = inner.right - listsLeft;
  Place(listCarrier_->Handle(), listsLeft, inner.top, listsWidth, bottom - inner.top);
  Place(headingStrip_->Handle(), 0, 0, listsWidth, dpi_(kHeadingStripHeight));
  headingStrip_->SetRules({{dpi_(kRuleTop), dpi_(kRuleHeight)}});
  Place(stripHeading_, dpi_(kStripHeadingLeft), dpi_(7), dpi_(600), dpi_(32));
  const int listsTop = dpi_(kHeadingStripHeight);
  for (const auto& list : lists_) {
    Place(list->Handle(), 0, listsTop, listsWidth, bottom - inner.top - listsTop);
    list->FitEventColumn();
  }
}

void MainWindow::LayoutStatusBar() {
  std::array<int, kStatusWidths.size()> edges{};
  int right = 0;
  for (std::size_t i = 0; i < kStatusWidths.size(); ++i) {
    right += dpi_(kStatusWidths[i]);
    edges[i] = right;
  }
  SendMessageW(statusBar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  SendMessageW(
      statusBar_, SB_SETMINHEIGHT,
      dpi_(22) - 2 * shellkit::SystemMetricForDpi(SM_CYBORDER, static_cast<UINT>(dpi_.Value())), 0);
  SendMessageW(statusBar_, WM_SIZE, 0, 0);
}

// Every owner-drawn panel paints all three pictures: each lies inside its own panel.
void MainWindow::DrawStatusImages(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != statusBar_) {
    return;
  }
  const int size = dpi_(16);
  for (std::size_t i = 0; i < statusIcons_.size(); ++i) {
    DrawIconEx(item.hDC, dpi_(kStatusImageLeft[i]), dpi_(kStatusImageTop), statusIcons_[i].get(),
               size, size, 0, nullptr, DI_NORMAL);
  }
}

void MainWindow::PaintBevels() {
  shellkit::PaintScope paint(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  RECT line{0, 0, client.right, dpi_(kBevelLine)};
  DrawEdge(paint.get(), &line, EDGE_ETCHED, BF_TOP);
  const int separator = dpi_(kBevelLine + kTopBarHeight);
  line = RECT{0, separator, client.right, separator + dpi_(kBevelLine)};
  DrawEdge(paint.get(), &line, EDGE_ETCHED, BF_TOP);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const int fromDpi = dpi_.Value();
  dpi_ = Dpi(dpi);
  // Fonts and pictures are freed only once the controls hold the new ones.
  Fonts fonts = MakeFonts();
  ApplyFonts(fonts);
  fonts_ = std::move(fonts);
  CreateToolImages();
  for (const auto& list : lists_) {
    list->ScaleColumns(fromDpi, dpi);
  }
  tree_->ScaleIndent();
  SizeCoolBarBands();
  LayoutStatusBar();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
}

}  // namespace zorvat::ui
