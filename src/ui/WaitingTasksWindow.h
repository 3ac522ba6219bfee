#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <utility>

#include "base/ModalGate.h"
#include "base/Prompts.h"
#include "base/RegionalFormats.h"
#include "scheduler/ExecuteStack.h"
#include "scheduler/HotStack.h"
#include "shellkit/Handles.h"
#include "ui/Dpi.h"
#include "ui/Window.h"

namespace zorvat::ui {

// The waiting-tasks window: the hot stack on one page, the execute stack on the other, both
// read afresh every 2.5 s while the window is open. Not modal; it never changes the stacks. Its
// keys are its own (Esc closes it, Tab moves through it), its box opens through the gate, and
// its times follow the regional formats it is given, which their owner keeps up to date.
class WaitingTasksWindow final : public Window {
 public:
  static constexpr UINT_PTR kRefreshTimer = 1;
  static constexpr UINT kRefreshInterval = 2500;
  static constexpr int kOkayButton = 100;

  WaitingTasksWindow(HWND owner, ModalGate& gate, Prompts& prompts, const HotStack& hot,
                     const ExecuteStack& execute, const RegionalFormats& formats);
  ~WaitingTasksWindow() override;
  WaitingTasksWindow(const WaitingTasksWindow&) = delete;
  WaitingTasksWindow& operator=(const WaitingTasksWindow&) = delete;

  // Opens the window with fresh rows, or brings it forward when it is open.
  void Open();
  void Close();
  // A few words the caption adds while they are not empty ("2 missed events").
  void SetNote(std::function<std::string()> note) { note_ = std::move(note); }

  HWND HotList() const { return lists_[0]; }
  HWND ExecuteList() const { return lists_[1]; }
  HWND Tabs() const { return tabs_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void ApplyFontAndLayout();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void Refresh();
  void ShowPage(int page);
  void OnHotListClick();

  ModalGate& gate_;
  Prompts& prompts_;
  const HotStack& hot_;
  const ExecuteStack& execute_;
  const RegionalFormats& formats_;
  Dpi dpi_;
  shellkit::Font font_;
  HWND tabs_ = nullptr;
  std::array<HWND, 2> lists_{};
  HWND rule_ = nullptr;
  HWND okay_ = nullptr;
  std::function<std::string()> note_;
};

}  // namespace zorvat::ui
