#include "scheduler/HotStack.h"

#include <algorithm>

namespace zorvat {
namespace {

// An occurrence is offered until a minute after its instant. Remembering it for two hours also
// keeps it from running again when the clock falls back an hour at the end of summer time.
constexpr std::int64_t kRememberPast = std::int64_t{2} * 60 * 60 * 1000;
// Instants further ahead can only come from a clock that was set back by a day or more.
constexpr std::int64_t kRememberAhead = std::int64_t{24} * 60 * 60 * 1000;

}  // namespace

bool SameOccurrence(const Task& a, const Task& b) {
  return ToMilliseconds(a.time) == ToMilliseconds(b.time) && a.command == b.command &&
         a.operand1 == b.operand1 && a.operand2 == b.operand2;
}

bool HotStack::Knows(const Task& task) const {
  const bool inTable = std::any_of(entries_.begin(), entries_.end(),
                                   [&](const HotEntry& e) { return SameOccurrence(e.task, task); });
  if (inTable) {
    return true;
  }
  const auto [first, last] = recent_.equal_range(ToMilliseconds(task.time));
  return std::any_of(first, last, [&](const auto& item) {
    const Recent& r = item.second;
    return r.command == task.command && r.operand1 == task.operand1 && r.operand2 == task.operand2;
  });
}

HotStack::AddResult HotStack::Add(const Task& task, DateTime now) {
  Forget(now);
  if (Knows(task)) {
    return AddResult::Duplicate;
  }
  const auto free =
      std::find_if(entries_.begin(), entries_.end(), [](const HotEntry& e) { return !e.waiting; });
  if (free == entries_.end()) {
    return AddResult::Full;
  }
  *free = {task, true};
  ++waiting_;
  return AddResult::Filed;
}

void HotStack::Release(std::size_t i, DateTime now) {
  HotEntry& entry = entries_.at(i);
  if (entry.waiting) {
    --waiting_;
  }
  entry.waiting = false;
  Forget(now);
  recent_.emplace(ToMilliseconds(entry.task.time),
                  Recent{entry.task.command, entry.task.operand1, entry.task.operand2});
}

bool HotStack::GiveUp(const Task& task, DateTime now) {
  for (std::size_t i = 0; i < kSize; ++i) {
    if (entries_[i].waiting && SameOccurrence(entries_[i].task, task)) {
      Release(i, now);
      return true;
    }
  }
  if (Knows(task)) {
    return false;
  }
  Forget(now);
  recent_.emplace(ToMilliseconds(task.time), Recent{task.command, task.operand1, task.operand2});
  return true;
}

bool HotStack::Retime(const Task& task, DateTime instant) {
  const auto waiting = std::find_if(entries_.begin(), entries_.end(), [&](const HotEntry& e) {
    return e.waiting && SameOccurrence(e.task, task);
  });
  if (waiting == entries_.end()) {
    return false;
  }
  waiting->task.time = instant;
  return true;
}

void HotStack::Forget(DateTime now) {
  const std::int64_t nowMs = ToMilliseconds(now);
  recent_.erase(recent_.begin(), recent_.lower_bound(nowMs - kRememberPast));
  recent_.erase(recent_.upper_bound(nowMs + kRememberAhead), recent_.end());
}

}  // namespace zorvat
