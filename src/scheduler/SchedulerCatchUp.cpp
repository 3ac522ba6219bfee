// The scheduler's look back: the gaps it did not see (sleep, a stopped process, Zorvat closed),
// the stamp that carries what was handled from one run to the next, the missed events it lists
// and the wake timer.
#include <algorithm>

#include "base/Error.h"
#include "events/EventRecord.h"
#include "scheduler/Scheduler.h"
#include "scheduler/TaskMessages.h"

namespace zorvat {
namespace {

constexpr std::int64_t kDayMs = 86'400'000;
// A look later than the scan period and this is a gap the scheduler did not see.
constexpr std::int64_t kGapSlack = 15'000;
// The wake timer looks this far ahead: far enough for a monthly event on the 31st.
constexpr std::int64_t kWakeHorizon = 62 * kDayMs;

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

}  // namespace

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
    if (scanFloor_) {
      scanFloor_ = std::min(*scanFloor_, ToMilliseconds(now));
    }
  }
  lastLookUtc_ = utc;
  if (gap && active_) {
    CatchUp(handledUpTo_, now);
  }
  if (gap) {
    // Nobody looked when summer time began, if it did: the catch-up has given up that hour too,
    // and it must not run late as skipped time.
    lastOffset_ = ports_.clock.UtcOffset();
    lastSeen_ = now;
  }
  handledUpTo_ = Handled(now);
}

void Scheduler::CatchUp(std::int64_t fromMs, DateTime now) {
  const std::int64_t nowMs = ToMilliseconds(now);
  const std::int64_t bound = nowMs - static_cast<std::int64_t>(settings_.catchUpDays) * kDayMs;
  ForEachOccurrence(
      lists_, settings_, {std::max(fromMs, bound), nowMs}, [&](EventKind kind, const Task& task) {
        if (done_.Contains(task) || InFlight(task)) {
          return;
        }
        // The last run was about to start it when it ended: it may have run, so it never runs
        // again by itself, however recent.
        const bool uncertain = lastIntended_.Contains(task);
        // At most a minute late it runs, as a late hot tick would run it.
        if (!uncertain && Lateness(task, now) <= kMaxLateness) {
          AddToHotStack(task);
          return;
        }
        if (!hot_.GiveUp(task, now)) {
          return;
        }
        std::erase_if(refused_, [&](const Task& r) { return SameOccurrence(r, task); });
        intended_.Erase(task);
        AddMissed(kind, task, uncertain);
      });
  FollowHotStack(now, false);
}

void Scheduler::AddMissed(EventKind kind, const Task& task, bool uncertain) {
  missed_.Add(kind, task, uncertain);
  missedAdded_ = true;
  if (uncertain) {
    Report(TaskEvent::Uncertain, task);
  } else {
    Report(settings_.catchUp ? LateEvent(task) : TaskEvent::Missed, task);
  }
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
  intended_.Erase(task);
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

// Up to now, or to the first occurrence still waiting or not done; not past a gap nobody has
// looked at.
std::int64_t Scheduler::Handled(DateTime now) const {
  const std::int64_t nowMs = ToMilliseconds(now);
  if (active_ && lastLookUtc_ && UtcMs(now) - *lastLookUtc_ > GapThreshold()) {
    return handledUpTo_;
  }
  std::int64_t upTo = nowMs;
  const auto before = [&upTo](const Task& task) {
    upTo = std::min(upTo, ToMilliseconds(task.time));
  };
  for (std::size_t i = 0; i < HotStack::kSize; ++i) {
    if (hot_[i].waiting) {
      before(hot_[i].task);
    }
  }
  for (std::size_t i = 0; i < ExecuteStack::kSize; ++i) {
    if (exec_[i].waiting) {
      before(exec_[i].task);
    }
  }
  std::for_each(refused_.begin(), refused_.end(), before);
  for (const InFlightTask& flight : inFlight_) {
    before(flight.task);
  }
  return std::max(handledUpTo_, upTo);
}

// An orderly end (exit, end of session, suspend) writes what happened: a task whose box is open
// has started; one that is only about to start, or waits for its answer, has not.
HandledStamp Scheduler::StampOf(DateTime now, bool orderly) {
  TaskSet ran;
  TaskSet intended;
  if (caughtUp_ || !lastRun_) {
    handledUpTo_ = Handled(now);
    done_.EraseBefore(handledUpTo_);
  } else {
    ran.InsertAll(lastRun_->ran);
    intended.InsertAll(lastRun_->intended);
  }
  for (const Task& task : done_.Tasks()) {
    ran.Insert(task);
  }
  for (const InFlightTask& flight : inFlight_) {
    if (orderly && flight.started) {
      ran.Insert(flight.task);
    }
  }
  if (!orderly) {
    intended.InsertAll(intended_.Tasks());
  }
  HandledStamp stamp{
      caughtUp_ || !lastRun_ ? handledUpTo_ : lastRun_->handledUpTo, ran.Tasks(), {}};
  for (const Task& task : intended.Tasks()) {
    if (!ran.Contains(task)) {
      stamp.intended.push_back(task);
    }
  }
  return stamp;
}

void Scheduler::WriteStamp(DateTime now, bool orderly) {
  if (ports_.stamp == nullptr) {
    return;
  }
  try {
    ports_.stamp->Write(StampOf(now, orderly));
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

// The entries due by the next beat go on disk as about to run, half a second ahead, so that
// writing the stamp never delays a task. One that asks first is about to run only once the user
// said yes.
void Scheduler::StampDueTasks(DateTime now) {
  if (ports_.stamp == nullptr) {
    return;
  }
  const std::int64_t by = ToMilliseconds(now) + EntryOf(SchedulerTimer::Hot).interval + kHotDrift;
  bool added = false;
  for (std::size_t i = 0; i < HotStack::kSize; ++i) {
    const Task& task = hot_[i].task;
    if (hot_[i].waiting && ToMilliseconds(task.time) <= by && !Asks(task) &&
        !done_.Contains(task) && intended_.Insert(task)) {
      added = true;
    }
  }
  if (added) {
    WriteStamp(now);
  }
}

void Scheduler::RaiseStampFailure() {
  if (stampFailure_) {
    const std::string text = std::move(*stampFailure_);
    stampFailure_.reset();
    throw Error(text);
  }
}

// A stamp ahead of the clock was written by a clock set wrong: what lies ahead of now comes
// round again and is not the last run's.
void Scheduler::KeepLastRun(const std::optional<HandledStamp>& stamp) {
  lastRun_ = stamp;
  if (!stamp) {
    return;
  }
  const std::int64_t nowMs = ToMilliseconds(ports_.clock.Now());
  for (const Task& task : stamp->ran) {
    if (ToMilliseconds(task.time) <= nowMs) {
      done_.Insert(task);
    }
  }
  for (const Task& task : stamp->intended) {
    if (ToMilliseconds(task.time) <= nowMs) {
      lastIntended_.Insert(task);
    }
  }
  scanFloor_ = std::max(scanFloor_.value_or(0), std::min(stamp->handledUpTo, nowMs));
}

// Before the floor the last run or the start's catch-up dealt with every occurrence; what the
// last run started or was about to start is not offered again either.
bool Scheduler::HandledBefore(const Task& task) const {
  return (scanFloor_ && ToMilliseconds(task.time) < *scanFloor_) || done_.Contains(task) ||
         lastIntended_.Contains(task);
}

void Scheduler::CatchUpSince(const std::optional<HandledStamp>& stamp) {
  const DateTime now = ports_.clock.Now();
  const std::int64_t nowMs = ToMilliseconds(now);
  lastLookUtc_ = UtcMs(now);
  if (stamp) {
    // What ran while a box of the start was open counts as well.
    KeepLastRun(stamp);
    lastRun_ = stamp;
    if (active_) {
      CatchUp(stamp->handledUpTo, now);
    }
    // A stamp ahead of the clock (set back while Zorvat was closed) would hide every later
    // sleep until the clock reached it again.
    handledUpTo_ = std::max(std::min(stamp->handledUpTo, nowMs), handledUpTo_);
    // The catch-up ran or listed what lies before now; the scan must not file it again.
    scanFloor_ = nowMs;
  }
  caughtUp_ = true;
  handledUpTo_ = Handled(now);
  WriteStamp(now);
  NotifyMissed();
  RaiseStampFailure();
}

void Scheduler::SaveStamp() {
  const bool failing = stampFailing_;
  WriteStamp(ports_.clock.Now(), true);
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

}  // namespace zorvat
