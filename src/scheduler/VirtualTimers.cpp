#include "scheduler/VirtualTimers.h"

#include <algorithm>
#include <utility>

#include "scheduler/Scheduler.h"

namespace zorvat {
namespace {

constexpr std::int64_t kUnixEpochDay = 25569;  // 1970-01-01 counted from 1899-12-30

}  // namespace

DateTime UtcAsLocal(std::int64_t utcMilliseconds) {
  return FromMilliseconds(utcMilliseconds + kUnixEpochDay * 86'400'000);
}

std::int64_t VirtualTimers::VirtualClock::UtcOffset() const {
  return ToMilliseconds(localTime(utcMs)) - (utcMs + kUnixEpochDay * 86'400'000);
}

VirtualTimers::VirtualTimers(Options options)
    : nowMs_(options.startMs), jitterMs_(options.jitterMs), random_(options.seed) {
  clock_.utcMs = options.startMs;
  clock_.localTime = std::move(options.localTime);
}

VirtualTimers::VirtualTimers(ManualClock& clock) : driven_(&clock), jitterMs_(0), random_(1) {}

void VirtualTimers::MoveTo(std::int64_t ms) {
  if (ms <= nowMs_) {
    return;
  }
  if (driven_ != nullptr) {
    driven_->Advance(ms - nowMs_);
  }
  nowMs_ = ms;
  clock_.utcMs = ms;
}

std::int64_t VirtualTimers::Delay() {
  if (jitterMs_ == 0) {
    return 0;
  }
  return std::uniform_int_distribution<std::int64_t>(0, jitterMs_)(random_);
}

void VirtualTimers::Start(SchedulerTimer timer, std::uint32_t milliseconds) {
  Ticking& t = timers_[static_cast<std::size_t>(timer)];
  t.running = true;
  t.interval = milliseconds;
  t.nominal = nowMs_ + milliseconds;
  t.due = t.nominal + Delay();
}

void VirtualTimers::Stop(SchedulerTimer timer) {
  timers_[static_cast<std::size_t>(timer)].running = false;
}

void VirtualTimers::SwitchActiveAt(std::int64_t utcMs, bool active) {
  switches_.emplace(utcMs, active);
}

void VirtualTimers::SleepBetween(std::int64_t fromMs, std::int64_t toMs) {
  sleeps_.emplace_back(fromMs, toMs);
}

// The next tick keeps to the timer's own beat; a tick that came later than a whole interval
// does not queue up the ones it overran.
void VirtualTimers::Reschedule(Ticking& t) {
  t.nominal = std::max(t.nominal + t.interval, nowMs_);
  t.due = t.nominal + Delay();
}

void VirtualTimers::Run(Scheduler& scheduler, std::int64_t endMs, Prompts& errorBox) {
  for (;;) {
    const auto next = std::min_element(timers_.begin(), timers_.end(), [](auto& a, auto& b) {
      return a.running && (!b.running || a.due < b.due);
    });
    const bool ticks = next->running && next->due <= endMs;
    // A switch may stop or re-arm any timer, so the next tick is looked for again after it.
    if (!switches_.empty() && switches_.begin()->first <= (ticks ? next->due : endMs)) {
      const auto [at, active] = *switches_.begin();
      switches_.erase(switches_.begin());
      MoveTo(at);
      scheduler.SetActive(active);
      continue;
    }
    if (!ticks) {
      break;
    }
    const auto asleep = std::find_if(sleeps_.begin(), sleeps_.end(), [&](const auto& sleep) {
      return next->due >= sleep.first && next->due < sleep.second;
    });
    if (asleep != sleeps_.end()) {
      next->due = asleep->second;
      next->nominal = std::max(next->nominal, asleep->second);
      continue;
    }
    MoveTo(next->due);
    Reschedule(*next);
    DispatchSchedulerTick(scheduler, static_cast<SchedulerTimer>(next - timers_.begin()), errorBox);
  }
  MoveTo(endMs);
}

}  // namespace zorvat
