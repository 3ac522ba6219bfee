#include "ui/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "PictureIds.h"
#include "events/ListHeadings.h"
#include "ui/Centred.h"
#include "ui/CommandControl.h"
#include "ui/EventListView.h"
#include "ui/NewEventTree.h"
#include "ui/RotatedLabel.h"
#include "ui/TrayIcon.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr int kWidth = 648;
constexpr int kHeight = 526;
// What the left column always leaves of the lists' side.
constexpr int kNarrowestListArea = 240;

HMENU LoadMenuResource(int id) {
  return LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

}  // namespace

MainWindow::MainWindow(ApplicationWindow& application, ModalGate& gate, Prompts& prompts,
                       MainWindowSetup setup)
    : Window(prompts),
      application_(application),
      gate_(gate),
      prompts_(prompts),
      setup_(std::move(setup)),
      dpi_(Dpi::OfSystem()),
      leftColumnWidth_(setup_.leftColumnWidth),
      active_(setup_.active) {
  trayMenu_.reset(LoadMenuResource(IDR_TRAY_MENU));
  listMenu_.reset(LoadMenuResource(IDR_LIST_MENU));
  accelerators_.reset(
      LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS)));
  // Shared, as the window class keeps it beyond this window.
  const auto classIcon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ZORVAT),
                                    IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  // The window owns its menu bar and destroys it with itself.
  Create(L"ZorvatMainWindow", WS_EX_CONTROLPARENT, Widen(setup_.document.Caption()).c_str(),
         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CentredOnScreen(dpi_(kWidth), dpi_(kHeight)),
         application.Handle(), LoadMenuResource(IDR_MAIN_MENU),
         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), classIcon);
  const Dpi monitor = Dpi::Of(Handle());
  if (monitor.Value() != dpi_.Value()) {
    dpi_ = monitor;
    const RECT bounds = CentredOnScreen(dpi_(kWidth), dpi_(kHeight));
    MoveWindow(Handle(), bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, FALSE);
  }

  AttachGate();
  // A stored width the window cannot give would put the column's controls (below 1) or the lists
  // (beyond the window) out of sight; the close writes back what is used.
  leftColumnWidth_ = std::clamp(leftColumnWidth_, 1, std::max(1, WidestLeftColumn()));

  fonts_ = MakeFonts();
  CreateImageLists();
  CreateTopBar();
  CreateLeftColumn();
  CreateRightArea();
  CreateStatusBar();
  ApplyFonts(fonts_);

  tray_ = std::make_unique<TrayIcon>(prompts_, Handle());
  tray_->SetHint(StartTrayHint());
  // The tray shows small icons; it keeps a copy of its own.
  const int small = shellkit::SystemMetricForDpi(SM_CXSMICON, static_cast<UINT>(dpi_.Value()));
  const shellkit::Icon trayIcon(static_cast<HICON>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ZORVAT), IMAGE_ICON, small, small, 0)));
  tray_->SetIcon(trayIcon.get());
  tray_->SetPopupMenu(GetSubMenu(trayMenu_.get(), 0));
  tray_->SetVisible(true);
  AttachMenuImages();

  MirrorLists();
  ShowList(EventKind::General);
  SetActive(active_);
  OnClockTick();
  StartDocumentTimers();
  Layout();
}

MainWindow::~MainWindow() {
  gate_.Detach();
  DestroyChildren();
  Destroy();
}

// Teardown by one rule: children go before their parent, each object taking its own window down
// while the parent still lives; a window object clears its handle at WM_NCDESTROY. This runs at
// WM_DESTROY (the window is still whole then) and again, doing nothing, from the destructor.
void MainWindow::DestroyChildren() {
  if (Handle()) {
    KillTimer(Handle(), kClockTimer);
  }
  waitingTasks_.reset();
  tray_.reset();
  for (auto& list : lists_) {
    list.reset();
  }
  tree_.reset();
  makerLabel_.reset();
  splitter_.reset();
  buttons_.clear();
  for (std::unique_ptr<Panel>* panel :
       {&headingStrip_, &listCarrier_, &sidePanel_, &bottomStrip_, &rightArea_, &newEventsHeader_,
        &logoPanel_, &leftColumn_, &animationFrame_, &topRight_}) {
    panel->reset();
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_PAINT:
      PaintBevels();
      return 0;
    case WM_COMMAND:
      OnCommandMessage(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_MEASUREITEM:
      MeasureMenuImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      item.CtlType == ODT_MENU ? DrawMenuImage(item) : DrawStatusImages(item);
      return TRUE;
    }
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case kOpenHandedOver:
      OpenHandedOver();
      return 0;
    case kOpenAnimationClip:
      OpenAnimationClip();
      return 0;
    case WM_SHOWWINDOW:
      // Nobody sees the clock or the animation of a hidden window: they run only while the
      // window is shown.
      if (wParam) {
        OnClockTick();
        SetTimer(Handle(), kClockTimer, kClockInterval, nullptr);
      } else {
        KillTimer(Handle(), kClockTimer);
      }
      PlayAnimation(active_ && wParam);
      if (wParam && !clipOpened_) {
        clipOpened_ = true;
        PostMessageW(Handle(), kOpenAnimationClip, 0, 0);
      }
      return Default(message, wParam, lParam);
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
        return TRUE;
      }
      return Default(message, wParam, lParam);
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        application_.Minimize();
        return 0;
      }
      return Default(message, wParam, lParam);
    case WM_CLOSE:
      OnCloseMessage();
      return 0;
    case WM_SETTINGCHANGE:
      OnSettingChange(reinterpret_cast<const wchar_t*>(lParam));
      return Default(message, wParam, lParam);
    case WM_POWERBROADCAST:
      OnPowerBroadcast(wParam);
      return TRUE;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession(lParam);
    case WM_ENDSESSION:
      OnEndSession(wParam != FALSE);
      return 0;
    case WM_DESTROY:
      DestroyChildren();
      if (setup_.onClosed) {
        setup_.onClosed();
      }
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void MainWindow::OnTimer(UINT_PTR id) {
  if (id == kClockTimer) {
    OnClockTick();
  } else if (id == kAutoSaveTimer) {
    RunModal([this] { OnAutoSaveTick(); });
  } else if (id == kDelayTimer) {
    OnDelayTick();
  } else if (setup_.onTimer) {
    RunModal([this, id] { setup_.onTimer(id); });
  }
}

// Four ticks a second, so labels are only touched when their text changes.
void MainWindow::OnClockTick() {
  const ClockTexts texts = ClockTextsAt(setup_.clock.Now(), setup_.formats);
  if (texts.statusText != shownClock_.statusText) {
    SendMessageW(statusBar_, SB_SETTEXTW, 4,
                 reinterpret_cast<LPARAM>(Widen(texts.statusText).c_str()));
  }
  if (texts.timeText != shownClock_.timeText) {
    SetText(timeLabel_, texts.timeText);
  }
  if (texts.dayText != shownClock_.dayText) {
    SetText(dayLabel_, texts.dayText);
  }
  shownClock_ = texts;
  application_.KeepHidden();
}

void MainWindow::MirrorLists() {
  for (const EventKind kind : kAllKinds) {
    lists_[static_cast<std::size_t>(kind)]->Mirror(setup_.document.Rows(kind));
  }
}

void MainWindow::ShowList(EventKind kind) {
  shownList_ = kind;
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    Button_SetCheck(listButtons_[i],
                    i == static_cast<std::size_t>(kind) ? BST_CHECKED : BST_UNCHECKED);
  }
  const HWND front = lists_[static_cast<std::size_t>(kind)]->Handle();
  SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  for (const auto& list : lists_) {
    if (list->Handle() != front) {
      ShowWindow(list->Handle(), SW_HIDE);
    }
  }
  const std::string heading = ListHeading(kind, setup_.live);
  SetText(heading_, heading);
  SetText(stripHeading_, GetText(heading_));
}

// The box goes straight into the record and marks the document changed, as any edit does.
void MainWindow::OnCheckChanged(EventKind kind, std::size_t row, bool checked) {
  setup_.document.SetEventActive(kind, row, checked);
}

void MainWindow::OnSelected(EventKind kind, std::size_t row) {
  const EventRow& shown = setup_.document.Rows(kind)[row];
  SetText(selectionText_, SelectionText(kind, shown.caption, shown.eventText));
}

void MainWindow::OnSplitterMoved(int left) {
  const int pixels = std::max(1, std::min(left, WidestLeftColumnPixels()));
  leftColumnWidth_ = std::max(1, MulDiv(pixels, Dpi::kDesign, dpi_.Value()));
  Layout();
}

// The column as wide as the window's client area leaves it beside the splitter and the lists.
int MainWindow::WidestLeftColumnPixels() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return static_cast<int>(client.right) - dpi_(3) - dpi_(kNarrowestListArea);
}

int MainWindow::WidestLeftColumn() const {
  return MulDiv(WidestLeftColumnPixels(), Dpi::kDesign, dpi_.Value());
}

void MainWindow::OnHideNewEvents() {
  leftColumnWidth_ = 1;
  Layout();
}

void MainWindow::SetActive(bool active) {
  active_ = active;
  Button_SetCheck(activeCheck_, active ? BST_CHECKED : BST_UNCHECKED);
  CheckMenuItem(trayMenu_.get(), IDC_ACTIVE_ITEM,
                MF_BYCOMMAND | (active ? MF_CHECKED : MF_UNCHECKED));
  if (setup_.switchScheduler) {
    setup_.switchScheduler(active);
  }
  PlayAnimation(active && IsWindowVisible(Handle()));
  tray_->SetHint(TrayHint(active));
}

void MainWindow::PlayAnimation(bool play) {
  if (play) {
    Animate_Play(animation_, 0, -1, -1);
  } else {
    Animate_Stop(animation_);
  }
}

void MainWindow::OnActiveCheck() {
  SetActive(Button_GetCheck(activeCheck_) == BST_CHECKED);
}

void MainWindow::OnActiveItem() {
  const bool checked =
      (GetMenuState(trayMenu_.get(), IDC_ACTIVE_ITEM, MF_BYCOMMAND) & MF_CHECKED) != 0;
  SetActive(!checked);
}

void MainWindow::OnOpenFromTray() {
  application_.Restore();
  ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(Handle());
  if (ModalOpen()) {
    BringModalToFront();
  }
}

bool MainWindow::OnSetCursor(HWND control) {
  const bool hand =
      control == toolBar_ || control == hideButton_ || control == activeCheck_ ||
      std::find(listButtons_.begin(), listButtons_.end(), control) != listButtons_.end();
  if (hand) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
  }
  return hand;
}

}  // namespace zorvat::ui
