// Zorvat.exe: the application window, the main window over the list document and the live
// settings from Zorvat.ini beside the program, and the message loop.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "base/Error.h"
#include "events/ListDocument.h"
#include "events/StartupList.h"
#include "platform/MciSoundPlayer.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/ProgramFile.h"
#include "platform/ShellKitShell.h"
#include "platform/SystemClock.h"
#include "platform/UserRegionalFormats.h"
#include "platform/Win32FileDialogs.h"
#include "scheduler/Scheduler.h"
#include "scheduler/SchedulerTimerTable.h"
#include "settings/LiveSettings.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsStore.h"
#include "shellkit/WideText.h"
#include "ui/ApplicationWindow.h"
#include "ui/MainWindow.h"
#include "ui/WindowTimers.h"

namespace zorvat {
namespace {

// Keyboard shortcuts go to the main window, except Del inside the command line's edit box.
bool TranslateShortcut(const MSG& message, HWND main, HACCEL shortcuts) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_DELETE) {
    wchar_t className[16] = {};
    GetClassNameW(GetFocus(), className, 16);
    if (lstrcmpiW(className, L"Edit") == 0) {
      return false;
    }
  }
  return TranslateAcceleratorW(main, shortcuts, const_cast<MSG*>(&message)) != 0;
}

int Run() {
  const std::string folder = ProgramFolderOf(ProgramFilePath());
  SystemClock clock;
  ui::MainWindow* main = nullptr;
  const auto owner = [&main] { return main ? main->Handle() : nullptr; };
  MessageBoxPrompts prompts(owner);
  Win32FileDialogs dialogs(owner);
  SettingsFile settings(folder);
  LiveSettings live;
  try {
    LoadLiveSettings(settings, live);
  } catch (const Error& error) {
    prompts.ShowError(error.what());
  }
  const RegionalFormats formats = ReadUserRegionalFormats();
  ListDocument document(prompts, dialogs, clock, formats, folder);
  OpenStartupList(settings, document);

  ShellKitShell shell;
  MciSoundPlayer sound;
  ui::WindowTimers timers;
  // Made once the window exists, whose timers it arms.
  std::unique_ptr<Scheduler> scheduler;

  ui::ApplicationWindow application(prompts);
  ui::MainWindowSetup setup{document, live, clock, formats};
  setup.programFolder = folder;
  setup.leftColumnWidth = settings.Read(keys::kZorvatChoiceWidth);
  setup.active = settings.Read(keys::kActiveAtStartUp);
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
  ui::MainWindow window(application, prompts, setup);
  main = &window;
  timers.Attach(window.Handle());
  scheduler = std::make_unique<Scheduler>(
      document.Lists(), live, SchedulerPorts{clock, prompts, shell, sound, timers, [&settings] {
                                               return settings.Read(keys::kAlertMode);
                                             }});
  timers.StartAlwaysRunning();
  scheduler->SetActive(window.Active());
  ShowWindow(window.Handle(), SW_SHOW);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!TranslateShortcut(message, window.Handle(), window.Accelerators())) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
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
  try {
    return zorvat::Run();
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, zorvat::Widen(error.what()).c_str(), L"Brumsel! Zorvat",
                MB_OK | MB_ICONERROR);
    return 1;
  }
}
