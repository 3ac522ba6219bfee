// Zorvat.exe: one copy at a time; the settings, the registry, the list document and the
// scheduler set up in the order of the main window's creation; the message loop.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "base/Error.h"
#include "base/ErrorBoundary.h"
#include "base/ModalGate.h"
#include "events/EventMessages.h"
#include "events/ExitPath.h"
#include "events/ListDocument.h"
#include "events/StartupList.h"
#include "platform/MciSoundPlayer.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/ProgramFile.h"
#include "platform/ShellKitShell.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "platform/UserRegionalFormats.h"
#include "platform/WakeTimer.h"
#include "platform/Win32FileDialogs.h"
#include "platform/Win32RegistryWriter.h"
#include "scheduler/Scheduler.h"
#include "scheduler/SchedulerTimerTable.h"
#include "settings/LiveSettings.h"
#include "settings/ProductRegistry.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFileCheck.h"
#include "settings/SettingsStore.h"
#include "shellkit/WideText.h"
#include "ui/ApplicationWindow.h"
#include "ui/KeyboardRoute.h"
#include "ui/MainWindow.h"
#include "ui/MissedEventsWindow.h"
#include "ui/SplashWindow.h"
#include "ui/WindowTimers.h"

namespace zorvat {
namespace {

constexpr wchar_t kInstanceName[] = L"Brumsel! Zorvat";

RecentFiles RecentFromSettings(const SettingsFile& settings) {
  RecentFiles::Entries entries;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i] = settings.Read(keys::kRecentFile[i]);
  }
  return RecentFiles(entries);
}

// Each step of the start that fails shows its box and ends alone; the steps after it run.
int Run(SingleInstance& instance, const std::string& listFile) {
  const std::string programFile = ProgramFilePath();
  const std::string folder = ProgramFolderOf(programFile);
  SystemClock clock;
  ui::MainWindow* main = nullptr;
  const auto owner = [&main] { return main ? main->Handle() : nullptr; };
  MessageBoxPrompts boxes(owner);
  // Every box of the program, whoever opens it, is a spell of the one gate.
  ModalGate gate;
  GatedPrompts prompts(gate, boxes);
  // On screen while the windows are made; it goes once the main window is up.
  ui::SplashWindow splash(prompts);
  splash.Show();
  Win32FileDialogs dialogs(owner);
  SettingsFile settings(folder);
  // Told once, before anything reads the file.
  const std::optional<std::string> settingsTrouble = PrepareSettingsFile(settings);
  if (settingsTrouble) {
    prompts.ShowError(*settingsTrouble);
  }
  RunShowingErrors(prompts, [&] {
    Win32RegistryWriter registry;
    WriteProductRegistry(registry, ProductRegistryValues(programFile, settings.Path()));
  });

  LiveSettings live;
  RunShowingErrors(prompts, [&] { LoadLiveSettings(settings, live); });
  RecentFiles recent;
  RunShowingErrors(prompts, [&] { recent = RecentFromSettings(settings); });
  const RegionalFormats formats = ReadUserRegionalFormats();
  ListDocument document(prompts, dialogs, clock, formats, folder, recent);
  ExitPath exitPath(prompts, document, settings);
  if (settingsTrouble) {
    exitPath.SettingsTroubleShown();
  }

  ShellKitShell shell;
  MciSoundPlayer sound;
  ui::WindowTimers timers;
  // Made once the window exists, whose timers it arms.
  std::unique_ptr<Scheduler> scheduler;

  ui::ApplicationWindow application(prompts);
  ui::MainWindowSetup setup{document, live, clock, formats};
  setup.programFolder = folder;
  setup.exitPath = &exitPath;
  setup.settings = &settings;
  setup.scheduler = [&scheduler] { return scheduler.get(); };
  setup.onClosed = [] { PostQuitMessage(0); };
  setup.switchScheduler = [&scheduler](bool on) {
    if (scheduler) {
      scheduler->SetActive(on);
    }
  };
  setup.onTimer = [&](UINT_PTR id) {
    if (const std::optional<SchedulerTimer> timer = SchedulerTimerWithId(id); timer && scheduler) {
      DispatchSchedulerTick(*scheduler, *timer, prompts);
    }
  };
  // Leaving while an alert blinks the taskbar leaves it shown; what was handled is kept.
  setup.beforeExit = [&] {
    if (scheduler) {
      scheduler->StopBlinking();
      RunShowingErrors(prompts, [&] { scheduler->SaveStamp(); });
    }
  };
  setup.onPower = [&scheduler](bool suspending) {
    if (scheduler && suspending) {
      scheduler->SaveStamp();
    } else if (scheduler) {
      scheduler->OnResume();
    }
  };
  setup.readRegionalFormats = &ReadUserRegionalFormats;
  setup.minimizeAtStart = [&settings] { return settings.Read(keys::kMinimize); };
  bool maximized = false;
  RunShowingErrors(prompts, [&] {
    setup.leftColumnWidth = settings.Read(keys::kZorvatChoiceWidth);
    maximized = settings.Read(keys::kMax);
    setup.autoSave = settings.Read(keys::kAutoSave);
    setup.active = settings.Read(keys::kActiveAtStartUp);
  });
  ui::MainWindow window(application, gate, prompts, setup);
  main = &window;
  timers.Attach(window.Handle());
  StampFile stamp(folder);
  WakeTimer wake;
  ui::MissedEventsWindow missed(
      application.Handle(), prompts, formats,
      {[&scheduler] { return scheduler ? &scheduler->Missed() : nullptr; },
       [&scheduler](std::size_t row) { return scheduler && scheduler->RunLate(row); },
       [&scheduler] {
         if (scheduler) {
           scheduler->ClearMissed();
         }
       }});
  SchedulerPorts ports{clock, prompts, shell,
                       sound, timers,  [&settings] { return settings.Read(keys::kAlertMode); }};
  ports.stamp = &stamp;
  ports.missedView = &missed;
  ports.wake = &wake;
  scheduler = std::make_unique<Scheduler>(document.Lists(), live, ports);
  scheduler->SetActive(window.Active());

  CreateLibFolder(folder);
  RunShowingErrors(prompts, [&] { OpenStartupList(settings, document); });
  // A list the user started Zorvat with comes after the one of the settings.
  if (!listFile.empty()) {
    RunShowingErrors(prompts, [&] { document.ReadFile(listFile); });
  }
  window.ShowDocument();
  RunShowingErrors(prompts, [&] { MaintainStartupShortcut(settings.Read(keys::kAutoStart)); });
  RunShowingErrors(prompts, [&] { window.RefreshSwitchToMenu(); });
  ShowWindow(window.Handle(), maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
  splash.Close();
  // Looks back from the last run's stamp once the lists are read.
  RunShowingErrors(prompts, [&] { scheduler->CatchUpSince(stamp.Read()); });

  instance.DeliverTo([&](const std::string& file) {
    RunAtEntryPoint(&prompts, [&] { window.OnAnotherStart(file); });
  });

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (ui::RouteKeys(message, window.Handle(), window.Accelerators())) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  main = nullptr;
  scheduler.reset();
  return static_cast<int>(message.wParam);
}

}  // namespace
}  // namespace zorvat

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_ANIMATE_CLASS};
  InitCommonControlsEx(&controls);
  // A second start hands its list file to the running copy and ends: two would run every task
  // twice.
  zorvat::SingleInstance instance(zorvat::kInstanceName);
  const std::string listFile = zorvat::ListFileArgument(GetCommandLineW());
  if (!instance.First()) {
    if (instance.HandOver(listFile)) {
      return 0;
    }
    MessageBoxW(nullptr, zorvat::Widen(zorvat::HandOverFailedMessage(listFile)).c_str(),
                L"Brumsel! Zorvat", MB_OK | MB_ICONERROR);
    return 1;
  }
  // From the first moment: a box of the start must not make a later start give up.
  instance.Listen();
  try {
    return zorvat::Run(instance, listFile);
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, zorvat::Widen(error.what()).c_str(), L"Brumsel! Zorvat",
                MB_OK | MB_ICONERROR);
    return 1;
  }
}
