#include "ui/ListsArea.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "PictureIds.h"
#include "events/ListHeadings.h"
#include "ui/EventListView.h"
#include "ui/Pictures.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kHeadingColour = RGB(0, 128, 255);
constexpr COLORREF kClockColour = RGB(192, 192, 192);
constexpr int kSidePanelWidth = 135;
constexpr int kHeadingStripHeight = 49;
constexpr int kBottomStripHeight = 22;
constexpr int kRuleTop = 40;
constexpr int kRuleHeight = 4;
constexpr int kHeadingLeft = 104;
constexpr int kStripHeadingLeft = -30;
constexpr std::array<int, 4> kListIds = {IDC_GENERAL_LIST, IDC_DAILY_LIST, IDC_WEEKLY_LIST,
                                         IDC_MONTHLY_LIST};
constexpr std::array<int, 4> kListButtonIds = {IDC_SHOW_GENERAL, IDC_SHOW_DAILY, IDC_SHOW_WEEKLY,
                                               IDC_SHOW_MONTHLY};

std::size_t IndexOf(EventKind kind) {
  return static_cast<std::size_t>(kind);
}

}  // namespace

ListsArea::ListsArea(const PartContext& context, EventListView::IconListMaker kindIcons,
                     HMENU listMenu, Callbacks callbacks)
    : context_(context),
      kindIcons_(std::move(kindIcons)),
      listMenu_(listMenu),
      callbacks_(std::move(callbacks)),
      sideCalendar_(LoadProgramBitmap(IDB_SIDE_CALENDAR)),
      sideClock_(LoadProgramBitmap(IDB_SIDE_CLOCK)),
      area_(std::make_unique<Panel>(context.prompts, context.window, GetSysColor(COLOR_BTNFACE),
                                    true)),
      sidePanel_(std::make_unique<Panel>(context.prompts, area_->Handle(), kWhite)),
      listCarrier_(std::make_unique<Panel>(context.prompts, area_->Handle(), kWhite)),
      headingStrip_(std::make_unique<Panel>(context.prompts, listCarrier_->Handle(), kWhite)),
      bottomStrip_(
          std::make_unique<Panel>(context.prompts, area_->Handle(), GetSysColor(COLOR_BTNFACE))),
      heading_(AddChildControl(WC_STATICW, nullptr, SS_LEFT | SS_NOPREFIX, sidePanel_->Handle(),
                               IDC_LIST_HEADING)),
      todayLabel_(AddChildControl(WC_STATICW, L"Today:", SS_LEFT, sidePanel_->Handle(), 0)),
      dayLabel_(AddChildControl(WC_STATICW, L"[Dunno day]", SS_LEFT | SS_NOPREFIX,
                                sidePanel_->Handle(), IDC_DAY_LABEL)),
      timeLabel_(AddChildControl(WC_STATICW, L"00:00:00", SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                                 sidePanel_->Handle(), IDC_TIME_LABEL)),
      selectionLabel_(AddChildControl(WC_STATICW, L"Selection:", SS_LEFT, sidePanel_->Handle(), 0)),
      // Word-wrapped; "&&" shows as one "&".
      selectionText_(AddChildControl(WC_STATICW, L"", SS_LEFT | SS_EDITCONTROL,
                                     sidePanel_->Handle(), IDC_SELECTION_TEXT)),
      stripHeading_(AddChildControl(WC_STATICW, nullptr, SS_LEFT | SS_NOPREFIX,
                                    headingStrip_->Handle(), IDC_STRIP_HEADING)),
      tasksLabel_(AddChildControl(WC_STATICW, L"Tasks:", SS_LEFT, bottomStrip_->Handle(), 0)),
      buttons_(context) {
  sidePanel_->SetLabelColour(heading_, kHeadingColour);
  sidePanel_->SetLabelColour(timeLabel_, kClockColour);
  headingStrip_->SetLabelColour(stripHeading_, kHeadingColour);
  constexpr std::array<const wchar_t*, 4> kCaptions = {L"Event", L"daily", L"weekly", L"monthly"};
  for (std::size_t i = 0; i < listButtons_.size(); ++i) {
    listButtons_[i] = buttons_.Add(kCaptions[i], BS_RADIOBUTTON | WS_TABSTOP,
                                   bottomStrip_->Handle(), kListButtonIds[i]);
  }
}

ListsArea::~ListsArea() = default;

std::optional<EventKind> ListsArea::ListShownBy(int command) {
  for (std::size_t i = 0; i < kListButtonIds.size(); ++i) {
    if (command == kListButtonIds[i]) {
      return kAllKinds[i];
    }
  }
  return std::nullopt;
}

EventListView& ListsArea::List(EventKind kind) {
  std::unique_ptr<EventListView>& list = lists_[IndexOf(kind)];
  if (list) {
    return *list;
  }
  EventListView::Callbacks callbacks;
  callbacks.onCheckChanged = [this, kind](std::size_t row, bool checked) {
    callbacks_.onCheckChanged(kind, row, checked);
  };
  callbacks.onSelected = [this, kind](std::size_t row) { callbacks_.onSelected(kind, row); };
  const std::array<ListColumn, 3> columns = EventListColumns(kind);
  // The lists' callbacks run inside their parent panel's boundary.
  list = std::make_unique<EventListView>(context_.prompts, listCarrier_->Handle(), columns,
                                         kindIcons_, std::move(callbacks));
  SetWindowLongPtrW(list->Handle(), GWLP_ID, kListIds[IndexOf(kind)]);
  list->SetPopupMenu(GetSubMenu(listMenu_, 0), context_.window);
  if (const std::optional<std::string>& caption = eventColumnCaptions_[IndexOf(kind)]) {
    list->SetColumnCaption(1, *caption);
  }
  if (listFont_) {
    SendMessageW(list->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), TRUE);
  }
  list->Mirror(callbacks_.rowsOf(kind));
  PlaceList(*list);
  return *list;
}

void ListsArea::MirrorLists() {
  for (const EventKind kind : kAllKinds) {
    if (const auto& list = lists_[IndexOf(kind)]) {
      list->Mirror(callbacks_.rowsOf(kind));
    }
  }
}

void ListsArea::ShowList(EventKind kind, const std::string& heading) {
  for (std::size_t i = 0; i < listButtons_.size(); ++i) {
    Button_SetCheck(listButtons_[i], i == IndexOf(kind) ? BST_CHECKED : BST_UNCHECKED);
  }
  const HWND front = List(kind).Handle();
  SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  for (const auto& list : lists_) {
    if (list && list->Handle() != front) {
      ShowWindow(list->Handle(), SW_HIDE);
    }
  }
  SetText(heading_, heading);
  SetText(stripHeading_, GetText(heading_));
}

void ListsArea::ClearSelections() {
  for (const auto& list : lists_) {
    if (list) {
      list->ClearSelection();
    }
  }
}

void ListsArea::SetEventColumnCaption(EventKind kind, const std::string& caption) {
  eventColumnCaptions_[IndexOf(kind)] = caption;
  if (const auto& list = lists_[IndexOf(kind)]) {
    list->SetColumnCaption(1, caption);
  }
}

void ListsArea::SetSelectionText(const std::string& text) {
  SetText(selectionText_, text);
}

void ListsArea::SetDay(const std::string& text) {
  SetText(dayLabel_, text);
}

void ListsArea::SetTime(const std::string& text) {
  SetText(timeLabel_, text);
}

void ListsArea::SetClockFont(HFONT font) {
  SendMessageW(timeLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ListsArea::ApplyFonts(const MainWindowFonts& fonts, const Dpi& /*dpi*/) {
  const auto set = [](HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  };
  listFont_ = fonts.client.get();
  for (const HWND control : {dayLabel_, selectionText_, tasksLabel_}) {
    set(control, listFont_);
  }
  for (const HWND button : listButtons_) {
    set(button, listFont_);
  }
  for (const auto& list : lists_) {
    if (list) {
      set(list->Handle(), listFont_);
    }
  }
  set(heading_, fonts.heading.get());
  set(stripHeading_, fonts.heading.get());
  set(todayLabel_, fonts.caption.get());
  set(selectionLabel_, fonts.caption.get());
  set(timeLabel_, fonts.clock.get());
}

void ListsArea::Layout(const RECT& area, const Dpi& dpi) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  PlaceChild(area_->Handle(), area.left, area.top, width, height);
  const RECT inner = area_->Inner();
  const int innerWidth = inner.right - inner.left;
  const int bottom = inner.bottom - dpi(kBottomStripHeight);

  PlaceChild(bottomStrip_->Handle(), inner.left, bottom, innerWidth, dpi(kBottomStripHeight));
  PlaceChild(tasksLabel_, dpi(6), dpi(4), dpi(34), dpi(14));
  constexpr std::array<int, 4> kButtonLeft = {44, 104, 160, 226};
  constexpr std::array<int, 4> kButtonWidth = {56, 52, 62, 68};
  for (std::size_t i = 0; i < listButtons_.size(); ++i) {
    PlaceChild(listButtons_[i], dpi(kButtonLeft[i]), dpi(3), dpi(kButtonWidth[i]), dpi(16));
  }

  // The white side panel.
  const int side = std::min(dpi(kSidePanelWidth), innerWidth);
  PlaceChild(sidePanel_->Handle(), inner.left, inner.top, side, bottom - inner.top);
  sidePanel_->SetPictures({{sideCalendar_.get(), RECT{0, 0, dpi(93), dpi(93)}},
                           {sideClock_.get(), RECT{0, 0, dpi(64), dpi(64)}}});
  sidePanel_->SetRules({{dpi(kRuleTop), dpi(kRuleHeight)}});
  PlaceChild(heading_, dpi(kHeadingLeft), dpi(7), dpi(400), dpi(32));
  PlaceChild(todayLabel_, dpi(8), dpi(100), dpi(120), dpi(16));
  PlaceChild(dayLabel_, dpi(8), dpi(118), dpi(125), dpi(14));
  PlaceChild(timeLabel_, dpi(8), dpi(133), dpi(kClockWidth), dpi(32));
  PlaceChild(selectionLabel_, dpi(8), dpi(172), dpi(120), dpi(16));
  PlaceChild(selectionText_, dpi(8), dpi(190), dpi(113), dpi(153));

  // The heading strip above the lists; its rule always spans the strip.
  const int listsLeft = inner.left + side;
  const int listsWidth = inner.right - listsLeft;
  PlaceChild(listCarrier_->Handle(), listsLeft, inner.top, listsWidth, bottom - inner.top);
  PlaceChild(headingStrip_->Handle(), 0, 0, listsWidth, dpi(kHeadingStripHeight));
  headingStrip_->SetRules({{dpi(kRuleTop), dpi(kRuleHeight)}});
  PlaceChild(stripHeading_, dpi(kStripHeadingLeft), dpi(7), dpi(600), dpi(32));
  const int listsTop = dpi(kHeadingStripHeight);
  listBounds_ = RECT{0, listsTop, listsWidth, bottom - inner.top};
  for (const auto& list : lists_) {
    if (list) {
      PlaceList(*list);
    }
  }
}

void ListsArea::PlaceList(EventListView& list) {
  PlaceChild(list.Handle(), listBounds_.left, listBounds_.top, listBounds_.right - listBounds_.left,
             listBounds_.bottom - listBounds_.top);
  list.FitEventColumn();
}

void ListsArea::OnDpiChanged(const Dpi& from, const Dpi& to) {
  for (const auto& list : lists_) {
    if (list) {
      list->OnDpiChanged(from.Value(), to.Value());
    }
  }
}

bool ListsArea::ShowsHand(HWND control) const {
  return std::find(listButtons_.begin(), listButtons_.end(), control) != listButtons_.end();
}

}  // namespace zorvat::ui
