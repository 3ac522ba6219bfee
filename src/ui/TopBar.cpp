#include "ui/TopBar.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <vector>

#include "PictureIds.h"
#include "ui/IconImageList.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr int kRightWidth = 56;

struct ToolButton {
  int command;
  const wchar_t* caption;
  int image;  // -1: a separator
};

constexpr ToolButton kToolButtons[] = {
    {IDC_NEW_LIST, L"&New", 0}, {IDC_OPEN_LIST, L"&Open", 1},        {IDC_SAVE_LIST, L"&Save", 2},
    {0, nullptr, -1},           {IDC_PROPERTIES, L"&Porperties", 3}, {IDC_DELETE, L"&Delete", 4},
    {0, nullptr, -1},           {IDC_OPTIONS, L"&Options", 5},
};

}  // namespace

TopBar::TopBar(const PartContext& context, const Dpi& dpi)
    : errors_(context.prompts),
      coolBar_(AddChildControl(REBARCLASSNAMEW, nullptr,
                               WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS |
                                   CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                               context.window, IDC_COOL_BAR)),
      toolBar_(AddChildControl(
          TOOLBARCLASSNAMEW, nullptr,
          TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
          coolBar_, IDC_TOOLBAR)),
      commandLine_(AddChildControl(WC_COMBOBOXW, nullptr,
                                   CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                                   coolBar_, IDC_COMMAND_LINE)),
      topRight_(
          std::make_unique<Panel>(context.prompts, context.window, GetSysColor(COLOR_BTNFACE))),
      animationFrame_(std::make_unique<Panel>(context.prompts, topRight_->Handle(),
                                              GetSysColor(COLOR_BTNFACE))),
      buttons_(context),
      activeCheck_(buttons_.Add(L"active", BS_AUTOCHECKBOX | WS_TABSTOP, topRight_->Handle(),
                                IDC_ACTIVE_CHECK)) {
  SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  MakeToolPictures(dpi);
  std::vector<TBBUTTON> tools;
  for (const ToolButton& tool : kToolButtons) {
    TBBUTTON button{};
    if (tool.image < 0) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = tool.image;
      button.idCommand = tool.command;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
      button.iString = reinterpret_cast<INT_PTR>(tool.caption);
    }
    tools.push_back(button);
  }
  SendMessageW(toolBar_, TB_ADDBUTTONSW, tools.size(), reinterpret_cast<LPARAM>(tools.data()));
  animationFrame_->SetFramed(true);
}

// The cool bar is the main window's child: it goes here, before the pictures its toolbar draws.
TopBar::~TopBar() {
  if (coolBar_) {
    DestroyWindow(coolBar_);
  }
}

// The toolbar gets the new pictures before the old ones are freed.
void TopBar::MakeToolPictures(const Dpi& dpi) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  shellkit::ImageList cold = IconImageList(instance, IDI_TOOL_COLD_FIRST, IDI_TOOL_COUNT, dpi(18));
  shellkit::ImageList hot = IconImageList(instance, IDI_TOOL_HOT_FIRST, IDI_TOOL_COUNT, dpi(18));
  if (toolBar_) {
    SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(cold.get()));
    SendMessageW(toolBar_, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot.get()));
  }
  coldTools_ = std::move(cold);
  hotTools_ = std::move(hot);
}

void TopBar::ApplyFonts(const MainWindowFonts& fonts, const Dpi& dpi) {
  for (const HWND control : {toolBar_, commandLine_, activeCheck_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.client.get()), TRUE);
  }
  SendMessageW(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(dpi(64), dpi(39)));
}

void TopBar::Layout(const RECT& area, const Dpi& dpi) {
  const int width = area.right - area.left;
  if (SendMessageW(coolBar_, RB_GETBANDCOUNT, 0, 0) == 0) {
    AddBands(width);
    SizeBands(dpi);
  }
  const int top = area.top + dpi(kBevelLine);
  const int height = dpi(kHeight);
  const int right = dpi(kRightWidth);
  // The bar is as high as its two bands; the window's own face fills what is left of the 74 px.
  const int bands = static_cast<int>(SendMessageW(coolBar_, RB_GETBARHEIGHT, 0, 0));
  PlaceChild(coolBar_, area.left, top, width - right, bands > 0 ? std::min(bands, height) : height);
  PlaceChild(topRight_->Handle(), area.right - right, top, right, height);
  PlaceChild(animationFrame_->Handle(), dpi(3), dpi(2), dpi(50), dpi(50));
  if (animation_) {
    PlaceChild(animation_->Handle(), dpi(1), dpi(1), dpi(48), dpi(48));
  }
  PlaceChild(activeCheck_, dpi(3), dpi(54), right - dpi(3), dpi(17));
}

void TopBar::AddBands(int width) {
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
}

// The bands' least sizes follow the toolbar's buttons and the monitor's scale.
void TopBar::SizeBands(const Dpi& dpi) {
  SIZE tools{};
  SendMessageW(toolBar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&tools));
  const std::array<SIZE, 2> least = {SIZE{tools.cx, dpi(39)}, SIZE{dpi(120), dpi(21)}};
  for (std::size_t i = 0; i < least.size(); ++i) {
    REBARBANDINFOW band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILDSIZE;
    band.cxMinChild = static_cast<UINT>(least[i].cx);
    band.cyMinChild = static_cast<UINT>(least[i].cy);
    SendMessageW(coolBar_, RB_SETBANDINFOW, i, reinterpret_cast<LPARAM>(&band));
  }
}

void TopBar::OnDpiChanged(const Dpi& /*from*/, const Dpi& to) {
  MakeToolPictures(to);
  SizeBands(to);
}

bool TopBar::ShowsHand(HWND control) const {
  return control == toolBar_ || control == activeCheck_;
}

void TopBar::PaintBevels(HDC dc, int width, const Dpi& dpi) const {
  RECT line{0, 0, width, dpi(kBevelLine)};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
  const int separator = dpi(kBevelLine + kHeight);
  line = RECT{0, separator, width, separator + dpi(kBevelLine)};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

void TopBar::SetActiveCheck(bool active) {
  Button_SetCheck(activeCheck_, active ? BST_CHECKED : BST_UNCHECKED);
}

bool TopBar::ActiveChecked() const {
  return Button_GetCheck(activeCheck_) == BST_CHECKED;
}

void TopBar::PlayAnimation(bool play) {
  if (animation_) {
    animation_->Play(play);
  }
}

void TopBar::OpenAnimationClip(const std::optional<std::string>& clipFile, const Dpi& dpi) {
  animation_ = std::make_unique<ClipPlayer>(errors_, animationFrame_->Handle(), IDC_ANIMATION);
  PlaceChild(animation_->Handle(), dpi(1), dpi(1), dpi(48), dpi(48));
  animation_->Open(ReadAnimationClip(clipFile));
}

}  // namespace zorvat::ui
