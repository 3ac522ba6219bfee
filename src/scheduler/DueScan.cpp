#include "scheduler/DueScan.h"

namespace zorvat {
namespace {

constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kDay = 86'400'000;

std::int64_t FloorTo(std::int64_t value, std::int64_t unit) {
  const std::int64_t rest = value % unit;
  return rest < 0 ? value - rest - unit : value - rest;
}

bool OnDay(EventKind kind, DateTime day, const LiveSettings& settings) {
  switch (kind) {
    case EventKind::Weekly:
      return DayOfWeek(day) == settings.weekDay;
    case EventKind::Monthly:
      return DecodeDate(day).day == settings.monthDay;
    default:
      return true;
  }
}

bool Wanted(const EventRecord& record) {
  return !record.Deleted && record.Active;
}

void ScanSingle(const EventList& list, const DueWindow& window, const OfferDue& offer) {
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const EventRecord& record = list[i];
    const std::int64_t instant = ToMilliseconds(record.Time);
    if (Wanted(record) && instant >= window.from && instant < window.to) {
      offer(record, record.Time);
    }
  }
}

// Recurring events compare their time of day with the window's, which may reach past midnight
// into tomorrow.
void ScanRecurring(EventKind kind, const EventList& list, const LiveSettings& settings,
                   const DueWindow& window, const OfferDue& offer) {
  const std::int64_t todayStart = FloorTo(window.from, kDay);
  const std::int64_t from = window.from - todayStart;
  const std::int64_t to = window.to - todayStart;
  const DateTime today = FromMilliseconds(todayStart);
  const DateTime tomorrow = FromMilliseconds(todayStart + kDay);
  const bool todayCounts = OnDay(kind, today, settings);
  const bool tomorrowCounts = to > kDay && OnDay(kind, tomorrow, settings);
  if (!todayCounts && !tomorrowCounts) {
    return;
  }
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const EventRecord& record = list[i];
    if (!Wanted(record)) {
      continue;
    }
    const std::int64_t timeOfDay = ToMilliseconds(TimePart(record.Time));
    if (todayCounts && timeOfDay >= from && timeOfDay < to) {
      offer(record, FromMilliseconds(todayStart + timeOfDay));
    }
    if (tomorrowCounts && timeOfDay + kDay < to) {
      offer(record, FromMilliseconds(todayStart + kDay + timeOfDay));
    }
  }
}

}  // namespace

DueWindow DueWindowAt(DateTime now) {
  const std::int64_t from = FloorTo(ToMilliseconds(now), kMinute);
  return {from, from + 2 * kMinute};
}

void ScanDueEvents(const EventLists& lists, const LiveSettings& settings, DateTime now,
                   const OfferDue& offer) {
  const DueWindow window = DueWindowAt(now);
  for (const EventKind kind : kAllKinds) {
    if (kind == EventKind::General) {
      ScanSingle(lists[kind], window, offer);
    } else {
      ScanRecurring(kind, lists[kind], settings, window, offer);
    }
  }
}

}  // namespace zorvat
