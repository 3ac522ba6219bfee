#include "scheduler/VirtualTimers.h"

#include <algorithm>
#include <utility>

#include "base/Error.h"
#include "scheduler/Scheduler.h"

namespace zorvat {
namespace {

constexpr std::int64_t kUnixEpochDay = 25569;  // 1970-01-01 counted from 1899-12-30

}  // namespace

DateTime UtcAsLocal(std::int64_t utcMilliseconds) {
  return FromMilliseconds(utcMilliseconds + kUnixEpochDay * 86'400'000);
}

VirtualTimers::VirtualTimers(Options options) : jitterMs_(options.jitterMs), random_(options.seed) {
  clock_.utcMs = options.startMs;
  clock_.localTime = std::move(options.localTime);
  Arm(kHotTimer, 500);
  Arm(kExecTimer, 1000);
  timers_[kTimer].interval = Scheduler::kFirstTimerInterval;
  if (options.active) {
    Arm(kTimer, Scheduler::kFirstTimerInterval);
  }
}

std::int64_t VirtualTimers::Delay() {
  if (jitterMs_ == 0) {
    return 0;
  }
  return std::uniform_int_distribution<std::int64_t>(0, jitterMs_)(random_);
}

void VirtualTimers::Arm(Id id, std::uint32_t interval) {
  Ticking& t = timers_[id];
  t.running = true;
  t.interval = interval;
  t.nominal = clock_.utcMs + interval;
  t.due = t.nominal + Delay();
}

// The next tick keeps to the timer's own beat; a tick that came later than a whole interval
// does not queue up the ones it overran.
void VirtualTimers::Reschedule(Ticking& t) {
  t.nominal = std::max(t.nominal + t.interval, clock_.utcMs);
  t.due = t.nominal + Delay();
}

void VirtualTimers::Run(Scheduler& scheduler, std::int64_t endMs, Prompts& errorBox) {
  for (;;) {
    const auto next = std::min_element(timers_.begin(), timers_.end(), [](auto& a, auto& b) {
      return a.running && (!b.running || a.due < b.due);
    });
    if (!next->running || next->due > endMs) {
      break;
    }
    clock_.utcMs = std::max(clock_.utcMs, next->due);
    Reschedule(*next);
    try {
      Dispatch(static_cast<Id>(next - timers_.begin()), scheduler);
    } catch (const Error& e) {
      errorBox.ShowError(e.what());
    }
  }
  clock_.utcMs = std::max(clock_.utcMs, endMs);
}

void VirtualTimers::Dispatch(Id id, Scheduler& scheduler) {
  switch (id) {
    case kTimer:
      scheduler.TimerTimer();
      break;
    case kHotTimer:
      scheduler.HotTimerTimer();
      break;
    case kExecTimer:
      scheduler.ExecTimerTimer();
      break;
    case kPlayTimer:
      scheduler.PlayTimerTimer();
      break;
    default:
      scheduler.WTBlinkerTimer();
      break;
  }
}

void VirtualTimers::SetTimerInterval(std::uint32_t milliseconds) {
  Arm(kTimer, milliseconds);
}

void VirtualTimers::StartPlayTimer() {
  Arm(kPlayTimer, 1000);
}

void VirtualTimers::StopPlayTimer() {
  timers_[kPlayTimer].running = false;
}

void VirtualTimers::StartWTBlinker() {
  Arm(kWTBlinker, 1500);
}

void VirtualTimers::StopWTBlinker() {
  timers_[kWTBlinker].running = false;
}

}  // namespace zorvat
