#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Prompts.h"
#include "events/EventLists.h"
#include "scheduler/AlertPlayback.h"
#include "scheduler/CatchUpPorts.h"
#include "scheduler/DueScan.h"
#include "scheduler/ExecuteStack.h"
#include "scheduler/HandledStamp.h"
#include "scheduler/HotStack.h"
#include "scheduler/Occurrences.h"
#include "scheduler/SchedulerTimers.h"
#include "scheduler/Shell.h"
#include "scheduler/SoundPlayer.h"
#include "scheduler/TaskActions.h"
#include "scheduler/TaskLog.h"
#include "scheduler/TaskSet.h"
#include "settings/LiveSettings.h"

namespace zorvat {

struct SchedulerPorts {
  const Clock& clock;
  Prompts& prompts;
  Shell& shell;
  SoundPlayer& sound;
  SchedulerTimers& timers;
  AlertModeReader alertMode;
  TaskLog* log = nullptr;  // optional, not owned
  // Optional, not owned: where "handled up to" is kept, where missed events are shown, and the
  // timer that wakes the computer.
  StampStore* stamp = nullptr;
  MissedEventsView* missedView = nullptr;
  WakeAlarm* wake = nullptr;
};

// The handlers of the scheduler's timers and the two stacks between them. The lists and the live
// settings belong to the main window and are read as they are at each tick.
//
// Every handler may run nested inside a box that another one opened; each marks its work taken
// before it shows anything.
class Scheduler {
 public:
  // An entry whose instant is further behind than this is given up.
  static constexpr std::int64_t kMaxLateness = 60'000;
  // The hot timer beats this long after each half second, so an entry due at a whole second is
  // handed on, and started, within this of its second; a beat further off is put back.
  static constexpr std::int64_t kHotPhase = 20;
  static constexpr std::int64_t kHotDrift = 60;

  Scheduler(const EventLists& lists, const LiveSettings& settings, SchedulerPorts ports);
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;
  ~Scheduler() = default;

  void OnScanTick();
  void OnHotTick();
  void OnExecuteTick();
  void OnPlayTick() { alert_.OnPlayTick(); }
  void OnBlinkTick() { alert_.OnBlinkTick(); }
  // Leaving the program (or the session) while the taskbar blinks leaves it shown.
  void StopBlinking() { alert_.StopBlinking(); }

  // The active switch: on arms the scan timer afresh with its current period, which is always
  // the clamped one (see ScanPeriod); off stops it. The hot and execute timers run on. The wake
  // timer follows at once.
  void SetActive(bool active);
  bool Active() const { return active_; }

  // `task.time` is the occurrence's instant.
  void AddToHotStack(const Task& task);
  // False when all six slots wait; the caller keeps the task then. The task runs at the next
  // execute tick.
  bool AddToExecuteStack(const Task& task);
  void RunTask(std::size_t slot);

  // Events missed while the computer slept or Zorvat was not running. A look that finds the
  // clock further ahead of the last one than a scan period allows lists what fell in between;
  // so does the start, from the stamp of the last run (nothing when there is none).
  void CatchUpSince(const std::optional<HandledStamp>& stamp);
  // The stamp of the last run, read at the start before anything ticks. Until the catch-up, a
  // stamp written keeps its mark and only adds what ran since: a box of the start may hold the
  // catch-up back, or an unreadable settings file skip it. What the last run handled is never
  // offered again, also by the scans before the catch-up.
  void KeepLastRun(const std::optional<HandledStamp>& stamp);
  // The stamp could not be read and the user was told: a refused write of it is not told again
  // until a write succeeds.
  void StampTroubleShown() { stampFailing_ = true; }
  // Writes the stamp now (suspend, exit, end of session): what has started counts as run, what
  // is only about to run or waits for an answer as not handled, so the next start runs or lists
  // it. A refused write throws, once until a write succeeds again.
  void SaveStamp();
  // A resume: looks at the clock at once rather than at the next tick.
  void OnResume();
  // Arms the wake timer at the next occurrence, or removes it when waking is off.
  void RefreshWake();
  const MissedEvents& Missed() const { return missed_; }
  void ClearMissed() { missed_.Clear(); }
  // Runs a missed alert, program start or file task now, asking first when its event asks;
  // false when it did not run (refused, answered No, or never run late).
  bool RunLate(std::size_t row);

  const HotStack& HotEntries() const { return hot_; }
  const ExecuteStack& ExecuteSlots() const { return exec_; }
  const AlertPlayback& Alert() const { return alert_; }
  std::uint32_t ScanInterval() const { return scanInterval_; }
  // Set while the timer's error box is open; the timer dispatch skips its ticks meanwhile.
  bool& ErrorBoxOpen(SchedulerTimer timer) {
    return errorBoxOpen_[static_cast<std::size_t>(timer)];
  }
  // A refused stamp write (once until a write succeeds again) or a task's failure, the oldest
  // first. Ticks leave them for their dispatch to show after them, one box at a time, so that
  // the box holds no timer: the tasks due meanwhile go on running.
  void RaisePendingFailure();
  bool& FailureBoxOpen() { return failureBoxOpen_; }

 private:
  void ArmScanTimer();
  void NoticeSkippedTime(DateTime now, bool scan);
  void RunSkipped(const DueWindow& skipped);
  void FollowHotStack(DateTime now, bool ticked);
  void FollowExecuteStack();
  void HandOn(std::size_t entry, DateTime now);
  void DropRefused(DateTime now);
  void Report(TaskEvent what, const Task& task);
  void NoticeGap(DateTime now);
  void CatchUp(std::int64_t fromMs, DateTime now);
  void AddMissed(EventKind kind, const Task& task, bool uncertain = false);
  void AddMissedEntry(const Task& task);
  void NotifyMissed();
  std::int64_t GapThreshold() const;
  std::int64_t Handled(DateTime now) const;
  void WriteStamp(DateTime now, bool orderly = false);
  HandledStamp StampOf(DateTime now, bool orderly);
  void RaiseStampFailure();
  void StampDueTasks(DateTime now);
  bool HandledBefore(const Task& task) const;
  bool InFlight(const Task& task) const;
  static bool Asks(const Task& task);
  bool Ask(const Task& task);
  void Carry(const Task& task);
  std::int64_t UtcMs(DateTime now) const;
  static std::int64_t Lateness(const Task& task, DateTime now) {
    return ToMilliseconds(now) - ToMilliseconds(task.time);
  }

  const EventLists& lists_;
  const LiveSettings& settings_;
  SchedulerPorts ports_;
  HotStack hot_;
  ExecuteStack exec_;
  AlertPlayback alert_;
  TaskActions actions_;
  bool active_ = false;
  std::uint32_t scanInterval_ = EntryOf(SchedulerTimer::Scan).interval;
  std::uint32_t hotInterval_ = 0;  // as armed; 0 while the hot timer stands still
  bool executeRunning_ = false;
  // Occurrences turned away by a full hot stack: dropped when their window has passed unfilled.
  std::vector<Task> refused_;
  std::array<bool, kSchedulerTimers.size()> errorBoxOpen_{};
  bool failureBoxOpen_ = false;
  // The clock as last seen, to notice the local times that summer time skips.
  std::optional<std::int64_t> lastOffset_;
  DateTime lastSeen_ = 0;
  // Every occurrence before this local instant was run, refused or given up.
  std::int64_t handledUpTo_ = 0;
  std::optional<std::int64_t> lastLookUtc_;  // to notice a gap: sleep, a stopped process
  // At or after handledUpTo_: started or declined (the fact), and about to start (the intent,
  // written ahead so that no task waits for the disk). Taken from the stamp too.
  TaskSet done_;
  TaskSet intended_;
  // Taken from the execute stack and not done yet: its question or its box is open.
  struct InFlightTask {
    Task task;
    bool started = false;
  };
  std::vector<InFlightTask> inFlight_;
  // The last run's: what it was about to start with no word that it did, listed at the catch-up
  // and never run again by itself; before the floor, what it or the start's catch-up dealt with.
  TaskSet lastIntended_;
  std::optional<std::int64_t> scanFloor_;
  std::optional<std::int64_t> stampWrittenUtc_;
  // Before the start has caught up from the last stamp, a stamp written keeps its mark: a tick
  // inside a box of the start would otherwise replace it, and what fell while Zorvat was closed
  // would be forgotten.
  bool caughtUp_ = false;
  std::optional<HandledStamp> lastRun_;
  std::optional<std::string> failureShown_;  // the failure whose box is open
  bool stampFailing_ = false;
  std::optional<std::string> stampFailure_;  // to show after the tick
  std::deque<std::string> taskFailures_;     // likewise
  MissedEvents missed_;
  bool missedAdded_ = false;
  std::optional<std::optional<DateTime>> wakeArmed_;  // as last armed: nothing, or an instant
};

}  // namespace zorvat
