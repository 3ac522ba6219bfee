#pragma once

#include <optional>

#include "scheduler/CatchUpPorts.h"
#include "shellkit/Handles.h"

namespace zorvat {

// One waitable timer that wakes the computer from sleep at the next event. Disarmed, the timer
// is closed: no timer exists while waking is off.
class WakeTimer final : public WakeAlarm {
 public:
  void Arm(std::optional<DateTime> at) override;

 private:
  shellkit::KernelHandle timer_;
};

}  // namespace zorvat
