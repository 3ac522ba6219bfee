#include "scheduler/SchedulerTimerTable.h"

#include <algorithm>

#include "base/ErrorBoundary.h"
#include "scheduler/Scheduler.h"
#include "scheduler/SchedulerTimers.h"

namespace zorvat {

std::optional<SchedulerTimer> SchedulerTimerWithId(std::uintptr_t id) {
  for (const SchedulerTimerEntry& entry : kSchedulerTimers) {
    if (entry.id == id) {
      return entry.timer;
    }
  }
  return std::nullopt;
}

std::uint32_t ScanPeriod(std::uint16_t mainTimerPeriod) {
  constexpr std::uint32_t kLongest = 60'000;
  if (mainTimerPeriod == 0) {
    return EntryOf(SchedulerTimer::Scan).interval;
  }
  return std::min<std::uint32_t>(mainTimerPeriod, kLongest);
}

void DispatchSchedulerTick(Scheduler& scheduler, SchedulerTimer timer, Prompts& errors) {
  RunTickShowingErrors(errors, scheduler.ErrorBoxOpen(timer), [&scheduler, timer] {
    switch (timer) {
      case SchedulerTimer::Scan:
        scheduler.OnScanTick();
        break;
      case SchedulerTimer::Hot:
        scheduler.OnHotTick();
        break;
      case SchedulerTimer::Execute:
        scheduler.OnExecuteTick();
        break;
      case SchedulerTimer::Play:
        scheduler.OnPlayTick();
        break;
      case SchedulerTimer::Blink:
        scheduler.OnBlinkTick();
        break;
    }
  });
  RunTickShowingErrors(errors, scheduler.FailureBoxOpen(),
                       [&scheduler] { scheduler.RaisePendingFailure(); });
}

}  // namespace zorvat
