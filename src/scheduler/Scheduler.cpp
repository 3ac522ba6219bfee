#include "scheduler/Scheduler.h"

#include <algorithm>
#include <map>
#include <utility>

#include "base/Error.h"
#include "base/ScopeGuard.h"
#include "events/EventRecord.h"
#include "scheduler/DueScan.h"
#include "scheduler/TaskMessages.h"

namespace zorvat {
namespace {

// Without a task that ran, the stamp is written at most this often: a crash loses no more.
constexpr std::int64_t kStampInterval = std::int64_t{5} * 60'000;
// Summer time moves the clock by one hour, two at the most; more is a change of time zone.
constexpr std::int64_t kLongestSummerShift = std::int64_t{2} * 3'600'000;

}  // namespace

Scheduler::Scheduler(const EventLists& lists, const LiveSettings& settings, SchedulerPorts ports)
    : lists_(lists),
      settings_(settings),
      ports_(std::move(ports)),
      alert_(settings,
             {ports_.sound, ports_.shell, ports_.prompts, ports_.timers, ports_.alertMode}),
      actions_(ports_.shell, ports_.prompts, alert_) {}

void Scheduler::OnScanTick() {
  ArmScanTimer();
  NoticeGap(ports_.clock.Now());
  NoticeSkippedTime(ports_.clock.Now(), true);
  ScanDueEvents(lists_, settings_, ports_.clock.Now(),
                [this](const EventRecord& record, DateTime instant) {
                  Task task = record.task;
                  task.time = instant;
                  AddToHotStack(task);
                });
  const DateTime now = ports_.clock.Now();
  if (!stampWrittenUtc_ || UtcMs(now) - *stampWrittenUtc_ >= kStampInterval) {
    WriteStamp(now);
  }
  RefreshWake();
  NotifyMissed();
}

std::int64_t Scheduler::UtcMs(DateTime now) const {
  return ToMilliseconds(now) - ports_.clock.UtcOffset();
}

void Scheduler::RaisePendingFailure() {
  failureShown_.reset();  // the last box is closed: the dispatch calls only then
  RaiseStampFailure();
  if (!taskFailures_.empty()) {
    failureShown_ = std::move(taskFailures_.front());
    taskFailures_.pop_front();
    throw Error(*failureShown_);
  }
}

// When summer time begins the clock jumps ahead: the local times in between do not exist that
// day. Their occurrences run once, right after the jump, in list order; those already waiting
// are moved there too, rather than given up as missed.
void Scheduler::NoticeSkippedTime(DateTime now, bool scan) {
  const std::int64_t offset = ports_.clock.UtcOffset();
  const std::int64_t nowMs = ToMilliseconds(now);
  if (lastOffset_ && offset > *lastOffset_) {
    const std::int64_t skipped = offset - *lastOffset_;
    // Zones change on a whole minute; it lies after the last look.
    const std::int64_t minute = nowMs - ((nowMs % 60'000) + 60'000) % 60'000;
    const std::int64_t jumpEnd = minute > ToMilliseconds(lastSeen_) + skipped ? minute : nowMs;
    if (skipped > kLongestSummerShift) {
      // Hours of tasks at once, an end of the session among them, would run nobody knows what:
      // they are listed, as after a sleep.
      if (scan) {
        CatchUp(jumpEnd - skipped, now);
      }
    } else if (scan) {
      RunSkipped({jumpEnd - skipped, jumpEnd});
    } else {
      // Without scanning only what already waits moves.
      for (std::size_t i = 0; i < HotStack::kSize; ++i) {
        const Task task = hot_[i].task;
        const std::int64_t instant = ToMilliseconds(task.time);
        if (hot_[i].waiting && instant >= jumpEnd - skipped && instant < jumpEnd) {
          hot_.Retime(task, FromMilliseconds(jumpEnd));
        }
      }
    }
  }
  lastOffset_ = offset;
  lastSeen_ = now;
}

// Each instant of the skipped hour gets one of its own right after the jump, a millisecond
// apart, so that equal tasks at different times each run, and an occurrence given twice once.
void Scheduler::RunSkipped(const DueWindow& skipped) {
  std::map<std::int64_t, std::int64_t> moved;  // instant in the skipped hour -> after the jump
  ScanWindow(lists_, settings_, skipped, [&](const EventRecord& record, DateTime instant) {
    Task task = record.task;
    task.time = instant;
    const auto [at, added] = moved.try_emplace(
        ToMilliseconds(instant), skipped.to + static_cast<std::int64_t>(moved.size()));
    const DateTime afterJump = FromMilliseconds(at->second);
    if (!hot_.Retime(task, afterJump)) {
      task.time = afterJump;
      AddToHotStack(task);
    }
  });
}

void Scheduler::ArmScanTimer() {
  const std::uint32_t interval = ScanPeriod(settings_.mainTimerPeriod);
  if (interval != scanInterval_) {
    scanInterval_ = interval;
    ports_.timers.Start(SchedulerTimer::Scan, interval);
  }
}

void Scheduler::SetActive(bool active) {
  if (active == active_) {
    return;
  }
  active_ = active;
  RefreshWake();
  if (active) {
    // What fell while the switch was off is not missed: nobody wanted it.
    const DateTime now = ports_.clock.Now();
    lastLookUtc_ = UtcMs(now);
    handledUpTo_ = std::max(handledUpTo_, ToMilliseconds(now));
    ports_.timers.Start(SchedulerTimer::Scan, scanInterval_);
  } else {
    ports_.timers.Stop(SchedulerTimer::Scan);
  }
}

void Scheduler::AddToHotStack(const Task& task) {
  if (HandledBefore(task)) {
    return;
  }
  const DateTime now = ports_.clock.Now();
  const HotStack::AddResult result = hot_.Add(task, now);
  const auto known = std::find_if(refused_.begin(), refused_.end(),
                                  [&](const Task& r) { return SameOccurrence(r, task); });
  if (result == HotStack::AddResult::Full && known == refused_.end()) {
    refused_.push_back(task);
  } else if (result == HotStack::AddResult::Filed && known != refused_.end()) {
    refused_.erase(known);
  }
  FollowHotStack(now, false);
}

// The hot timer beats at its interval while an entry waits or an occurrence was turned away,
// and stands still otherwise. Its beats keep to the half seconds (kHotPhase after each): the
// first beat of a run comes at the next one, and a beat that came off them is put back.
void Scheduler::FollowHotStack(DateTime now, bool ticked) {
  if (hot_.Waiting() == 0 && refused_.empty()) {
    if (hotInterval_ != 0) {
      ports_.timers.Stop(SchedulerTimer::Hot);
      hotInterval_ = 0;
    }
    return;
  }
  if (hotInterval_ != 0 && !ticked) {
    return;  // beating already
  }
  const std::int64_t interval = EntryOf(SchedulerTimer::Hot).interval;
  const std::int64_t off = ((ToMilliseconds(now) - kHotPhase) % interval + interval) % interval;
  const bool onBeat = hotInterval_ != 0 && off <= kHotDrift;
  if (!onBeat || hotInterval_ != interval) {
    hotInterval_ = static_cast<std::uint32_t>(onBeat ? interval : interval - off);
    ports_.timers.Start(SchedulerTimer::Hot, hotInterval_);
  }
}

void Scheduler::FollowExecuteStack() {
  const bool waiting = exec_.Waiting() > 0;
  if (waiting != executeRunning_) {
    executeRunning_ = waiting;
    if (waiting) {
      ports_.timers.Start(SchedulerTimer::Execute, EntryOf(SchedulerTimer::Execute).interval);
    } else {
      ports_.timers.Stop(SchedulerTimer::Execute);
    }
  }
}

void Scheduler::OnHotTick() {
  const DateTime now = ports_.clock.Now();
  if (hot_.Waiting() == 0 && refused_.empty()) {
    FollowHotStack(now, true);
    return;
  }
  NoticeGap(now);
  NoticeSkippedTime(now, active_);
  for (std::size_t i = 0; i < HotStack::kSize; ++i) {
    const HotEntry& entry = hot_[i];
    if (!entry.waiting || Lateness(entry.task, now) < 0) {
      continue;
    }
    if (Lateness(entry.task, now) > kMaxLateness) {
      hot_.Release(i, now);
      Report(TaskEvent::Missed, entry.task);
      AddMissedEntry(entry.task);
    } else {
      HandOn(i, now);
    }
  }
  DropRefused(now);
  // A task may have held a box open through later ticks: the time is read again.
  FollowHotStack(ports_.clock.Now(), true);
  StampDueTasks(ports_.clock.Now());
  NotifyMissed();
}

// A task handed on to a free slot starts in the same tick; a full execute stack keeps the
// entry waiting for the next hot tick.
void Scheduler::HandOn(std::size_t i, DateTime now) {
  const std::optional<std::size_t> slot = exec_.Add(hot_[i].task);
  if (!slot) {
    FollowExecuteStack();
    return;
  }
  hot_.Release(i, now);
  RunTask(*slot);
}

void Scheduler::DropRefused(DateTime now) {
  const auto passed = [&](const Task& r) { return Lateness(r, now) > kMaxLateness; };
  for (const Task& r : refused_) {
    if (passed(r)) {
      Report(TaskEvent::Dropped, r);
      AddMissedEntry(r);
    }
  }
  std::erase_if(refused_, passed);
}

bool Scheduler::AddToExecuteStack(const Task& task) {
  const bool added = exec_.Add(task).has_value();
  FollowExecuteStack();
  return added;
}

void Scheduler::OnExecuteTick() {
  for (std::size_t i = 0; i < ExecuteStack::kSize; ++i) {
    RunTask(i);
  }
  FollowExecuteStack();
}

void Scheduler::RunTask(std::size_t slot) {
  if (!exec_[slot].waiting) {
    return;
  }
  // A copy: while a box is open, a nested hot tick may fill the freed slot with another task.
  const Task task = exec_.Take(slot);
  if (!HasAction(task.command)) {
    Report(TaskEvent::Dropped, task);
    return;
  }
  // Until it is done the stamp's mark stays before it, so that a stamp written meanwhile tells
  // the next start about it.
  inFlight_.push_back({task, false});
  const ScopeGuard landed([this, &task]() noexcept {
    const auto flight = std::find_if(inFlight_.begin(), inFlight_.end(),
                                     [&](const auto& f) { return SameOccurrence(f.task, task); });
    if (flight != inFlight_.end()) {
      if (flight->started) {
        intended_.Erase(task);
        done_.Insert(task);
      }
      inFlight_.erase(flight);
    }
  });
  if (!Ask(task)) {
    return;
  }
  // The intent is on disk before the task starts (mostly the beat before wrote it), the fact
  // once it has started: after a crash at any point it is not run again by itself.
  if (intended_.Insert(task)) {
    WriteStamp(ports_.clock.Now());
  }
  Report(TaskEvent::Ran, task);
  Carry(task);
}

bool Scheduler::InFlight(const Task& task) const {
  return std::any_of(inFlight_.begin(), inFlight_.end(),
                     [&](const InFlightTask& f) { return SameOccurrence(f.task, task); });
}

bool Scheduler::Asks(const Task& task) {
  return task.query && ConfirmationText(task).has_value();
}

// False when the user answered No, which counts as done: a restart does not ask again.
bool Scheduler::Ask(const Task& task) {
  const std::optional<std::string> question = task.query ? ConfirmationText(task) : std::nullopt;
  if (!question) {
    return true;
  }
  Report(TaskEvent::Asked, task);
  if (ports_.prompts.Show("Confirm", *question, PromptIcon::Confirmation, PromptButtons::YesNo) !=
      PromptAnswer::No) {
    return true;
  }
  Report(TaskEvent::Skipped, task);
  done_.Insert(task);
  WriteStamp(ports_.clock.Now());
  return false;
}

// Runs the in-flight task; a box it shows stays open meanwhile, and the task counts as started.
// The fact is written once it has.
void Scheduler::Carry(const Task& task) {
  for (InFlightTask& flight : inFlight_) {
    flight.started = flight.started || SameOccurrence(flight.task, task);
  }
  try {
    actions_.Run(task);
  } catch (const Error& error) {
    // Shown after the tick: a box inside it would hold its timer, and what fell due while the
    // box is open would be missed.
    // A task that fails again and again (a copy to a drive that is gone) gives one box.
    if (failureShown_ != error.what() && std::find(taskFailures_.begin(), taskFailures_.end(),
                                                   error.what()) == taskFailures_.end()) {
      taskFailures_.emplace_back(error.what());
    }
  }
  intended_.Erase(task);
  done_.Insert(task);
  WriteStamp(ports_.clock.Now());
}

void Scheduler::Report(TaskEvent what, const Task& task) {
  if (ports_.log != nullptr) {
    ports_.log->Record({what, ports_.clock.Now(), task});
  }
}

}  // namespace zorvat
