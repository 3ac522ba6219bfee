#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <utility>
#include <vector>

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
// jitter; a late tick does not delay the ones after it. The scheduler arms them all, and only
// a timer it armed ticks.
class VirtualTimers final : public SchedulerTimers {
 public:
  struct Options {
    std::int64_t startMs = 0;  // UTC
    LocalTimeOf localTime = UtcAsLocal;
    std::uint32_t jitterMs = 0;
    std::uint32_t seed = 1;
  };

  // On a clock of their own that counts UTC milliseconds from options.startMs.
  explicit VirtualTimers(Options options);
  // On the tick count from 0, moving `clock` forward by as much as it counts: a test may still
  // set the clock's date, time and zone as a user sets the computer's, which moves no timer.
  explicit VirtualTimers(ManualClock& clock);
  VirtualTimers(const VirtualTimers&) = delete;
  VirtualTimers& operator=(const VirtualTimers&) = delete;
  ~VirtualTimers() override = default;

  const Clock& LocalClock() const { return driven_ ? static_cast<const Clock&>(*driven_) : clock_; }
  // UTC milliseconds on a clock of their own, else the tick count.
  std::int64_t NowMs() const { return nowMs_; }

  // Flips the scheduler's active switch at `utcMs` of a later Run, before the ticks due then.
  void SwitchActiveAt(std::int64_t utcMs, bool active);

  // The computer sleeps from `fromMs` to `toMs` (UTC): the ticks due then all come at its end.
  void SleepBetween(std::int64_t fromMs, std::int64_t toMs);

  // Dispatches every tick up to and including `endMs` through DispatchSchedulerTick, as the
  // window's WM_TIMER does.
  void Run(Scheduler& scheduler, std::int64_t endMs, Prompts& errorBox);

  void Start(SchedulerTimer timer, std::uint32_t milliseconds) override;
  void Stop(SchedulerTimer timer) override;

 private:
  struct Ticking {
    bool running = false;
    std::uint32_t interval = 0;
    std::int64_t nominal = 0;  // when it is due without delay
    std::int64_t due = 0;      // when it comes
  };
  class VirtualClock final : public Clock {
   public:
    DateTime Now() const override { return localTime(utcMs); }
    std::int64_t UtcOffset() const override;
    std::int64_t utcMs = 0;
    LocalTimeOf localTime;
  };

  void Reschedule(Ticking& t);
  std::int64_t Delay();
  void MoveTo(std::int64_t ms);

  VirtualClock clock_;
  ManualClock* driven_ = nullptr;
  std::int64_t nowMs_ = 0;
  std::array<Ticking, kSchedulerTimers.size()> timers_{};
  std::multimap<std::int64_t, bool> switches_;  // by instant, in the order given
  std::vector<std::pair<std::int64_t, std::int64_t>> sleeps_;
  std::uint32_t jitterMs_;
  std::mt19937 random_;
};

}  // namespace zorvat
