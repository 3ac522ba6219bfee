#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Prompts.h"
#include "events/EventLists.h"
#include "scheduler/AlertPlayback.h"
#include "scheduler/ExecuteStack.h"
#include "scheduler/HotStack.h"
#include "scheduler/SchedulerTimers.h"
#include "scheduler/Shell.h"
#include "scheduler/SoundPlayer.h"
#include "scheduler/TaskActions.h"
#include "scheduler/TaskLog.h"
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
};

// The handlers of the scheduler's timers and the two stacks between them. The lists and the live
// settings belong to the main window and are read as they are at each tick.
//
// Every handler may run nested inside a box that another one opened; each marks its work taken
// before it shows anything.
class Scheduler {
 public:
  // `Timer` has this interval until its first tick sets the live period.
  static constexpr std::uint32_t kFirstTimerInterval = 5000;
  // An entry whose instant is further behind than this is given up.
  static constexpr std::int64_t kMaxLateness = 60'000;

  Scheduler(const EventLists& lists, const LiveSettings& settings, SchedulerPorts ports);
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  void TimerTimer();
  void HotTimerTimer();
  void ExecTimerTimer();
  void PlayTimerTimer() { alert_.PlayTimerTimer(); }
  void WTBlinkerTimer() { alert_.WTBlinkerTimer(); }

  void AddToHotStack(std::uint8_t command, const std::string& operator1,
                     const std::string& operator2, DateTime time, std::uint8_t query);
  // False when all six slots wait; the caller keeps the task then.
  bool AddToExecuteStack(const TWaitingTask& task);
  void RunTask(std::size_t slot);

  const HotStack& hotStack() const { return hot_; }
  const ExecuteStack& executeStack() const { return exec_; }
  const AlertPlayback& alert() const { return alert_; }
  std::uint32_t timerInterval() const { return timerInterval_; }

 private:
  void ArmTimer();
  void HandOn(std::size_t entry, DateTime now);
  void DropRefused(DateTime now);
  void Report(TaskEvent what, DateTime due, std::uint8_t command, const std::string& operator1,
              const std::string& operator2);

  const EventLists& lists_;
  const LiveSettings& settings_;
  SchedulerPorts ports_;
  HotStack hot_;
  ExecuteStack exec_;
  AlertPlayback alert_;
  TaskActions actions_;
  std::uint32_t timerInterval_ = kFirstTimerInterval;
  // Occurrences turned away by a full hot stack: dropped when their window has passed unfilled.
  std::vector<THotEv> refused_;
};

}  // namespace zorvat
