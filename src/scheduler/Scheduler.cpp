#include "scheduler/Scheduler.h"

#include <algorithm>
#include <map>
#include <utility>

#include "base/Error.h"
#include "events/EventRecord.h"
#include "scheduler/DueScan.h"
#include "scheduler/TaskMessages.h"

namespace zorvat {
namespace {

constexpr std::int64_t kDayMs = 86'400'000;
// A look later than the scan period and this is a gap the scheduler did not see.
constexpr std::int64_t kGapSlack = 15'000;
// Without a task that ran, the stamp is written at most this often: a crash loses no more.
constexpr std::int64_t kStampInterval = std::int64_t{5} * 60'000;
// The wake timer looks this far ahead: far enough for a monthly event on the 31st.
constexpr std::int64_t kWakeHorizon = 62 * kDayMs;
// Summer time moves the clock by one hour, two at the most; more is a change of time zone.
constexpr std::int64_t kLongestSummerShift = std::int64_t{2} * 3'600'000;

std::int64_t Lateness(const Task& task, DateTime now) {
  return ToMilliseconds(now) - ToMilliseconds(task.time);
}

TaskEvent LateEvent(const Task& task) {
  switch (LateKindOf(task.command)) {
    case LateKind::Reminder:
      return TaskEvent::Late;
    case LateKind::Runnable:
      return TaskEvent::Listed;
    case LateKind::Never:
      break;
  }
  return TaskEvent::NeverRun;
}

bool Contains(const std::vector<Task>& tasks, const Task& task) {
  return std::any_of(tasks.begin(), tasks.end(),
                     [&](const Task& t) { return SameOccurrence(t, task); });
}

// The tasks of `from` that `into` lacks, added to it.
void AddMissing(std::vector<Task>& into, const std::vector<Task>& from) {
  for (const Task& task : from) {
    if (!Contains(into, task)) {
      into.push_back(task);
    }
  }
}

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

std::int64_t Scheduler::GapThreshold() const {
  return static_cast<std::int64_t>(ScanPeriod(settings_.mainTimerPeriod)) + kGapSlack;
}

// The clock far ahead of the last look, by its distance from UTC so that summer time does not
// count: the computer slept, the process was stopped, or the clock was set forward. What fell
// in between more than a minute ago is given up and listed; the rest runs late.
void Scheduler::NoticeGap(DateTime now) {
  const std::int64_t utc = UtcMs(now);
  const bool gap = lastLookUtc_ && utc - *lastLookUtc_ > GapThreshold();
  // A clock set back: what lies ahead of it again is the scan's, as before.
  if (lastLookUtc_ && utc < *lastLookUtc_) {
    handledUpTo_ = std::min(handledUpTo_, ToMilliseconds(now));
  }
  lastLookUtc_ = utc;
  if (gap && active_) {
    CatchUp(handledUpTo_, now, ranSince_);
  }
  if (gap) {
    // Nobody looked when summer time began, if it did: the catch-up has given up that hour too,
    // and it must not run late as skipped time.
    lastOffset_ = ports_.clock.UtcOffset();
    lastSeen_ = now;
  }
  handledUpTo_ = Handled(now);
}

void Scheduler::CatchUp(std::int64_t fromMs, DateTime now, const std::vector<Task>& ran) {
  const std::int64_t nowMs = ToMilliseconds(now);
  const std::int64_t bound = nowMs - static_cast<std::int64_t>(settings_.catchUpDays) * kDayMs;
  ForEachOccurrence(
      lists_, settings_, {std::max(fromMs, bound), nowMs}, [&](EventKind kind, const Task& task) {
        if (Contains(ran, task)) {
          return;
        }
        // At most a minute late it runs, as a late hot tick would run it.
        if (Lateness(task, now) <= kMaxLateness) {
          AddToHotStack(task);
          return;
        }
        if (!hot_.GiveUp(task, now)) {
          return;
        }
        std::erase_if(refused_, [&](const Task& r) { return SameOccurrence(r, task); });
        AddMissed(kind, task);
      });
  FollowHotStack(now, false);
}

void Scheduler::AddMissed(EventKind kind, const Task& task) {
  missed_.Add(kind, task);
  missedAdded_ = true;
  Report(settings_.catchUp ? LateEvent(task) : TaskEvent::Missed, task);
}

// A hot entry found too late outside a gap: listed like the rest.
void Scheduler::AddMissedEntry(const Task& task) {
  EventKind kind = EventKind::General;
  const std::int64_t at = ToMilliseconds(task.time);
  ForEachOccurrence(lists_, settings_, {at, at + 1}, [&](EventKind k, const Task& t) {
    if (SameOccurrence(t, task)) {
      kind = k;
    }
  });
  missed_.Add(kind, task);
  missedAdded_ = true;
}

// With catching up off the waiting-tasks window alone tells what was missed.
void Scheduler::NotifyMissed() {
  if (missedAdded_ && settings_.catchUp && ports_.missedView != nullptr) {
    missedAdded_ = false;
    ports_.missedView->ShowMissed();
  }
  missedAdded_ = false;
}

// Up to now, or to the first occurrence still waiting; not past a gap nobody has looked at.
std::int64_t Scheduler::Handled(DateTime now) const {
  const std::int64_t nowMs = ToMilliseconds(now);
  if (active_ && lastLookUtc_ && UtcMs(now) - *lastLookUtc_ > GapThreshold()) {
    return handledUpTo_;
  }
  std::int64_t upTo = nowMs;
  for (std::size_t i = 0; i < HotStack::kSize; ++i) {
    if (hot_[i].waiting) {
      upTo = std::min(upTo, ToMilliseconds(hot_[i].task.time));
    }
  }
  for (std::size_t i = 0; i < ExecuteStack::kSize; ++i) {
    if (exec_[i].waiting) {
      upTo = std::min(upTo, ToMilliseconds(exec_[i].task.time));
    }
  }
  for (const Task& r : refused_) {
    upTo = std::min(upTo, ToMilliseconds(r.time));
  }
  return std::max(handledUpTo_, upTo);
}

void Scheduler::WriteStamp(DateTime now) {
  if (ports_.stamp == nullptr) {
    return;
  }
  HandledStamp stamp;
  if (caughtUp_ || !lastRun_) {
    handledUpTo_ = Handled(now);
    std::erase_if(ranSince_, [&](const Task& t) { return ToMilliseconds(t.time) < handledUpTo_; });
    stamp = {handledUpTo_, ranSince_};
  } else {
    stamp = *lastRun_;
    AddMissing(stamp.ran, ranSince_);
  }
  try {
    ports_.stamp->Write(stamp);
    stampWrittenUtc_ = UtcMs(now);
    stampFailing_ = false;
  } catch (const Error& error) {
    // Not shown here: a task about to run must run. The tick shows it at its end.
    if (!stampFailing_) {
      stampFailure_ = error.what();
    }
    stampFailing_ = true;
    stampWrittenUtc_ = UtcMs(now);
  }
}

// The entries due by the next beat go on disk as run now, half a second ahead, so that writing
// the stamp never delays a task; a crash in between loses that half second of knowledge.
void Scheduler::StampDueTasks(DateTime now) {
  if (ports_.stamp == nullptr) {
    return;
  }
  const std::int64_t by = ToMilliseconds(now) + EntryOf(SchedulerTimer::Hot).interval + kHotDrift;
  bool added = false;
  for (std::size_t i = 0; i < HotStack::kSize; ++i) {
    const Task& task = hot_[i].task;
    if (hot_[i].waiting && ToMilliseconds(task.time) <= by && !Contains(ranSince_, task)) {
      ranSince_.push_back(task);
      added = true;
    }
  }
  if (added) {
    WriteStamp(now);
  }
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

void Scheduler::RaiseStampFailure() {
  if (stampFailure_) {
    const std::string text = std::move(*stampFailure_);
    stampFailure_.reset();
    throw Error(text);
  }
}

void Scheduler::CatchUpSince(const std::optional<HandledStamp>& stamp) {
  const DateTime now = ports_.clock.Now();
  const std::int64_t nowMs = ToMilliseconds(now);
  lastLookUtc_ = UtcMs(now);
  if (stamp) {
    // What ran while a box of the start was open counts as well.
    AddMissing(ranSince_, stamp->ran);
    if (active_) {
      CatchUp(stamp->handledUpTo, now, ranSince_);
    }
    // A stamp ahead of the clock (set back while Zorvat was closed) would hide every later
    // sleep until the clock reached it again.
    handledUpTo_ = std::max(std::min(stamp->handledUpTo, nowMs), handledUpTo_);
  }
  caughtUp_ = true;
  handledUpTo_ = Handled(now);
  WriteStamp(now);
  NotifyMissed();
  RaiseStampFailure();
}

void Scheduler::SaveStamp() {
  const bool failing = stampFailing_;
  WriteStamp(ports_.clock.Now());
  if (failing) {
    stampFailure_.reset();  // shown before
  }
  RaiseStampFailure();
}

void Scheduler::OnResume() {
  NoticeGap(ports_.clock.Now());
  NotifyMissed();
  RefreshWake();
}

void Scheduler::RefreshWake() {
  if (ports_.wake == nullptr) {
    return;
  }
  std::optional<DateTime> next;
  if (settings_.wakeForEvents && active_) {
    next = NextOccurrence(lists_, settings_, ToMilliseconds(ports_.clock.Now()), kWakeHorizon);
  }
  if (!wakeArmed_ || *wakeArmed_ != next) {
    wakeArmed_ = next;
    ports_.wake->Arm(next);
  }
}

bool Scheduler::RunLate(std::size_t row) {
  if (row >= missed_.Rows().size()) {
    return false;
  }
  const MissedEvent event = missed_.Rows()[row];
  const LateKind kind = LateKindOf(event.task.command);
  if (kind == LateKind::Never || event.ran ||
      (kind == LateKind::Reminder && event.task.command != kCmdAlert)) {
    return false;
  }
  const bool runnable = kind == LateKind::Runnable;
  // Marked before the question: a second click while it is open must not run it twice.
  if (runnable) {
    missed_.Rows()[row].ran = true;
  }
  if (runnable && event.task.query) {
    if (const std::optional<std::string> question = ConfirmationText(event.task)) {
      Report(TaskEvent::Asked, event.task);
      if (ports_.prompts.Show("Confirm", *question, PromptIcon::Confirmation,
                              PromptButtons::YesNo) == PromptAnswer::No) {
        Report(TaskEvent::Skipped, event.task);
        // The rows may have changed while the question was open.
        for (MissedEvent& shown : missed_.Rows()) {
          if (SameOccurrence(shown.task, event.task)) {
            shown.ran = false;
          }
        }
        return false;
      }
    }
  }
  Report(TaskEvent::Ran, event.task);
  actions_.Run(event.task);
  return true;
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
        CatchUp(jumpEnd - skipped, now, ranSince_);
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
  if (task.query) {
    if (const std::optional<std::string> question = ConfirmationText(task)) {
      Report(TaskEvent::Asked, task);
      const PromptAnswer answer =
          ports_.prompts.Show("Confirm", *question, PromptIcon::Confirmation, PromptButtons::YesNo);
      if (answer == PromptAnswer::No) {
        Report(TaskEvent::Skipped, task);
        return;
      }
    }
  }
  Report(TaskEvent::Ran, task);
  // On disk before it runs: after a crash at any point it is not offered again. Mostly the beat
  // before wrote it already (StampDueTasks).
  if (ports_.stamp != nullptr && !Contains(ranSince_, task)) {
    ranSince_.push_back(task);
    WriteStamp(ports_.clock.Now());
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
}

void Scheduler::Report(TaskEvent what, const Task& task) {
  if (ports_.log != nullptr) {
    ports_.log->Record({what, ports_.clock.Now(), task});
  }
}

}  // namespace zorvat
