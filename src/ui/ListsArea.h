#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "events/EventLists.h"
#include "events/EventRows.h"
#include "shellkit/Handles.h"
#include "ui/EventListView.h"
#include "ui/MainWindowPart.h"
#include "ui/Panel.h"

namespace zorvat::ui {

// Right of the splitter: the white side panel (heading, today, the clock, the selection), the
// heading strip over the four event lists, and the strip of radio buttons that picks the list in
// front. A list is made when it is first wanted (shown, or given a column caption): one the user
// never looks at costs nothing.
class ListsArea final : public MainWindowPart {
 public:
  struct Callbacks {
    // The rows a list mirrors; they live until the next mirror of that list.
    std::function<const EventRows&(EventKind)> rowsOf;
    std::function<void(EventKind, std::size_t row, bool checked)> onCheckChanged;
    std::function<void(EventKind, std::size_t row)> onSelected;
  };

  // Each list makes its kind icons with `kindIcons`; the lists open `listMenu` on their context
  // menu, with its commands going to the main window.
  ListsArea(const PartContext& context, EventListView::IconListMaker kindIcons, HMENU listMenu,
            Callbacks callbacks);
  ~ListsArea() override;
  ListsArea(const ListsArea&) = delete;
  ListsArea& operator=(const ListsArea&) = delete;

  void ApplyFonts(const MainWindowFonts& fonts, const Dpi& dpi) override;
  void Layout(const RECT& area, const Dpi& dpi) override;
  void OnDpiChanged(const Dpi& from, const Dpi& to) override;
  bool ShowsHand(HWND control) const override;

  // The list a radio button's command brings to the front; none for any other command.
  static std::optional<EventKind> ListShownBy(int command);

  // Mirrors every list made so far; the others mirror when they are made.
  void MirrorLists();
  // Another list came: none of its rows is selected, as none was picked in it.
  void ClearSelections();
  EventListView& List(EventKind kind);
  // The list in front, its radio button checked, `heading` over it and in the side panel.
  void ShowList(EventKind kind, const std::string& heading);
  // The event column's caption, kept for a list not yet made.
  void SetEventColumnCaption(EventKind kind, const std::string& caption);
  void SetSelectionText(const std::string& text);
  void SetDay(const std::string& text);
  void SetTime(const std::string& text);
  void SetClockFont(HFONT font);

 private:
  void PlaceList(EventListView& list);

  PartContext context_;
  EventListView::IconListMaker kindIcons_;
  HMENU listMenu_;
  Callbacks callbacks_;
  std::array<std::optional<std::string>, 4> eventColumnCaptions_;
  HFONT listFont_ = nullptr;  // the main window's
  RECT listBounds_{};         // in the list carrier

  shellkit::Bitmap sideCalendar_;
  shellkit::Bitmap sideClock_;
  std::unique_ptr<Panel> area_;
  std::unique_ptr<Panel> sidePanel_;
  std::unique_ptr<Panel> listCarrier_;
  std::unique_ptr<Panel> headingStrip_;
  std::unique_ptr<Panel> bottomStrip_;
  HWND heading_ = nullptr;
  HWND todayLabel_ = nullptr;
  HWND dayLabel_ = nullptr;
  HWND timeLabel_ = nullptr;
  HWND selectionLabel_ = nullptr;
  HWND selectionText_ = nullptr;
  HWND stripHeading_ = nullptr;
  HWND tasksLabel_ = nullptr;
  PartButtons buttons_;
  std::array<HWND, 4> listButtons_{};
  std::array<std::unique_ptr<EventListView>, 4> lists_;
};

}  // namespace zorvat::ui
