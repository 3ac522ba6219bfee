#include "ui/SplashWindow.h"

#include "base/Error.h"
#include "shellkit/WideText.h"
#include "ui/Centred.h"
#include "ui/Fonts.h"

namespace zorvat::ui {
namespace {

constexpr const wchar_t* kNotice = L"Brumsel! Zorvat is starting";
constexpr const wchar_t* kText =
    L"Your timed events and their tasks:\n"
    L"messages, alerts, programs and files,\n"
    L"each carried out at its second.";
constexpr COLORREF kBackground = RGB(0x1f, 0x3a, 0x63);  // the side picture's dark end

}  // namespace

SplashWindow::SplashWindow(Prompts& errors)
    : Window(errors), dpi_(Dpi::OfSystem()), pictures_(std::in_place) {
  Create(L"ZorvatSplash", WS_EX_TOOLWINDOW, Widen(kApplicationTitle).c_str(), WS_POPUP,
         CentredOnScreen(dpi_(kWidth), dpi_(kHeight)), nullptr);
  noticeFont_ = MakeFont(L"Arial Black", 15, false, dpi_);  // 11 point
  textFont_ = MakeFont(L"Arial", 12, false, dpi_);          // 9 point
}

void SplashWindow::Show() {
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  UpdateWindow(Handle());
}

void SplashWindow::Close() {
  Destroy();
  pictures_.reset();
  noticeFont_ = {};
  textFont_ = {};
}

LRESULT SplashWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 0;  // the paint covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(Handle(), &paint);
      Paint(dc);
      EndPaint(Handle(), &paint);
      return 0;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

void SplashWindow::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const HBRUSH background = CreateSolidBrush(kBackground);
  FillRect(dc, &client, background);
  DeleteObject(background);
  if (pictures_) {
    pictures_->Draw(dc, dpi_, kWidth);
  }
  SetBkMode(dc, TRANSPARENT);
  const int left = kWidth - ProductPictures::kBanner.cx + 8;
  // The notice over a grey copy of itself, 2 pixels to the right and lower.
  HGDIOBJ previous = SelectObject(dc, noticeFont_.get());
  RECT notice{dpi_(left + 2), dpi_(100), dpi_(kWidth - 6), dpi_(126)};
  SetTextColor(dc, RGB(0x60, 0x60, 0x60));
  DrawTextW(dc, kNotice, -1, &notice, DT_SINGLELINE | DT_NOPREFIX);
  OffsetRect(&notice, -dpi_(2), -dpi_(2));
  SetTextColor(dc, RGB(255, 255, 255));
  DrawTextW(dc, kNotice, -1, &notice, DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, textFont_.get());
  RECT text{dpi_(left), dpi_(136), dpi_(kWidth - 8), dpi_(kHeight - 6)};
  DrawTextW(dc, kText, -1, &text, DT_NOPREFIX);
  SelectObject(dc, previous);
}

}  // namespace zorvat::ui
