#pragma once

#include <windows.h>

#include <optional>

#include "base/Prompts.h"
#include "shellkit/Handles.h"
#include "ui/Dpi.h"
#include "ui/ProductPictures.h"
#include "ui/Window.h"

namespace zorvat::ui {

// The borderless window on screen while the program creates its windows: the two pictures and
// two short notices, centred on the screen. It paints everything itself and erases nothing.
class SplashWindow final : public Window {
 public:
  static constexpr int kWidth = 511;
  static constexpr int kHeight = 211;

  explicit SplashWindow(Prompts& errors);
  ~SplashWindow() override { Destroy(); }
  SplashWindow(const SplashWindow&) = delete;
  SplashWindow& operator=(const SplashWindow&) = delete;

  // Shows it and paints it at once, before the message loop runs.
  void Show();
  // Takes the window down and frees its pictures and fonts for the rest of the run.
  void Close();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);

  Dpi dpi_;
  std::optional<ProductPictures> pictures_;
  shellkit::Font noticeFont_;
  shellkit::Font textFont_;
};

}  // namespace zorvat::ui
