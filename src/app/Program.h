#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/ModalGate.h"
#include "events/ExitPath.h"
#include "events/ListDocument.h"
#include "events/RecentFiles.h"
#include "platform/MciSoundPlayer.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/ShellKitShell.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "platform/WakeTimer.h"
#include "platform/Win32FileDialogs.h"
#include "scheduler/Scheduler.h"
#include "settings/LiveSettings.h"
#include "settings/SettingsFileCheck.h"
#include "settings/SettingsStore.h"
#include "ui/ApplicationWindow.h"
#include "ui/MainWindow.h"
#include "ui/MissedEventsWindow.h"
#include "ui/SplashWindow.h"
#include "ui/WindowTimers.h"

namespace zorvat {

// Zorvat.exe while it runs. The members are declared in the order they depend on each other,
// so each is made after everything it needs and goes before it: the settings, the document,
// the missed-events window the scheduler reports to, the scheduler, then the main window. A step of
// the start that fails shows its box and ends alone; the steps after it run.
class Program {
 public:
  explicit Program(const std::string& listFile);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Listens for later starts and runs the message loop until the main window has gone.
  int Run(SingleInstance& instance);

 private:
  // On screen from the first member on; it goes once the main window is up.
  struct Splash {
    explicit Splash(Prompts& prompts) : window(prompts) { window.Show(); }
    ui::SplashWindow window;
  };

  std::optional<SettingsFileTrouble> PrepareSettings();
  bool WriteRegistry();
  std::optional<HandledStamp> ReadLastRun();
  SchedulerPorts SchedulerPortsOf();
  LiveSettings ReadLiveSettings();
  RecentFiles ReadRecentFiles();
  ui::MainWindowSetup WindowSetup();
  void Start(const std::string& listFile);

  const std::string programFile_;
  const std::string folder_;
  SystemClock clock_;
  // The owner of every box and file dialog while the main window exists.
  const ui::MainWindow* main_ = nullptr;
  HWND Owner() const { return main_ ? main_->Handle() : nullptr; }
  MessageBoxPrompts boxes_;
  // Every box of the program, whoever opens it, is a spell of the one gate.
  ModalGate gate_;
  GatedPrompts prompts_;
  Splash splash_;
  Win32FileDialogs dialogs_;
  SettingsFile settings_;
  // Told once, before anything reads the file.
  const std::optional<SettingsFileTrouble> settingsTrouble_;
  // The defaults stand in for the user's settings: nothing that follows from them may change
  // what the user set up (the start-up shortcut, the stamp, the close's settings).
  const bool settingsUnread_;
  const bool registered_;  // the product's registry values, written first
  LiveSettings live_;
  RecentFiles recent_;
  // The one live place of the user's regional formats (the main window renews them).
  RegionalFormats formats_;
  ListDocument document_;
  ExitPath exitPath_;
  ShellKitShell shell_;
  MciSoundPlayer sound_;
  // Timers the scheduler starts before the window exists wait here until it does.
  ui::WindowTimers timers_;
  StampFile stamp_;
  bool stampUnread_ = false;                   // and the user was told
  const std::optional<HandledStamp> lastRun_;  // read before anything ticks
  WakeTimer wake_;
  ui::ApplicationWindow application_;
  ui::MissedEventsWindow missed_;
  Scheduler scheduler_;
  bool maximized_ = false;
  ui::MainWindow window_;
};

}  // namespace zorvat
