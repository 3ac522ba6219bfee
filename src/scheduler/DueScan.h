#pragma once

#include <cstdint>
#include <functional>

#include "base/DateTime.h"
#include "events/EventLists.h"
#include "settings/LiveSettings.h"

namespace zorvat {

// The span a main tick files events for: from the start of the current minute to the end of
// the next one, in milliseconds since the epoch day.
struct DueWindow {
  std::int64_t from;
  std::int64_t to;  // exclusive
};
DueWindow DueWindowAt(DateTime now);

using OfferDue = std::function<void(const EventRecord& record, DateTime instant)>;

// Offers every occurrence of an active, undeleted event that lies in the window at `now`: a single
// event's own date and time; a daily, weekly or monthly event's time of day today and tomorrow,
// each day checked against the weekday and month-day settings. Lists in the order single,
// daily, weekly, monthly; records in list order; today before tomorrow.
void ScanDueEvents(const EventLists& lists, const LiveSettings& settings, DateTime now,
                   const OfferDue& offer);

// The same over any window of local time no longer than a day, for example the hour the clock
// skipped when summer time began.
void ScanWindow(const EventLists& lists, const LiveSettings& settings, const DueWindow& window,
                const OfferDue& offer);

}  // namespace zorvat
