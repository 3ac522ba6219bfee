#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace zorvat {

class Prompts;
class Scheduler;

// The scheduler's five window timers, in the order of the table below.
enum class SchedulerTimer {
  Scan,     // scans the lists for events about to fall due; the active switch runs it
  Hot,      // hands due hot entries on to the execute stack
  Execute,  // runs waiting tasks
  Play,     // plays an alert's sound on to its repeat count
  Blink,    // blinks the taskbar after an alert
};

// Every timer is started and stopped by the scheduler, and runs only while it has work: the scan
// timer while the scheduler is active, the hot and execute timers while their stacks hold a
// waiting entry, the play and blink timers while an alert plays or blinks.
struct SchedulerTimerEntry {
  SchedulerTimer timer;
  std::uintptr_t id;       // the window timer's id, for SetTimer and WM_TIMER
  std::uint32_t interval;  // milliseconds; the scan timer's until its first tick
};

inline constexpr std::array<SchedulerTimerEntry, 5> kSchedulerTimers{{
    {SchedulerTimer::Scan, 101, 5000},
    {SchedulerTimer::Hot, 102, 500},
    {SchedulerTimer::Execute, 103, 1000},
    {SchedulerTimer::Play, 104, 1000},
    {SchedulerTimer::Blink, 105, 1500},
}};

constexpr const SchedulerTimerEntry& EntryOf(SchedulerTimer timer) {
  return kSchedulerTimers[static_cast<std::size_t>(timer)];
}

// The scheduler timer with this window timer id; nothing for any other id.
std::optional<SchedulerTimer> SchedulerTimerWithId(std::uintptr_t id);

// The scan timer's period for the live main timer period: 0 would never tick again (the first
// interval is kept), and more than a minute would skip minutes.
std::uint32_t ScanPeriod(std::uint16_t mainTimerPeriod);

// Runs the timer's handler. A zorvat::Error ends the tick and is shown in the error box, once;
// the timer's ticks are skipped while that box is open. A task's failure or a refused stamp
// write is shown after the tick, and its box holds no timer. Anything else is not caught here.
void DispatchSchedulerTick(Scheduler& scheduler, SchedulerTimer timer, Prompts& errors);

}  // namespace zorvat
