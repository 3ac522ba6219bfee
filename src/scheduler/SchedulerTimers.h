#pragma once

#include <cstdint>

namespace zorvat {

// Arming of the scheduler's window timers. `HotTimer` and `ExecTimer` run from start to exit and
// the active switch starts and stops `Timer`; these are the changes the handlers make themselves.
class SchedulerTimers {
 public:
  virtual ~SchedulerTimers() = default;

  // Re-arms `Timer`: its next tick comes `milliseconds` from now, and every interval after.
  virtual void SetTimerInterval(std::uint32_t milliseconds) = 0;
  // Start is never called while the timer runs, so a running count is never restarted.
  virtual void StartPlayTimer() = 0;
  virtual void StopPlayTimer() = 0;
  virtual void StartWTBlinker() = 0;
  virtual void StopWTBlinker() = 0;
};

}  // namespace zorvat
