#pragma once

#include <windows.h>

#include <vector>

#include "ui/Window.h"

namespace zorvat::ui {

// The hidden top-level window that owns the main window and every dialog. Owned windows get no
// taskbar button, and this one is never shown, so the program has none; minimizing the
// application hides every window it owns until it is restored.
class ApplicationWindow final : public Window {
 public:
  explicit ApplicationWindow(Prompts& errors);
  ~ApplicationWindow() override { Destroy(); }
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;

  // Keeps the window (and with it a taskbar button) hidden; the main window's clock tick calls
  // it, as the shell or another program may have shown it.
  void KeepHidden();
  void Minimize();
  void Restore();
  bool Minimized() const { return minimized_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<HWND> hidden_;  // the owned windows Minimize() hid, shown again by Restore()
  bool minimized_ = false;
};

}  // namespace zorvat::ui
