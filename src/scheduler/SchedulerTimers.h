#pragma once

#include <cstdint>

#include "scheduler/SchedulerTimerTable.h"

namespace zorvat {

// Arming of the scheduler's window timers, as the scheduler's handlers and its active switch do
// it; the owner of the timers only follows.
class SchedulerTimers {
 public:
  virtual ~SchedulerTimers() = default;

  // Arms the timer, or re-arms a running one: its next tick comes `milliseconds` from now, and
  // every interval after.
  virtual void Start(SchedulerTimer timer, std::uint32_t milliseconds) = 0;
  virtual void Stop(SchedulerTimer timer) = 0;
};

}  // namespace zorvat
