#include "ui/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "PictureIds.h"
#include "events/ListHeadings.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsKeys.h"
#include "ui/Centred.h"
#include "ui/EventListView.h"
#include "ui/IconImageList.h"
#include "ui/ListsArea.h"
#include "ui/NewEventsColumn.h"
#include "ui/Pictures.h"
#include "ui/StatusArea.h"
#include "ui/TopBar.h"
#include "ui/TrayIcon.h"
#include "ui/WindowIds.h"
#include "ui/WindowText.h"

namespace zorvat::ui {
namespace {

constexpr int kWidth = 648;
constexpr int kHeight = 526;

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
  // (beyond the window) out of sight; the close writes back what is used. 1 is the column hidden
  // by its button; below that no width was ever written by the program, and the column shows
  // at its usual width.
  if (leftColumnWidth_ < 1) {
    leftColumnWidth_ = keys::kZorvatChoiceWidth.fallback;
  }
  leftColumnWidth_ = std::clamp(leftColumnWidth_, 1, std::max(1, WidestLeftColumn()));

  fonts_ = MakeMainWindowFonts(setup_.formats, dpi_);
  const PartContext context{prompts_, Handle(), [this](int command, int code, HWND control) {
                              OnCommandMessage(command, code, control);
                            }};
  topBar_ = std::make_unique<TopBar>(context, dpi_);
  topBar_->OpenAnimationClip(AnimationClipFile(setup_.programFolder), dpi_);
  newEvents_ = std::make_unique<NewEventsColumn>(context, &KindIconImageList, [this](int item) {
    RunWhenNoneOpen([this, item] { OnNewEventTreeDoubleClick(item); });
  });
  splitter_ = std::make_unique<Splitter>(prompts_, Handle(), IDC_SPLITTER,
                                         [this](int left) { OnSplitterMoved(left); });
  ListsArea::Callbacks lists;
  lists.rowsOf = [this](EventKind kind) -> const EventRows& { return setup_.document.Rows(kind); };
  lists.onCheckChanged = [this](EventKind kind, std::size_t row, bool checked) {
    OnCheckChanged(kind, row, checked);
  };
  lists.onSelected = [this](EventKind kind, std::size_t row) { OnSelected(kind, row); };
  lists_ =
      std::make_unique<ListsArea>(context, &KindIconImageList, listMenu_.get(), std::move(lists));
  status_ = std::make_unique<StatusArea>(context, dpi_);
  for (MainWindowPart* part : Parts()) {
    part->ApplyFonts(fonts_, dpi_);
  }

  tray_ = std::make_unique<TrayIcon>(prompts_, Handle());
  tray_->SetHint(StartTrayHint());
  // The tray shows small icons; it keeps a copy of its own.
  const shellkit::Icon trayIcon = LoadProgramIcon(IDI_ZORVAT, SmallIconSize(dpi_.Value()));
  tray_->SetIcon(trayIcon.get());
  tray_->SetPopupMenu(GetSubMenu(trayMenu_.get(), 0));
  // The menu brought this window to the front, over a box it may have open.
  tray_->SetOnMenuClosed([this] {
    if (ModalOpen()) {
      BringModalToFront();
    }
  });

  ShowList(EventKind::General);
  SetActive(active_);
  OnClockTick();
  StartDocumentTimers();
  Layout();
  // Timer messages come only when no paint is due, so this follows the first showing's paint.
  SetTimer(Handle(), kFinishTimer, USER_TIMER_MINIMUM, nullptr);
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
  status_.reset();
  lists_.reset();
  splitter_.reset();
  newEvents_.reset();
  topBar_.reset();
}

std::array<MainWindowPart*, 4> MainWindow::Parts() const {
  return {topBar_.get(), newEvents_.get(), lists_.get(), status_.get()};
}

void MainWindow::FinishCreation() {
  KillTimer(Handle(), kFinishTimer);
  if (finished_) {
    return;
  }
  finished_ = true;
  AttachMenuImages();
  // Each change of the tray icon waits for the shell's answer: it is added once, as it is.
  tray_->SetVisible(true);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // The first showing sizes the window as it was made and laid out already.
      if (LayoutKey() != laidOut_) {
        Layout();
      }
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_PAINT: {
      shellkit::PaintScope paint(Handle());
      RECT client{};
      GetClientRect(Handle(), &client);
      topBar_->PaintBevels(paint.get(), client.right, dpi_);
      return 0;
    }
    case WM_COMMAND:
      OnCommandMessage(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_MEASUREITEM:
      MeasureMenuImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU) {
        DrawMenuImage(item);
      } else {
        status_->DrawPictures(item, dpi_);
      }
      return TRUE;
    }
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case kOpenHandedOver:
      OpenHandedOver();
      return 0;
    case WM_WINDOWPOSCHANGED: {
      // Every showing and hiding, also the maximized showing and SetWindowPos, which say no
      // WM_SHOWWINDOW.
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
      if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) {
        OnShowing((flags & SWP_SHOWWINDOW) != 0);
      }
      return Default(message, wParam, lParam);
    }
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
  } else if (id == kFinishTimer) {
    FinishCreation();
  } else if (setup_.onTimer) {
    RunModal([this, id] { setup_.onTimer(id); });
  }
}

// Four ticks a second, so labels are only touched when their text changes.
void MainWindow::OnClockTick() {
  const ClockTexts texts = ClockTextsAt(setup_.clock.Now(), setup_.formats);
  if (texts.statusText != shownClock_.statusText) {
    status_->SetClockText(texts.statusText);
  }
  if (texts.timeText != shownClock_.timeText) {
    lists_->SetTime(texts.timeText);
  }
  if (texts.dayText != shownClock_.dayText) {
    lists_->SetDay(texts.dayText);
  }
  shownClock_ = texts;
  application_.KeepHidden();
}

void MainWindow::MirrorLists() {
  lists_->MirrorLists();
}

void MainWindow::ShowList(EventKind kind) {
  shownList_ = kind;
  lists_->ShowList(kind, ListHeading(kind, setup_.live));
}

// The box goes straight into the record and marks the document changed, as any edit does.
void MainWindow::OnCheckChanged(EventKind kind, std::size_t row, bool checked) {
  setup_.document.SetEventActive(kind, row, checked);
}

void MainWindow::OnSelected(EventKind kind, std::size_t row) {
  const EventRow& shown = setup_.document.Rows(kind)[row];
  lists_->SetSelectionText(SelectionText(kind, shown.caption, shown.eventText));
}

void MainWindow::SetActive(bool active) {
  active_ = active;
  topBar_->SetActiveCheck(active);
  CheckMenuItem(trayMenu_.get(), IDC_ACTIVE_ITEM,
                MF_BYCOMMAND | (active ? MF_CHECKED : MF_UNCHECKED));
  if (setup_.switchScheduler) {
    setup_.switchScheduler(active);
  }
  PlayAnimation(active && IsWindowVisible(Handle()));
  tray_->SetHint(TrayHint(active));
}

// Nobody sees the clock or the animation of a hidden window: they run only while it is shown.
void MainWindow::OnShowing(bool shown) {
  if (shown) {
    shownOnce_ = true;
    OnClockTick();
    SetTimer(Handle(), kClockTimer, kClockInterval, nullptr);
  } else {
    KillTimer(Handle(), kClockTimer);
  }
  PlayAnimation(active_ && shown);
}

void MainWindow::PlayAnimation(bool play) {
  topBar_->PlayAnimation(play);
}

void MainWindow::OnActiveCheck() {
  SetActive(topBar_->ActiveChecked());
}

void MainWindow::OnActiveItem() {
  const bool checked =
      (GetMenuState(trayMenu_.get(), IDC_ACTIVE_ITEM, MF_BYCOMMAND) & MF_CHECKED) != 0;
  SetActive(!checked);
}

// While a box or dialog is open the window waits behind it: it is shown without taking the
// focus, and the box comes to the front, where keys and clicks reach it.
void MainWindow::OnOpenFromTray() {
  application_.Restore();
  const bool waiting = ModalChain(Handle()).size() > 1;
  if (IsIconic(Handle())) {
    ShowWindow(Handle(), waiting ? SW_SHOWNOACTIVATE : SW_RESTORE);
  } else {
    ShowWindow(Handle(), waiting ? SW_SHOWNA : SW_SHOW);
  }
  BringModalToFront();
}

bool MainWindow::OnSetCursor(HWND control) {
  const auto parts = Parts();
  const bool hand = std::any_of(parts.begin(), parts.end(), [control](const MainWindowPart* part) {
    return part->ShowsHand(control);
  });
  if (hand) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
  }
  return hand;
}

}  // namespace zorvat::ui
