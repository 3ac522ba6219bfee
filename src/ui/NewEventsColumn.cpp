#include "ui/NewEventsColumn.h"

#include <commctrl.h>

#include "PictureIds.h"
#include "ui/NewEventTree.h"
#include "ui/Pictures.h"
#include "ui/RotatedLabel.h"
#include "ui/WindowIds.h"

namespace zorvat::ui {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kHeaderHeight = 24;
constexpr int kLogoHeight = 97;
constexpr int kMakerStripWidth = 23;
constexpr int kTreeLeft = 24;
constexpr int kTreeTop = 96;
constexpr int kHideButtonSize = 16;

}  // namespace

NewEventsColumn::NewEventsColumn(const PartContext& context,
                                 std::function<shellkit::ImageList(int size)> kindIcons,
                                 std::function<void(int item)> onTreeDoubleClick)
    : logo_(LoadProgramBitmap(IDB_LOGO)),
      column_(std::make_unique<Panel>(context.prompts, context.window, GetSysColor(COLOR_BTNFACE))),
      header_(
          std::make_unique<Panel>(context.prompts, column_->Handle(), GetSysColor(COLOR_BTNFACE))),
      logoPanel_(std::make_unique<Panel>(context.prompts, column_->Handle(), kWhite, true)),
      label_(
          AddChildControl(WC_STATICW, L"New events", SS_LEFT | SS_NOPREFIX, header_->Handle(), 0)),
      buttons_(context),
      hideButton_(buttons_.Add(L"r", BS_PUSHBUTTON | BS_FLAT | BS_CENTER | BS_VCENTER,
                               header_->Handle(), IDC_HIDE_NEW_EVENTS)),
      makerLabel_(
          std::make_unique<RotatedLabel>(context.prompts, logoPanel_->Handle(), POINT{0, 0})),
      // The tree's callbacks run inside its parent panel's boundary.
      tree_(std::make_unique<NewEventTree>(context.prompts, column_->Handle(), std::move(kindIcons),
                                           std::move(onTreeDoubleClick))) {
  makerLabel_->SetCaption("Kaldmoor Inc.");
  makerLabel_->SetTextColor(kWhite);
  makerLabel_->SetColor(kBlack);
  makerLabel_->SetTransparent(true);
  makerLabel_->SetAngle(90);
  SetWindowLongPtrW(tree_->Handle(), GWLP_ID, IDC_NEW_EVENT_TREE);
}

NewEventsColumn::~NewEventsColumn() = default;

void NewEventsColumn::ApplyFonts(const MainWindowFonts& fonts, const Dpi& /*dpi*/) {
  const auto set = [](HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  };
  set(label_, fonts.client.get());
  set(tree_->Handle(), fonts.client.get());
  set(hideButton_, fonts.symbol.get());
  makerLabel_->SetFont(fonts.maker.get());
  productFont_ = fonts.product.get();
}

void NewEventsColumn::Layout(const RECT& area, const Dpi& dpi) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  PlaceChild(column_->Handle(), area.left, area.top, width, height);
  // The header, with the hide button 2 px from its right edge.
  PlaceChild(header_->Handle(), 0, 0, width, dpi(kHeaderHeight));
  PlaceChild(label_, dpi(4), dpi(5), dpi(100), dpi(14));
  PlaceChild(hideButton_, width - dpi(kHideButtonSize) - dpi(2), dpi(4), dpi(kHideButtonSize),
             dpi(kHideButtonSize));
  // The logo: the picture stretched, the maker's strip on its left, the product name.
  PlaceChild(logoPanel_->Handle(), 0, dpi(kHeaderHeight), width, dpi(kLogoHeight));
  const RECT logo = logoPanel_->Inner();
  logoPanel_->SetPictures({{logo_.get(), RECT{}}});
  logoPanel_->SetStrip(dpi(kMakerStripWidth), kBlack);
  logoPanel_->SetTexts({{L"Zorvat", productFont_, kBlack,
                         POINT{logo.left + dpi(kMakerStripWidth) + dpi(8), dpi(20)}}});
  makerLabel_->SetCentre(
      POINT{logo.left + dpi(kMakerStripWidth) / 2, (logo.top + logo.bottom) / 2});
  // The tree overlaps the logo's lower edge, as it always has.
  PlaceChild(tree_->Handle(), dpi(kTreeLeft), dpi(kTreeTop), width - dpi(kTreeLeft),
             height - dpi(kTreeTop));
  SetWindowPos(tree_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NewEventsColumn::OnDpiChanged(const Dpi& /*from*/, const Dpi& to) {
  tree_->OnDpiChanged(to.Value());
}

bool NewEventsColumn::ShowsHand(HWND control) const {
  return control == hideButton_;
}

}  // namespace zorvat::ui
