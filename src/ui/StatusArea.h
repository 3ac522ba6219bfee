#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "shellkit/Handles.h"
#include "ui/MainWindowPart.h"

namespace zorvat::ui {

// The status bar: the version, the clock's date and time and the last panel's text, with three
// pictures drawn into its owner-drawn panels.
class StatusArea final : public MainWindowPart {
 public:
  StatusArea(const PartContext& context, const Dpi& dpi);
  ~StatusArea() override;
  StatusArea(const StatusArea&) = delete;
  StatusArea& operator=(const StatusArea&) = delete;

  void ApplyFonts(const MainWindowFonts& fonts, const Dpi& dpi) override;
  // The bar sits at the bottom of `area` at its own height.
  void Layout(const RECT& area, const Dpi& dpi) override;
  void OnDpiChanged(const Dpi& from, const Dpi& to) override;

  int Height() const;
  void SetClockText(const std::string& text);
  // WM_DRAWITEM of the bar's panels; false for anything else.
  bool DrawPictures(const DRAWITEMSTRUCT& item, const Dpi& dpi) const;

 private:
  void LoadPictures(const Dpi& dpi);
  void SetParts(const Dpi& dpi);

  std::array<shellkit::Icon, 3> pictures_;
  HWND bar_ = nullptr;
};

}  // namespace zorvat::ui
