#include "scheduler/Scheduler.h"

#include <algorithm>
#include <utility>

#include "scheduler/DueScan.h"

namespace zorvat {
namespace {

// A period of 0 would never tick again, and one above a minute would skip minutes.
std::uint32_t TimerIntervalFor(std::uint16_t period) {
  constexpr std::uint32_t kLongest = 60'000;
  if (period == 0) {
    return Scheduler::kFirstTimerInterval;
  }
  return std::min<std::uint32_t>(period, kLongest);
}

std::int64_t Lateness(const THotEv& entry, DateTime now) {
  return ToMilliseconds(now) - ToMilliseconds(entry.Time);
}

}  // namespace

Scheduler::Scheduler(const EventLists& lists, const LiveSettings& settings, SchedulerPorts ports)
    : lists_(lists),
      settings_(settings),
      ports_(std::move(ports)),
      alert_(settings,
             {ports_.sound, ports_.shell, ports_.prompts, ports_.timers, ports_.alertMode}),
      actions_(ports_.shell, ports_.prompts, alert_) {}

void Scheduler::TimerTimer() {
  ArmTimer();
  ScanDueEvents(lists_, settings_, ports_.clock.Now(),
                [this](const EventRecord& record, DateTime instant) {
                  AddToHotStack(record.Command, record.Operator1, record.Operator2, instant,
                                record.Query ? 1 : 0);
                });
}

void Scheduler::ArmTimer() {
  const std::uint32_t interval = TimerIntervalFor(settings_.mainTimerPeriod);
  if (interval != timerInterval_) {
    timerInterval_ = interval;
    ports_.timers.SetTimerInterval(interval);
  }
}

void Scheduler::AddToHotStack(std::uint8_t command, const std::string& operator1,
                              const std::string& operator2, DateTime time, std::uint8_t query) {
  const THotEv event{time, command, operator1, operator2, query, 0};
  const HotStack::AddResult result = hot_.Add(event, ports_.clock.Now());
  const auto known = std::find_if(refused_.begin(), refused_.end(),
                                  [&](const THotEv& r) { return SameOccurrence(r, event); });
  if (result == HotStack::AddResult::Full && known == refused_.end()) {
    refused_.push_back(event);
  } else if (result == HotStack::AddResult::Filed && known != refused_.end()) {
    refused_.erase(known);
  }
}

void Scheduler::HotTimerTimer() {
  if (hot_.waiting() == 0 && refused_.empty()) {
    return;
  }
  const DateTime now = ports_.clock.Now();
  for (std::size_t i = 0; i < HotStack::kSize; ++i) {
    const THotEv& entry = hot_[i];
    if (entry.Waiting != 1 || Lateness(entry, now) < 0) {
      continue;
    }
    if (Lateness(entry, now) > kMaxLateness) {
      hot_.Release(i, now);
      Report(TaskEvent::Missed, entry.Time, entry.Command, entry.Operator1, entry.Operator2);
    } else {
      HandOn(i, now);
    }
  }
  DropRefused(now);
}

// A full execute stack keeps the entry waiting for the next hot tick.
void Scheduler::HandOn(std::size_t i, DateTime now) {
  const THotEv& entry = hot_[i];
  if (AddToExecuteStack(
          {entry.Command, entry.Operator1, entry.Operator2, entry.Query, 0, entry.Time})) {
    hot_.Release(i, now);
  }
}

void Scheduler::DropRefused(DateTime now) {
  const auto passed = [&](const THotEv& r) { return Lateness(r, now) > kMaxLateness; };
  for (const THotEv& r : refused_) {
    if (passed(r)) {
      Report(TaskEvent::Dropped, r.Time, r.Command, r.Operator1, r.Operator2);
    }
  }
  std::erase_if(refused_, passed);
}

bool Scheduler::AddToExecuteStack(const TWaitingTask& task) {
  return exec_.Add(task);
}

void Scheduler::ExecTimerTimer() {
  for (std::size_t i = 0; i < ExecuteStack::kSize; ++i) {
    RunTask(i);
  }
}

void Scheduler::RunTask(std::size_t slot) {
  if (exec_[slot].Done != 0) {
    return;
  }
  // A copy: while a box is open, a nested hot tick may fill the freed slot with another task.
  const TWaitingTask task = exec_.Take(slot);
  if (!HasAction(task.Command)) {
    Report(TaskEvent::Dropped, task.Due, task.Command, task.Operator1, task.Operator2);
    return;
  }
  if (task.Query == 1) {
    if (const std::optional<std::string> question = ConfirmationText(task)) {
      Report(TaskEvent::Asked, task.Due, task.Command, task.Operator1, task.Operator2);
      const PromptAnswer answer =
          ports_.prompts.Show("Confirm", *question, PromptIcon::Confirmation, PromptButtons::YesNo);
      if (answer == PromptAnswer::No) {
        Report(TaskEvent::Skipped, task.Due, task.Command, task.Operator1, task.Operator2);
        return;
      }
    }
  }
  Report(TaskEvent::Ran, task.Due, task.Command, task.Operator1, task.Operator2);
  actions_.Run(task);
}

void Scheduler::Report(TaskEvent what, DateTime due, std::uint8_t command,
                       const std::string& operator1, const std::string& operator2) {
  if (ports_.log != nullptr) {
    ports_.log->Record({what, ports_.clock.Now(), due, command, operator1, operator2});
  }
}

}  // namespace zorvat
