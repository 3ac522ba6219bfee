#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/ModalGate.h"
#include "base/Prompts.h"
#include "base/RegionalFormats.h"
#include "events/EventLists.h"
#include "events/ExitPath.h"
#include "events/ListDocument.h"
#include "events/MainWindowTexts.h"
#include "settings/LiveSettings.h"
#include "settings/OptionsValues.h"
#include "settings/SettingsStore.h"
#include "shellkit/Handles.h"
#include "ui/ApplicationWindow.h"
#include "ui/Dpi.h"
#include "ui/EventEditing.h"
#include "ui/MainWindowPart.h"
#include "ui/Splitter.h"
#include "ui/WaitingTasksWindow.h"
#include "ui/Window.h"
#include "ui/WindowIds.h"

namespace zorvat {
class Scheduler;
}

namespace zorvat::ui {

class TrayIcon;
class TopBar;
class NewEventsColumn;
class ListsArea;
class StatusArea;

// What the main window works with; all of it outlives the window.
struct MainWindowSetup {
  MainWindowSetup(ListDocument& document, LiveSettings& live, const Clock& clock,
                  RegionalFormats& formats)
      : document(document), live(live), clock(clock), formats(formats) {}

  ListDocument& document;
  LiveSettings& live;
  const Clock& clock;
  // The one live place of the user's regional formats: every window reads them here, and the
  // main window writes the new ones here when they change.
  RegionalFormats& formats;
  // The core's active switch (the scan timer on or off).
  std::function<void(bool active)> switchScheduler;
  // Window timers other than the clock's: the scheduler's ticks.
  std::function<void(UINT_PTR id)> onTimer;
  // Called once the window is gone.
  std::function<void()> onClosed;
  // The close question and the end of the session; without it closing ends the program at once.
  ExitPath* exitPath = nullptr;
  // Runs once the program is sure to end (the taskbar shown again after an alert's blinking).
  std::function<void()> beforeExit;
  // Ends the process where it stands: the session's end while a box or dialog is open, whose
  // caller must not go on with the window destroyed under it. None: the window is destroyed.
  std::function<void()> endAtOnce;
  // WM_POWERBROADCAST: true when the computer is about to sleep, false when it woke.
  std::function<void(bool suspending)> onPower;
  // The user's regional formats read afresh when they change; none: the start's stay.
  std::function<RegionalFormats()> readRegionalFormats;
  bool autoSave = true;                   // AutoSave: the autosave timer runs
  std::function<bool()> minimizeAtStart;  // Minimize, read at the one-shot tick after start
  std::string programFolder;              // with its trailing separator
  int leftColumnWidth = 185;              // ZorvatChoice_Width
  bool active = true;
  // The properties dialog; empty: the program's own dialogs.
  EventEditing::PropertiesEditor editProperties;
  // Read and written by the options dialog and the "Switch to" menu; none: they do nothing.
  SettingsFile* settings = nullptr;
  // The scheduler whose stacks the waiting-tasks window shows, once it exists.
  std::function<const Scheduler*()> scheduler;
  // After a confirmed options dialog has applied the live settings.
  std::function<void()> optionsApplied;
};

// `window`, then each box or dialog open in front of it, the one the user must answer last.
std::vector<HWND> ModalChain(HWND window);

// The main window: made of its parts (the top bar, the new-events column, the lists area with the
// clock and selection panel, the status bar) beside the splitter, it keeps the commands, the
// document, the menus, the tray icon and the modal gate.
class MainWindow final : public Window {
 public:
  static constexpr UINT_PTR kClockTimer = 1;
  static constexpr UINT kClockInterval = 250;
  static constexpr UINT_PTR kAutoSaveTimer = 2;  // while AutoSave was set at start
  static constexpr UINT kAutoSaveInterval = 70000;
  static constexpr UINT_PTR kDelayTimer = 3;  // once, a second after start: Minimize
  static constexpr UINT kDelayInterval = 1000;
  // Once, when the first showing has been painted (or at once for a window kept hidden), what
  // the eye does not need at the start: the menus' pictures and the tray icon.
  static constexpr UINT_PTR kFinishTimer = 4;

  // Every box and dialog of the window opens through `gate`, which it holds them to.
  MainWindow(ApplicationWindow& application, ModalGate& gate, Prompts& prompts,
             MainWindowSetup setup);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HACCEL Accelerators() const { return accelerators_.get(); }
  EventKind ShownList() const { return shownList_; }
  int LeftColumnWidth() const { return leftColumnWidth_; }
  bool Active() const { return active_; }
  const TrayIcon& Tray() const { return *tray_; }
  HMENU TrayMenu() const { return GetSubMenu(trayMenu_.get(), 0); }

  // Copies the document's rows into the four views; after every document command.
  void MirrorLists();
  // The active switch as the check box and the tray item set it.
  void SetActive(bool active);
  // Caption, lists, recent entries and info item after the document changed.
  void ShowDocument();
  // Restored from the tray or the taskbar and in front, as another start of the program asks.
  void BringToFront() { OnOpenFromTray(); }
  // The "Switch to" menu's user entries from the settings (in MainWindowOptions.cpp).
  void RefreshSwitchToMenu();
  HMENU SwitchToMenu() const;
  const WaitingTasksWindow* WaitingTasks() const { return waitingTasks_.get(); }
  // Another start of the program handed over `listFile` (empty: none). While a dialog or box of
  // this window is open, the file waits until the last one closes.
  void OnAnotherStart(const std::string& listFile);
  // A command, a tick or a question of this window has a dialog or box open.
  bool ModalOpen() const { return gate_.Open(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // What the left column always leaves of the lists' side.
  static constexpr int kNarrowestListArea = 240;

  void DestroyChildren();
  std::array<MainWindowPart*, 4> Parts() const;
  // The hidden lists, the menus' pictures, the clip once the window is seen.
  void FinishCreation();

  // Layout, in MainWindowLayout.cpp.
  void Layout();
  // What the layout depends on: the client area's size, the DPI, the column's width.
  std::array<int, 4> LayoutKey() const;
  std::array<int, 4> laidOut_{};
  int WidestLeftColumnPixels() const;
  int WidestLeftColumn() const;  // at 96 dpi
  void OnDpiChanged(int dpi, const RECT& suggested);

  // Menu pictures, in MainWindowMenus.cpp.
  void AttachMenuImages();
  void MeasureMenuImage(MEASUREITEMSTRUCT& item) const;
  void DrawMenuImage(const DRAWITEMSTRUCT& item) const;

  // Modal spells: a command or tick that may open a dialog or box runs as one of the gate, its
  // error box included. While one is open, nothing may swap the document or destroy the window
  // under it.
  static constexpr UINT kOpenHandedOver = WM_APP + 1;
  void AttachGate();
  // Whatever is open (ticks, the session's end).
  void RunModal(const std::function<void()>& step);
  // Only when nothing is open, else the open box comes to the front.
  void RunWhenNoneOpen(const std::function<void()>& step);
  void BringModalToFront();
  void OpenHandedOver();
  void OnCommandMessage(int id, int code, HWND control);
  void OnCloseMessage();

  // Behaviour.
  void OnCommand(int id, int code, HWND control);
  void OnTimer(UINT_PTR id);
  void OnClockTick();
  void OnShowing(bool shown);
  void PlayAnimation(bool play);
  bool OnSetCursor(HWND control);
  void ShowList(EventKind kind);
  void OnCheckChanged(EventKind kind, std::size_t row, bool checked);
  void OnSelected(EventKind kind, std::size_t row);
  void OnSplitterMoved(int left);
  void OnHideNewEvents();
  void OnActiveCheck();
  void OnActiveItem();
  void OnOpenFromTray();
  void OnNewEventTreeDoubleClick(int item);

  // Start and end, in MainWindowLifecycle.cpp.
  void OnSettingChange(const wchar_t* area);
  void StartDocumentTimers();
  void OnAutoSaveTick();
  void OnDelayTick();
  WindowLayout CurrentLayout() const;
  void OnCloseAsked();
  LRESULT OnQueryEndSession(LPARAM reasons);
  void OnEndSession(bool ending);
  void OnPowerBroadcast(WPARAM event);
  void CloseForGood();

  // The commands of the menus, the toolbar, the keys and the tray, one handler each.
  void OnNewList();
  void OnOpenList();
  void OnSaveList();
  void OnSaveListAs();
  void OnOpenRecent1();
  void OnOpenRecent2();
  void OnOpenRecent3();
  void OnListInfo();
  void OnTaskList();
  void OnProperties();
  void OnDeleteEvent();
  void OnUndeleteEvent();
  void OnOptions();
  void OnSwitchToExplorer();
  void OnSwitchToEntry1() { StartSwitchToEntry(0); }
  void OnSwitchToEntry2() { StartSwitchToEntry(1); }
  void OnSwitchToEntry3() { StartSwitchToEntry(2); }
  void StartSwitchToEntry(int entry);
  void ApplyConfirmedOptions(const OptionsValues& confirmed);
  void OnAbout();
  void OnExit();

  ApplicationWindow& application_;
  ModalGate& gate_;
  Prompts& prompts_;
  MainWindowSetup setup_;
  Dpi dpi_;
  MainWindowFonts fonts_;
  int leftColumnWidth_;
  bool active_;
  EventKind shownList_ = EventKind::General;
  ClockTexts shownClock_;
  bool autoSaveErrorOpen_ = false;
  // What the close check of this session's end showed: the end does not show it again.
  std::optional<std::string> sessionErrorShown_;

  bool finished_ = false;  // FinishCreation ran
  bool shownOnce_ = false;
  std::uint64_t listsShown_ = 0;  // the document's ListsReplaced() when last shown

  shellkit::Menu trayMenu_;
  shellkit::Menu listMenu_;
  shellkit::AcceleratorTable accelerators_;

  // The parts, destroyed in DestroyChildren before the window.
  std::unique_ptr<TopBar> topBar_;
  std::unique_ptr<NewEventsColumn> newEvents_;
  std::unique_ptr<Splitter> splitter_;
  std::unique_ptr<ListsArea> lists_;
  std::unique_ptr<StatusArea> status_;
  std::unique_ptr<TrayIcon> tray_;

  // Editing, in MainWindowEditing.cpp.
  EventEditing& Editing();
  std::optional<std::size_t> SelectedRow() const;
  void ShowEdited(bool changed);
  std::unique_ptr<EventEditing> editing_;

  // The options dialog, the waiting-tasks window (made at its first opening) and the
  // information windows, in MainWindowOptions.cpp.
  OptionsValues lastOptions_;
  int optionsPage_ = kFirstOptionsPage;
  std::unique_ptr<WaitingTasksWindow> waitingTasks_;
};

}  // namespace zorvat::ui
