#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace zorvat {

class Prompts;
class Scheduler;
class SchedulerTimers;

// The scheduler's five window timers, in the order of the table below.
enum class SchedulerTimer {
  Scan,     // scans the lists for events about to fall due; the active switch runs it
  Hot,      // hands due hot entries on to the execute stack
  Execute,  // runs waiting tasks
  Play,     // plays an alert's sound on to its repeat count
  Blink,    // blinks the taskbar after an alert
};

struct SchedulerTimerEntry {
  SchedulerTimer timer;
  std::uintptr_t id;       // the window timer's id, for SetTimer and WM_TIMER
  std::uint32_t interval;  // milliseconds; the scan timer's until its first tick
  bool fromStart;          // runs from start to exit; the others are started by the scheduler
};

inline constexpr std::array<SchedulerTimerEntry, 5> kSchedulerTimers{{
    {SchedulerTimer::Scan, 101, 5000, false},
    {SchedulerTimer::Hot, 102, 500, true},
    {SchedulerTimer::Execute, 103, 1000, true},
    {SchedulerTimer::Play, 104, 1000, false},
    {SchedulerTimer::Blink, 105, 1500, false},
}};

constexpr const SchedulerTimerEntry& EntryOf(SchedulerTimer timer) {
  return kSchedulerTimers[static_cast<std::size_t>(timer)];
}

// Starts the timers that run from start to exit.
void StartTimersRunningFromStart(SchedulerTimers& timers);

// The scheduler timer with this window timer id; nothing for any other id.
std::optional<SchedulerTimer> SchedulerTimerWithId(std::uintptr_t id);

// The scan timer's period for the live main timer period: 0 would never tick again (the first
// interval is kept), and more than a minute would skip minutes.
std::uint32_t ScanPeriod(std::uint16_t mainTimerPeriod);

// Runs the timer's handler. A zorvat::Error ends the tick and is shown in the error box, once;
// the timer's ticks are skipped while that box is open. Anything else is not caught here.
void DispatchSchedulerTick(Scheduler& scheduler, SchedulerTimer timer, Prompts& errors);

}  // namespace zorvat
