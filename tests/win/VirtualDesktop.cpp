#include "win/VirtualDesktop.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>

#include "win/WinTestSupport.h"

namespace zorvat::testing {
namespace {

constexpr DWORD kStartTimeout = 15000;

// Each thread opens the desktop itself: Wine closes a thread's desktop handle when the thread
// ends.
void OnDesktop(const std::wstring& name, const std::function<void()>& work) {
  std::thread thread([&] {
    const HDESK desktop = OpenDesktopW(name.c_str(), 0, FALSE, GENERIC_ALL);
    if (desktop && SetThreadDesktop(desktop)) {
      work();
    } else {
      ADD_FAILURE() << "cannot enter the virtual desktop: error " << GetLastError();
    }
  });
  thread.join();
}

}  // namespace

std::unique_ptr<VirtualDesktop> VirtualDesktop::Start(const std::wstring& name) {
  std::wstring command = L"explorer.exe /desktop=" + name + L",800x600";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return nullptr;
  }
  const bool opened = WaitFor(
      [&] {
        const HDESK desktop = OpenDesktopW(name.c_str(), 0, FALSE, GENERIC_ALL);
        return desktop && CloseDesktop(desktop);
      },
      kStartTimeout);
  std::unique_ptr<VirtualDesktop> started(new VirtualDesktop(process, opened ? name : L""));
  if (!opened) {
    return nullptr;
  }
  bool hasTaskbar = false;
  OnDesktop(name, [&] {
    hasTaskbar =
        WaitFor([] { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }, kStartTimeout);
  });
  return hasTaskbar ? std::move(started) : nullptr;
}

VirtualDesktop::VirtualDesktop(PROCESS_INFORMATION process, std::wstring name)
    : process_(process), name_(std::move(name)) {}

VirtualDesktop::~VirtualDesktop() {
  if (!name_.empty()) {
    // The desktop's explorer ends when its desktop window is closed.
    OnDesktop(name_, [] { PostMessageW(GetDesktopWindow(), WM_CLOSE, 0, 0); });
  }
  if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

void VirtualDesktop::Run(const std::function<void()>& work) const {
  OnDesktop(name_, work);
}

}  // namespace zorvat::testing
