#include "scheduler/HotStack.h"

#include <algorithm>

namespace zorvat {
namespace {

// An occurrence is offered until a minute after its instant. Remembering it for two hours also
// keeps it from running again when the clock falls back an hour at the end of summer time.
constexpr std::int64_t kRememberPast = 2 * 60 * 60 * 1000;
// Instants further ahead can only come from a clock that was set back by a day or more.
constexpr std::int64_t kRememberAhead = 24 * 60 * 60 * 1000;

}  // namespace

bool SameOccurrence(const THotEv& a, const THotEv& b) {
  return ToMilliseconds(a.Time) == ToMilliseconds(b.Time) && a.Command == b.Command &&
         a.Operator1 == b.Operator1 && a.Operator2 == b.Operator2;
}

bool HotStack::Knows(const THotEv& event) const {
  const bool inTable = std::any_of(entries_.begin(), entries_.end(),
                                   [&](const THotEv& e) { return SameOccurrence(e, event); });
  if (inTable) {
    return true;
  }
  const auto [first, last] = recent_.equal_range(ToMilliseconds(event.Time));
  return std::any_of(first, last, [&](const auto& item) {
    const Recent& r = item.second;
    return r.command == event.Command && r.operator1 == event.Operator1 &&
           r.operator2 == event.Operator2;
  });
}

HotStack::AddResult HotStack::Add(const THotEv& event, DateTime now) {
  Forget(now);
  if (Knows(event)) {
    return AddResult::Duplicate;
  }
  const auto free = std::find_if(entries_.begin(), entries_.end(),
                                 [](const THotEv& e) { return e.Waiting == 0; });
  if (free == entries_.end()) {
    return AddResult::Full;
  }
  *free = event;
  free->Waiting = 1;
  ++waiting_;
  return AddResult::Filed;
}

void HotStack::Release(std::size_t i, DateTime now) {
  THotEv& entry = entries_.at(i);
  if (entry.Waiting == 1) {
    --waiting_;
  }
  entry.Waiting = 0;
  Forget(now);
  recent_.emplace(ToMilliseconds(entry.Time),
                  Recent{entry.Command, entry.Operator1, entry.Operator2});
}

void HotStack::Forget(DateTime now) {
  const std::int64_t nowMs = ToMilliseconds(now);
  recent_.erase(recent_.begin(), recent_.lower_bound(nowMs - kRememberPast));
  recent_.erase(recent_.upper_bound(nowMs + kRememberAhead), recent_.end());
}

}  // namespace zorvat
