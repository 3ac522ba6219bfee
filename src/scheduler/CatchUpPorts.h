#pragma once

#include <optional>

#include "base/DateTime.h"

namespace zorvat {

// Where the events missed while the scheduler did not look are shown; it reads them from the
// scheduler (`Scheduler::Missed`).
class MissedEventsView {
 public:
  virtual ~MissedEventsView() = default;
  virtual void ShowMissed() = 0;
};

// A timer that wakes the computer from sleep: armed at a local instant, or none at all.
class WakeAlarm {
 public:
  virtual ~WakeAlarm() = default;
  virtual void Arm(std::optional<DateTime> at) = 0;
};

}  // namespace zorvat
