#pragma once

#include <windows.h>

#include "scheduler/SchedulerTimers.h"

namespace zorvat::ui {

// The scheduler's timers as window timers of one window, by the ids of the core's timer table;
// their WM_TIMER messages go back to the scheduler through DispatchSchedulerTick.
class WindowTimers final : public SchedulerTimers {
 public:
  void Attach(HWND window) { window_ = window; }

  void Start(SchedulerTimer timer, std::uint32_t milliseconds) override;
  void Stop(SchedulerTimer timer) override;

 private:
  HWND window_ = nullptr;
};

}  // namespace zorvat::ui
