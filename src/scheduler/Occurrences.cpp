#include "scheduler/Occurrences.h"

#include <algorithm>

#include "events/EventRecord.h"

namespace zorvat {
namespace {

constexpr std::int64_t kDay = 86'400'000;

std::int64_t TimeOfDayMs(DateTime instant) {
  return ToMilliseconds(TimePart(instant));
}

EventKind KindOf(const EventLists& lists, const EventRecord& record) {
  for (const EventKind kind : kAllKinds) {
    const EventRecord* first = &lists[kind][0];
    const EventRecord* last = &lists[kind][EventList::kCapacity - 1];
    if (!std::less<const EventRecord*>()(&record, first) &&
        !std::less<const EventRecord*>()(last, &record)) {
      return kind;
    }
  }
  return EventKind::General;
}

}  // namespace

void ForEachOccurrence(const EventLists& lists, const LiveSettings& settings, const DueWindow& span,
                       const OfferOccurrence& offer) {
  for (std::int64_t from = span.from; from < span.to; from += kDay) {
    ScanWindow(lists, settings, {from, std::min(from + kDay, span.to)},
               [&](const EventRecord& record, DateTime instant) {
                 Task task = record.task;
                 task.time = instant;
                 offer(KindOf(lists, record), task);
               });
  }
}

std::optional<DateTime> NextOccurrence(const EventLists& lists, const LiveSettings& settings,
                                       std::int64_t fromMs, std::int64_t horizonMs) {
  for (std::int64_t from = fromMs; from < fromMs + horizonMs; from += kDay) {
    std::optional<std::int64_t> first;
    ScanWindow(lists, settings, {from, std::min(from + kDay, fromMs + horizonMs)},
               [&](const EventRecord&, DateTime instant) {
                 const std::int64_t at = ToMilliseconds(instant);
                 first = first ? std::min(*first, at) : at;
               });
    if (first) {
      return FromMilliseconds(*first);
    }
  }
  return std::nullopt;
}

LateKind LateKindOf(std::uint8_t command) {
  const TaskKind* kind = FindTaskKind(command);
  return kind ? kind->late : LateKind::Never;
}

// One event: the same list, task and time of day.
void MissedEvents::Add(EventKind kind, const Task& occurrence, bool uncertain) {
  const auto same = std::find_if(rows_.begin(), rows_.end(), [&](const MissedEvent& row) {
    return row.kind == kind && !row.ran && row.uncertain == uncertain &&
           row.task.command == occurrence.command && row.task.operand1 == occurrence.operand1 &&
           row.task.operand2 == occurrence.operand2 &&
           TimeOfDayMs(row.task.time) == TimeOfDayMs(occurrence.time);
  });
  if (same == rows_.end()) {
    MissedEvent row{kind, occurrence};
    row.uncertain = uncertain;
    rows_.push_back(std::move(row));
    return;
  }
  ++same->count;
  if (ToMilliseconds(occurrence.time) > ToMilliseconds(same->task.time)) {
    same->task = occurrence;
  }
}

}  // namespace zorvat
