// Where the parts go: one pass over the client area, every length at 96 dpi through dpi_.
#include <windows.h>

#include <algorithm>

#include "ui/ListsArea.h"
#include "ui/MainWindow.h"
#include "ui/NewEventsColumn.h"
#include "ui/StatusArea.h"
#include "ui/TopBar.h"

namespace zorvat::ui {
namespace {

constexpr int kSpacer = 4;
constexpr int kSplitterWidth = 3;

}  // namespace

void MainWindow::Layout() {
  if (!status_) {
    return;  // WM_SIZE during creation
  }
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = client.right;
  status_->Layout(client, dpi_);
  const int statusTop = client.bottom - status_->Height();

  topBar_->Layout(RECT{0, 0, width, dpi_(2 * TopBar::kBevelLine + TopBar::kHeight)}, dpi_);
  const int top = dpi_(2 * TopBar::kBevelLine + TopBar::kHeight + kSpacer);
  const int column = std::min(dpi_(leftColumnWidth_), std::max(width - dpi_(kSplitterWidth), 1));
  const int columnWidth = leftColumnWidth_ == 1 ? 1 : column;
  newEvents_->Layout(RECT{0, top, columnWidth, statusTop}, dpi_);
  PlaceChild(splitter_->Handle(), columnWidth, top, dpi_(kSplitterWidth), statusTop - top);
  lists_->Layout(RECT{columnWidth + dpi_(kSplitterWidth), top, width, statusTop}, dpi_);
  InvalidateRect(Handle(), nullptr, FALSE);
  laidOut_ = LayoutKey();
}

std::array<int, 4> MainWindow::LayoutKey() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return {client.right, client.bottom, dpi_.Value(), leftColumnWidth_};
}

void MainWindow::OnSplitterMoved(int left) {
  const int pixels = std::max(1, std::min(left, WidestLeftColumnPixels()));
  leftColumnWidth_ = std::max(1, MulDiv(pixels, Dpi::kDesign, dpi_.Value()));
  Layout();
}

// The column as wide as the window's client area leaves it beside the splitter and the lists.
int MainWindow::WidestLeftColumnPixels() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return static_cast<int>(client.right) - dpi_(kSplitterWidth) - dpi_(kNarrowestListArea);
}

int MainWindow::WidestLeftColumn() const {
  return MulDiv(WidestLeftColumnPixels(), Dpi::kDesign, dpi_.Value());
}

void MainWindow::OnHideNewEvents() {
  leftColumnWidth_ = 1;
  Layout();
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const Dpi from = dpi_;
  dpi_ = Dpi(dpi);
  // Fonts and pictures are freed only once the controls hold the new ones.
  MainWindowFonts fonts = MakeMainWindowFonts(setup_.formats, dpi_);
  for (MainWindowPart* part : Parts()) {
    part->ApplyFonts(fonts, dpi_);
  }
  fonts_ = std::move(fonts);
  for (MainWindowPart* part : Parts()) {
    part->OnDpiChanged(from, dpi_);
  }
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
}

}  // namespace zorvat::ui
