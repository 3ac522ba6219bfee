#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "events/EventLists.h"
#include "events/Task.h"
#include "events/TaskKinds.h"
#include "scheduler/DueScan.h"
#include "settings/LiveSettings.h"

namespace zorvat {

// `task.time` is the occurrence's instant.
using OfferOccurrence = std::function<void(EventKind kind, const Task& task)>;

// Every occurrence of an active event in a span of local time of any length, by the rules the
// scan files them by: a day at a time, lists in order within the day.
void ForEachOccurrence(const EventLists& lists, const LiveSettings& settings, const DueWindow& span,
                       const OfferOccurrence& offer);

// The first occurrence at or after `fromMs` within `horizonMs`; nothing when none comes.
std::optional<DateTime> NextOccurrence(const EventLists& lists, const LiveSettings& settings,
                                       std::int64_t fromMs, std::int64_t horizonMs);

// What becomes of an occurrence of this command that was missed (the kind's `late`); Never
// for a code without a kind.
LateKind LateKindOf(std::uint8_t command);

// An event missed once or more: `task.time` is its latest missed instant.
struct MissedEvent {
  EventKind kind{};
  Task task;
  int count = 1;
  bool ran = false;  // run late by the user
  // Zorvat ended just as it was about to start it: it may or may not have run.
  bool uncertain = false;
};

// Missed occurrences, one row per event however often it recurred.
class MissedEvents {
 public:
  void Add(EventKind kind, const Task& occurrence, bool uncertain = false);
  const std::vector<MissedEvent>& Rows() const { return rows_; }
  std::vector<MissedEvent>& Rows() { return rows_; }
  bool Empty() const { return rows_.empty(); }
  void Clear() { rows_.clear(); }

 private:
  std::vector<MissedEvent> rows_;
};

}  // namespace zorvat
