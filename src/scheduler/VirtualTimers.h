#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "base/Clock.h"
#include "base/Prompts.h"
#include "scheduler/SchedulerTimers.h"

namespace zorvat {

class Scheduler;

// Shows a virtual instant, milliseconds since 1970-01-01 UTC, as local date and time.
using LocalTimeOf = std::function<DateTime(std::int64_t utcMilliseconds)>;
// Local time equal to UTC.
DateTime UtcAsLocal(std::int64_t utcMilliseconds);

// The scheduler's five window timers on a virtual timeline: time jumps from tick to tick, so a
// dry run covers days in milliseconds. Each tick may come late by a random delay of up to the
// jitter; a late tick does not delay the ones after it.
class VirtualTimers final : public SchedulerTimers {
 public:
  struct Options {
    std::int64_t startMs = 0;  // UTC
    LocalTimeOf localTime = UtcAsLocal;
    bool active = true;  // the active switch: `Timer` runs
    std::uint32_t jitterMs = 0;
    std::uint32_t seed = 1;
  };

  explicit VirtualTimers(Options options);

  const Clock& clock() const { return clock_; }
  std::int64_t nowMs() const { return clock_.utcMs; }

  // Dispatches every tick up to and including `endMs`, as the window's timer dispatch does:
  // an error ends its handler and is shown in the application's error box.
  void Run(Scheduler& scheduler, std::int64_t endMs, Prompts& errorBox);

  void SetTimerInterval(std::uint32_t milliseconds) override;
  void StartPlayTimer() override;
  void StopPlayTimer() override;
  void StartWTBlinker() override;
  void StopWTBlinker() override;

 private:
  enum Id { kTimer, kHotTimer, kExecTimer, kPlayTimer, kWTBlinker, kTimerCount };
  struct Ticking {
    bool running = false;
    std::uint32_t interval = 0;
    std::int64_t nominal = 0;  // when it is due without delay
    std::int64_t due = 0;      // when it comes
  };
  class VirtualClock final : public Clock {
   public:
    DateTime Now() const override { return localTime(utcMs); }
    std::int64_t utcMs = 0;
    LocalTimeOf localTime;
  };

  void Arm(Id id, std::uint32_t interval);
  void Reschedule(Ticking& t);
  std::int64_t Delay();
  static void Dispatch(Id id, Scheduler& scheduler);

  VirtualClock clock_;
  std::array<Ticking, kTimerCount> timers_{};
  std::uint32_t jitterMs_;
  std::mt19937 random_;
};

}  // namespace zorvat
