#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "shellkit/Handles.h"
#include "ui/ClipPlayer.h"
#include "ui/MainWindowPart.h"
#include "ui/Panel.h"

namespace zorvat::ui {

// The bar under the menu: the cool bar with the toolbar and the command line, and on its right
// the animation above the "active" check box; two etched lines frame it.
class TopBar final : public MainWindowPart {
 public:
  // Both lines and the bar between them, at 96 dpi.
  static constexpr int kBevelLine = 2;
  static constexpr int kHeight = 74;

  TopBar(const PartContext& context, const Dpi& dpi);
  ~TopBar() override;
  TopBar(const TopBar&) = delete;
  TopBar& operator=(const TopBar&) = delete;

  void ApplyFonts(const MainWindowFonts& fonts, const Dpi& dpi) override;
  // `area` spans the window's width from the top of the client area.
  void Layout(const RECT& area, const Dpi& dpi) override;
  void OnDpiChanged(const Dpi& from, const Dpi& to) override;
  bool ShowsHand(HWND control) const override;

  // The lines above and below the bar, on the main window's own face.
  void PaintBevels(HDC dc, int width, const Dpi& dpi) const;

  // The toolbar's hot pictures, which the menus show too.
  HIMAGELIST HotPictures() const { return hotTools_.get(); }

  void SetActiveCheck(bool active);
  bool ActiveChecked() const;
  // The clip plays only once opened, and only while `play`.
  void PlayAnimation(bool play);
  // `clipFile` when there is one, else the system's find-computer clip; nothing is shown when it
  // cannot be played.
  void OpenAnimationClip(const std::optional<std::string>& clipFile, const Dpi& dpi);

 private:
  void MakeToolPictures(const Dpi& dpi);
  void AddBands(int width);
  void SizeBands(const Dpi& dpi);

  Prompts& errors_;
  // Pictures outlive the toolbar that draws them.
  shellkit::ImageList coldTools_;
  shellkit::ImageList hotTools_;
  HWND coolBar_ = nullptr;
  HWND toolBar_ = nullptr;
  HWND commandLine_ = nullptr;
  std::unique_ptr<Panel> topRight_;
  std::unique_ptr<Panel> animationFrame_;
  std::unique_ptr<ClipPlayer> animation_;
  PartButtons buttons_;
  HWND activeCheck_ = nullptr;
};

}  // namespace zorvat::ui
