#pragma once

#include <windows.h>

#include <map>

#include "scheduler/SchedulerTimers.h"

namespace zorvat::ui {

// The scheduler's timers as window timers of one window, by the ids of the core's timer table;
// their WM_TIMER messages go back to the scheduler through DispatchSchedulerTick. A timer
// started before there is a window waits, and starts when the window is attached.
class WindowTimers final : public SchedulerTimers {
 public:
  // Null detaches: the window is going.
  void Attach(HWND window);

  void Start(SchedulerTimer timer, std::uint32_t milliseconds) override;
  void Stop(SchedulerTimer timer) override;

 private:
  HWND window_ = nullptr;
  std::map<UINT_PTR, UINT> waiting_;  // id, interval
};

}  // namespace zorvat::ui
