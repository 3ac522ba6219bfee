// Creation of the main window's controls; Layout() places them.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "PictureIds.h"
#include "events/ListHeadings.h"
#include "events/MainWindowTexts.h"
#include "settings/ProgramFolder.h"
#include "ui/ClockFont.h"
#include "ui/CommandControl.h"
#include "ui/EventListView.h"
#include "ui/Fonts.h"
#include "ui/IconImageList.h"
#include "ui/MainWindow.h"
#include "ui/NewEventTree.h"
#include "ui/RotatedLabel.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kHeadingColour = RGB(0, 128, 255);
constexpr COLORREF kClockColour = RGB(192, 192, 192);

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

HICON LoadSmallIcon(int id, int size) {
  return static_cast<HICON>(
      LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

HBITMAP LoadPicture(int id) {
  return static_cast<HBITMAP>(
      LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

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

HWND MainWindow::AddControl(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent,
                            int id, DWORD exStyle) {
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(),
                         nullptr);
}

HWND MainWindow::AddButton(const wchar_t* text, DWORD style, HWND parent, int id) {
  buttons_.push_back(std::make_unique<CommandControl>(
      prompts_, WC_BUTTONW, text, WS_CHILD | WS_VISIBLE | style, parent, id,
      [this](int command, int code, HWND control) { OnCommandMessage(command, code, control); }));
  return buttons_.back()->Handle();
}

// Opening a clip loads Video for Windows and the audio codecs: done once the window is on the
// screen (the first frame follows at once), so that the start does not wait for them.
void MainWindow::OpenAnimationClip() {
  if (const std::optional<std::string> clip = AnimationClipFile(setup_.programFolder)) {
    Animate_Open(animation_, Widen(*clip).c_str());
  } else {
    // The system's find-computer clip in the shell's resources.
    Animate_OpenEx(animation_, GetModuleHandleW(L"shell32.dll"), MAKEINTRESOURCEW(152));
  }
  PlayAnimation(active_ && IsWindowVisible(Handle()));
}

MainWindow::Fonts MainWindow::MakeFonts() const {
  Fonts fonts;
  fonts.client = MakeFont(L"Arial", 11, false, dpi_);
  fonts.heading = MakeFont(L"Tahoma", 24, true, dpi_);
  fonts.caption = MakeFont(L"Arial", 12, true, dpi_);
  fonts.clock = MakeClockFont(setup_.formats, dpi_, dpi_(kClockWidth));
  fonts.product = MakeFont(L"Tahoma", 43, true, dpi_);
  fonts.symbol = MakeFont(L"Marlett", 11, false, dpi_, SYMBOL_CHARSET);
  fonts.maker = MakeFont(L"Arial", 12, true, dpi_);
  return fonts;
}

void MainWindow::CreateImageLists() {
  kindIcons_ = IconImageList(Instance(), IDI_KIND_FIRST, IDI_KIND_COUNT, dpi_(16));
  logo_.reset(LoadPicture(IDB_LOGO));
  sideCalendar_.reset(LoadPicture(IDB_SIDE_CALENDAR));
  sideClock_.reset(LoadPicture(IDB_SIDE_CLOCK));
  CreateToolImages();
}

// The pictures that follow the monitor's scale; the lists keep the kind icons they were given.
// The toolbar gets the new lists before the old ones are freed.
void MainWindow::CreateToolImages() {
  shellkit::ImageList cold =
      IconImageList(Instance(), IDI_TOOL_COLD_FIRST, IDI_TOOL_COUNT, dpi_(18));
  shellkit::ImageList hot = IconImageList(Instance(), IDI_TOOL_HOT_FIRST, IDI_TOOL_COUNT, dpi_(18));
  if (toolBar_) {
    SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(cold.get()));
    SendMessageW(toolBar_, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot.get()));
  }
  coldTools_ = std::move(cold);
  hotTools_ = std::move(hot);
  for (int i = 0; i < IDI_STATUS_COUNT; ++i) {
    statusIcons_[static_cast<std::size_t>(i)].reset(LoadSmallIcon(IDI_STATUS_FIRST + i, dpi_(16)));
  }
}

void MainWindow::CreateTopBar() {
  coolBar_ = AddControl(REBARCLASSNAMEW, nullptr,
                        WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS |
                            CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                        Handle(), IDC_COOL_BAR);

  toolBar_ =
      AddControl(TOOLBARCLASSNAMEW, nullptr,
                 TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                 coolBar_, IDC_TOOLBAR);
  SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(coldTools_.get()));
  SendMessageW(toolBar_, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotTools_.get()));
  std::vector<TBBUTTON> buttons;
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
    buttons.push_back(button);
  }
  SendMessageW(toolBar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));

  commandLine_ =
      AddControl(WC_COMBOBOXW, nullptr, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                 coolBar_, IDC_COMMAND_LINE);

  topRight_ = std::make_unique<Panel>(prompts_, Handle(), GetSysColor(COLOR_BTNFACE));
  animationFrame_ =
      std::make_unique<Panel>(prompts_, topRight_->Handle(), GetSysColor(COLOR_BTNFACE));
  animationFrame_->SetFramed(true);
  animation_ = AddControl(ANIMATE_CLASSW, nullptr, ACS_CENTER | ACS_TRANSPARENT,
                          animationFrame_->Handle(), IDC_ANIMATION);
  activeCheck_ =
      AddButton(L"active", BS_AUTOCHECKBOX | WS_TABSTOP, topRight_->Handle(), IDC_ACTIVE_CHECK);
}

void MainWindow::CreateLeftColumn() {
  leftColumn_ = std::make_unique<Panel>(prompts_, Handle(), GetSysColor(COLOR_BTNFACE));
  newEventsHeader_ =
      std::make_unique<Panel>(prompts_, leftColumn_->Handle(), GetSysColor(COLOR_BTNFACE));
  newEventsLabel_ =
      AddControl(WC_STATICW, L"New events", SS_LEFT | SS_NOPREFIX, newEventsHeader_->Handle(), 0);
  hideButton_ = AddButton(L"r", BS_PUSHBUTTON | BS_FLAT | BS_CENTER | BS_VCENTER,
                          newEventsHeader_->Handle(), IDC_HIDE_NEW_EVENTS);

  logoPanel_ = std::make_unique<Panel>(prompts_, leftColumn_->Handle(), kWhite, true);
  makerLabel_ = std::make_unique<RotatedLabel>(prompts_, logoPanel_->Handle(), POINT{0, 0});
  makerLabel_->SetCaption("Kaldmoor Inc.");
  makerLabel_->SetFont(fonts_.maker.get());
  makerLabel_->SetTextColor(kWhite);
  makerLabel_->SetColor(kBlack);
  makerLabel_->SetTransparent(true);
  makerLabel_->SetAngle(90);

  // The tree's and the lists' callbacks run inside their parent panel's boundary.
  tree_ = std::make_unique<NewEventTree>(
      prompts_, leftColumn_->Handle(), kindIcons_.get(),
      [this](int item) { RunWhenNoneOpen([this, item] { OnNewEventTreeDoubleClick(item); }); });
  SetWindowLongPtrW(tree_->Handle(), GWLP_ID, IDC_NEW_EVENT_TREE);
  splitter_ = std::make_unique<Splitter>(prompts_, Handle(), IDC_SPLITTER,
                                         [this](int left) { OnSplitterMoved(left); });
}

void MainWindow::CreateRightArea() {
  rightArea_ = std::make_unique<Panel>(prompts_, Handle(), GetSysColor(COLOR_BTNFACE), true);

  sidePanel_ = std::make_unique<Panel>(prompts_, rightArea_->Handle(), kWhite);
  heading_ = AddControl(WC_STATICW, nullptr, SS_LEFT | SS_NOPREFIX, sidePanel_->Handle(),
                        IDC_LIST_HEADING);
  todayLabel_ = AddControl(WC_STATICW, L"Today:", SS_LEFT, sidePanel_->Handle(), 0);
  dayLabel_ = AddControl(WC_STATICW, L"[Dunno day]", SS_LEFT | SS_NOPREFIX, sidePanel_->Handle(),
                         IDC_DAY_LABEL);
  timeLabel_ = AddControl(WC_STATICW, L"00:00:00", SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                          sidePanel_->Handle(), IDC_TIME_LABEL);
  selectionLabel_ = AddControl(WC_STATICW, L"Selection:", SS_LEFT, sidePanel_->Handle(), 0);
  // Word-wrapped; "&&" shows as one "&".
  selectionText_ = AddControl(WC_STATICW, L"", SS_LEFT | SS_EDITCONTROL, sidePanel_->Handle(),
                              IDC_SELECTION_TEXT);
  sidePanel_->SetLabelColour(heading_, kHeadingColour);
  sidePanel_->SetLabelColour(timeLabel_, kClockColour);

  listCarrier_ = std::make_unique<Panel>(prompts_, rightArea_->Handle(), kWhite);
  headingStrip_ = std::make_unique<Panel>(prompts_, listCarrier_->Handle(), kWhite);
  stripHeading_ = AddControl(WC_STATICW, nullptr, SS_LEFT | SS_NOPREFIX, headingStrip_->Handle(),
                             IDC_STRIP_HEADING);
  headingStrip_->SetLabelColour(stripHeading_, kHeadingColour);
  constexpr std::array<int, 4> kListIds = {IDC_GENERAL_LIST, IDC_DAILY_LIST, IDC_WEEKLY_LIST,
                                           IDC_MONTHLY_LIST};
  for (const EventKind kind : kAllKinds) {
    const auto i = static_cast<std::size_t>(kind);
    EventListView::Callbacks callbacks;
    callbacks.onCheckChanged = [this, kind](std::size_t row, bool checked) {
      OnCheckChanged(kind, row, checked);
    };
    callbacks.onSelected = [this, kind](std::size_t row) { OnSelected(kind, row); };
    const std::array<ListColumn, 3> columns = EventListColumns(kind);
    lists_[i] = std::make_unique<EventListView>(prompts_, listCarrier_->Handle(), columns,
                                                kindIcons_.get(), std::move(callbacks));
    SetWindowLongPtrW(lists_[i]->Handle(), GWLP_ID, kListIds[i]);
    lists_[i]->SetPopupMenu(GetSubMenu(listMenu_.get(), 0), Handle());
  }

  bottomStrip_ =
      std::make_unique<Panel>(prompts_, rightArea_->Handle(), GetSysColor(COLOR_BTNFACE));
  tasksLabel_ = AddControl(WC_STATICW, L"Tasks:", SS_LEFT, bottomStrip_->Handle(), 0);
  constexpr std::array<const wchar_t*, 4> kCaptions = {L"Event", L"daily", L"weekly", L"monthly"};
  for (std::size_t i = 0; i < listButtons_.size(); ++i) {
    listButtons_[i] = AddButton(kCaptions[i], BS_RADIOBUTTON | WS_TABSTOP, bottomStrip_->Handle(),
                                kListButtonIds[i]);
  }
}

void MainWindow::CreateStatusBar() {
  statusBar_ = AddControl(STATUSCLASSNAMEW, nullptr, SBARS_SIZEGRIP, Handle(), IDC_STATUS_BAR);
  LayoutStatusBar();
  SendMessageW(statusBar_, SB_SETTEXTW, 1,
               reinterpret_cast<LPARAM>(Widen(kStatusVersionText).c_str()));
  SendMessageW(statusBar_, SB_SETTEXTW, 4, reinterpret_cast<LPARAM>(L"NoDay"));
  SendMessageW(statusBar_, SB_SETTEXTW, 7,
               reinterpret_cast<LPARAM>(Widen(kStatusLastPanelText).c_str()));
  for (const int owned : {0, 2, 3, 5, 6}) {
    SendMessageW(statusBar_, SB_SETTEXTW, owned | SBT_OWNERDRAW, 0);
  }
}

void MainWindow::ApplyFonts(const Fonts& fonts) {
  const auto set = [](HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  };
  for (const HWND control : {toolBar_, commandLine_, activeCheck_, newEventsLabel_, dayLabel_,
                             selectionText_, tasksLabel_, statusBar_}) {
    set(control, fonts.client.get());
  }
  for (const HWND button : listButtons_) {
    set(button, fonts.client.get());
  }
  set(tree_->Handle(), fonts.client.get());
  for (const auto& list : lists_) {
    set(list->Handle(), fonts.client.get());
  }
  set(hideButton_, fonts.symbol.get());
  set(heading_, fonts.heading.get());
  set(stripHeading_, fonts.heading.get());
  set(todayLabel_, fonts.caption.get());
  set(selectionLabel_, fonts.caption.get());
  set(timeLabel_, fonts.clock.get());
  makerLabel_->SetFont(fonts.maker.get());
  SendMessageW(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(dpi_(64), dpi_(39)));
}

}  // namespace zorvat::ui
