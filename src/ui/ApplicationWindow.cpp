#include "ui/ApplicationWindow.h"

#include <cstdint>
#include <new>

#include "base/Error.h"
#include "shellkit/ShellWindows.h"
#include "shellkit/WideText.h"

namespace zorvat::ui {

ApplicationWindow::ApplicationWindow(Prompts& errors) : Window(errors) {
  Create(L"ZorvatApplication", 0, Widen(kApplicationTitle).c_str(),
         WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, RECT{0, 0, 0, 0}, nullptr);
}

void ApplicationWindow::KeepHidden() {
  shellkit::ShellWindowControl(8, 1, reinterpret_cast<std::intptr_t>(Handle()));
}

void ApplicationWindow::Minimize() {
  if (minimized_) {
    return;
  }
  minimized_ = true;
  hidden_.clear();
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM self) noexcept -> BOOL {
        auto* application = reinterpret_cast<ApplicationWindow*>(self);
        if (GetWindow(window, GW_OWNER) == application->Handle() && IsWindowVisible(window)) {
          try {
            application->hidden_.push_back(window);
          } catch (const std::bad_alloc&) {
            return FALSE;  // the windows found so far are hidden
          }
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
  for (const HWND window : hidden_) {
    ShowWindow(window, SW_HIDE);
  }
}

void ApplicationWindow::Restore() {
  if (!minimized_) {
    return;
  }
  minimized_ = false;
  for (const HWND window : hidden_) {
    if (IsWindow(window)) {
      ShowWindow(window, SW_SHOW);
    }
  }
  if (!hidden_.empty() && IsWindow(hidden_.front())) {
    SetForegroundWindow(hidden_.front());
  }
  hidden_.clear();
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

}  // namespace zorvat::ui
