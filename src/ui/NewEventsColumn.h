#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "shellkit/Handles.h"
#include "ui/MainWindowPart.h"
#include "ui/Panel.h"

namespace zorvat::ui {

class NewEventTree;
class RotatedLabel;

// The column left of the splitter: the "New events" header with its hide button, the logo with
// the maker's turned name and the product's, and the tree of new events overlapping its edge.
class NewEventsColumn final : public MainWindowPart {
 public:
  // `kindIcons` makes the tree's icons at a size; a double click on the tree reports the item.
  NewEventsColumn(const PartContext& context,
                  std::function<shellkit::ImageList(int size)> kindIcons,
                  std::function<void(int item)> onTreeDoubleClick);
  ~NewEventsColumn() override;
  NewEventsColumn(const NewEventsColumn&) = delete;
  NewEventsColumn& operator=(const NewEventsColumn&) = delete;

  void ApplyFonts(const MainWindowFonts& fonts, const Dpi& dpi) override;
  void Layout(const RECT& area, const Dpi& dpi) override;
  void OnDpiChanged(const Dpi& from, const Dpi& to) override;
  bool ShowsHand(HWND control) const override;

 private:
  shellkit::Bitmap logo_;
  HFONT productFont_ = nullptr;  // the main window's
  std::unique_ptr<Panel> column_;
  std::unique_ptr<Panel> header_;
  std::unique_ptr<Panel> logoPanel_;
  HWND label_ = nullptr;
  PartButtons buttons_;
  HWND hideButton_ = nullptr;
  std::unique_ptr<RotatedLabel> makerLabel_;
  std::unique_ptr<NewEventTree> tree_;
};

}  // namespace zorvat::ui
