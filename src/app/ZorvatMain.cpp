// Zorvat.exe: one copy at a time, then the program (app/Program.h).
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <string>

#include "app/Program.h"
#include "base/Error.h"
#include "events/EventMessages.h"
#include "platform/SingleInstance.h"
#include "shellkit/WideText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
  InitCommonControlsEx(&controls);
  // A second start hands its list file to the running copy and ends: two would run every task
  // twice.
  const std::wstring title = zorvat::Widen(zorvat::kApplicationTitle);
  // The running copy is found by the product's title.
  zorvat::SingleInstance instance(title);
  const std::string listFile = zorvat::ListFileArgument(GetCommandLineW());
  if (!instance.First()) {
    if (instance.HandOver(listFile)) {
      return 0;
    }
    MessageBoxW(nullptr, zorvat::Widen(zorvat::HandOverFailedMessage(listFile)).c_str(),
                title.c_str(), MB_OK | MB_ICONERROR);
    return 1;
  }
  // From the first moment: a box of the start must not make a later start give up.
  instance.Listen();
  try {
    zorvat::Program program(listFile);
    return program.Run(instance);
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, zorvat::Widen(error.what()).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    return 1;
  }
}
