#include "app/Program.h"

#include <optional>

#include "base/ErrorBoundary.h"
#include "events/StartupList.h"
#include "platform/ProgramFile.h"
#include "platform/UserRegionalFormats.h"
#include "platform/Win32RegistryWriter.h"
#include "scheduler/SchedulerTimerTable.h"
#include "settings/ProductRegistry.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFileCheck.h"
#include "ui/KeyboardRoute.h"

namespace zorvat {

Program::Program(const std::string& listFile)
    : programFile_(ProgramFilePath()),
      folder_(ProgramFolderOf(programFile_)),
      boxes_([this] { return Owner(); }),
      prompts_(gate_, boxes_),
      splash_(prompts_),
      dialogs_([this] { return Owner(); }),
      settings_(folder_),
      settingsTrouble_(PrepareSettings()),
      settingsUnread_(settingsTrouble_ && SettingsFileUnreadable(settings_)),
      registered_(WriteRegistry()),
      live_(ReadLiveSettings()),
      recent_(ReadRecentFiles()),
      formats_(ReadUserRegionalFormats()),
      document_(prompts_, dialogs_, clock_, formats_, folder_, recent_),
      exitPath_(prompts_, document_, settings_),
      stamp_(folder_),
      lastRun_(ReadLastRun()),
      application_(prompts_),
      // Owned by nobody: reminders shown late stay in sight while Zorvat sits in the tray.
      missed_(nullptr, gate_, prompts_, formats_,
              {[this] { return &scheduler_.Missed(); },
               [this](std::size_t row) { return scheduler_.RunLate(row); },
               [this] { scheduler_.ClearMissed(); }}),
      scheduler_(document_.Lists(), live_, SchedulerPortsOf()),
      window_(application_, gate_, prompts_, WindowSetup()) {
  if (settingsTrouble_) {
    exitPath_.SettingsTroubleShown();
  }
  if (settingsUnread_) {
    exitPath_.SettingsUnreadAtStart();
  }
  if (stampUnread_) {
    scheduler_.StampTroubleShown();
  }
  scheduler_.KeepLastRun(lastRun_);
  main_ = &window_;
  timers_.Attach(window_.Handle());
  Start(listFile);
}

Program::~Program() {
  main_ = nullptr;
  timers_.Attach(nullptr);
}

std::optional<SettingsFileTrouble> Program::PrepareSettings() {
  std::optional<SettingsFileTrouble> trouble = PrepareSettingsFile(settings_);
  if (trouble) {
    prompts_.ShowError(trouble->message);
  }
  return trouble;
}

// A stamp that does not read is told once; the start then looks back from nothing.
std::optional<HandledStamp> Program::ReadLastRun() {
  std::optional<HandledStamp> stamp;
  stampUnread_ = !RunShowingErrors(prompts_, [&] { stamp = stamp_.Read(); });
  return stamp;
}

SchedulerPorts Program::SchedulerPortsOf() {
  SchedulerPorts ports{clock_, prompts_, shell_,
                       sound_, timers_,  [this] { return settings_.Read(keys::kAlertMode); }};
  // A folder that takes no file was told at the start, stamp included: its every write would
  // fail for that one cause, and each failure would be a box of its own.
  if (!settingsTrouble_ || !settingsTrouble_->folderRefusesFiles) {
    ports.stamp = &stamp_;
  }
  ports.missedView = &missed_;
  ports.wake = &wake_;
  return ports;
}

bool Program::WriteRegistry() {
  return RunShowingErrors(prompts_, [&] {
    Win32RegistryWriter registry;
    WriteProductRegistry(registry, ProductRegistryValues(programFile_, settings_.Path()));
  });
}

LiveSettings Program::ReadLiveSettings() {
  LiveSettings live;
  RunShowingErrors(prompts_, [&] { LoadLiveSettings(settings_, live); });
  return live;
}

RecentFiles Program::ReadRecentFiles() {
  RecentFiles::Entries entries;
  RunShowingErrors(prompts_, [&] {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      entries[i] = settings_.Read(keys::kRecentFile[i]);
    }
  });
  return RecentFiles(entries);
}

ui::MainWindowSetup Program::WindowSetup() {
  ui::MainWindowSetup setup{document_, live_, clock_, formats_};
  setup.programFolder = folder_;
  setup.exitPath = &exitPath_;
  setup.settings = &settings_;
  setup.scheduler = [this] { return &scheduler_; };
  setup.onClosed = [] { PostQuitMessage(0); };
  setup.switchScheduler = [this](bool on) { scheduler_.SetActive(on); };
  // The wake timer follows "Wake the computer for events" at once.
  setup.optionsApplied = [this] { scheduler_.RefreshWake(); };
  setup.onTimer = [this](UINT_PTR id) {
    if (const std::optional<SchedulerTimer> timer = SchedulerTimerWithId(id)) {
      DispatchSchedulerTick(scheduler_, *timer, prompts_);
    }
  };
  // Leaving while an alert blinks the taskbar leaves it shown; what was handled is kept.
  setup.beforeExit = [this] {
    scheduler_.StopBlinking();
    RunShowingErrors(prompts_, [this] { scheduler_.SaveStamp(); });
  };
  setup.onPower = [this](bool suspending) {
    if (suspending) {
      scheduler_.SaveStamp();
    } else {
      scheduler_.OnResume();
    }
  };
  setup.endAtOnce = [] { ExitProcess(0); };
  setup.readRegionalFormats = &ReadUserRegionalFormats;
  setup.minimizeAtStart = [this] { return settings_.Read(keys::kMinimize); };
  RunShowingErrors(prompts_, [&] {
    setup.leftColumnWidth = settings_.Read(keys::kZorvatChoiceWidth);
    maximized_ = settings_.Read(keys::kMax);
    setup.autoSave = settings_.Read(keys::kAutoSave);
    setup.active = settings_.Read(keys::kActiveAtStartUp);
  });
  return setup;
}

void Program::Start(const std::string& listFile) {
  CreateLibFolder(folder_);
  RunShowingErrors(prompts_, [&] { OpenStartupList(settings_, document_); });
  // A list the user started Zorvat with comes after the one of the settings.
  if (!listFile.empty()) {
    RunShowingErrors(prompts_, [&] { document_.ReadFile(listFile); });
  }
  window_.ShowDocument();
  if (!settingsUnread_) {
    RunShowingErrors(prompts_, [&] { MaintainStartupShortcut(settings_.Read(keys::kAutoStart)); });
  }
  RunShowingErrors(prompts_, [&] { window_.RefreshSwitchToMenu(); });
  ShowWindow(window_.Handle(), maximized_ ? SW_SHOWMAXIMIZED : SW_SHOW);
  splash_.window.Close();
  // Looks back from the last run's stamp once the lists are read. Not on default settings: the
  // scheduler may be off by them alone, and the stamp keeps its mark (KeepLastRun) for a start
  // that can read the user's.
  if (!settingsUnread_) {
    RunShowingErrors(prompts_, [this] { scheduler_.CatchUpSince(lastRun_); });
  }
}

int Program::Run(SingleInstance& instance) {
  instance.DeliverTo([this](const std::string& file) {
    RunAtEntryPoint(&prompts_, [&] { window_.OnAnotherStart(file); });
  });
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (ui::RouteKeys(message, window_.Handle(), window_.Accelerators())) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace zorvat
