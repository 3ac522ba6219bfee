#include "scheduler/DueScan.h"

#include <cmath>

namespace zorvat {
namespace {

constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kDay = 86'400'000;

// The exact millisecond conversion costs most of a scan. A window widened by a few seconds,
// in days, turns away nearly every record before it.
struct RoughSpan {
  double from;
  double to;
  RoughSpan(std::int64_t fromMs, std::int64_t toMs)
      : from(static_cast<double>(fromMs - kSlackMs) / kDay),
        to(static_cast<double>(toMs + kSlackMs) / kDay) {}
  bool Holds(double value) const { return value >= from && value < to; }
  static constexpr std::int64_t kSlackMs = 2000;
};

// As the date-time value defines it: the fraction's size, also before 1899-12-30.
double DayFraction(DateTime value) {
  return std::fabs(value - std::trunc(value));
}

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
  return !record.deleted && record.active;
}

void ScanSingle(const EventList& list, const DueWindow& window, const OfferDue& offer) {
  const RoughSpan rough(window.from, window.to);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const EventRecord& record = list[i];
    if (!Wanted(record) || !rough.Holds(record.task.time)) {
      continue;
    }
    const std::int64_t instant = ToMilliseconds(record.task.time);
    if (instant >= window.from && instant < window.to) {
      offer(record, record.task.time);
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
  const RoughSpan rough(from, to);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const EventRecord& record = list[i];
    if (!Wanted(record)) {
      continue;
    }
    const double fraction = DayFraction(record.task.time);
    if (!rough.Holds(fraction) && !rough.Holds(fraction + 1)) {
      continue;
    }
    const std::int64_t timeOfDay = ToMilliseconds(TimePart(record.task.time));
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
  ScanWindow(lists, settings, DueWindowAt(now), offer);
}

void ScanWindow(const EventLists& lists, const LiveSettings& settings, const DueWindow& window,
                const OfferDue& offer) {
  for (const EventKind kind : kAllKinds) {
    if (kind == EventKind::General) {
      ScanSingle(lists[kind], window, offer);
    } else {
      ScanRecurring(kind, lists[kind], settings, window, offer);
    }
  }
}

}  // namespace zorvat
