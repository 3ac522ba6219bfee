#pragma once

#include <cstdint>
#include <optional>

#include "base/DateTime.h"

namespace zorvat::sim {

// The local date and time of an instant (milliseconds since 1970-01-01 UTC) by the process's
// time-zone rules (TZ), as a real machine's clock would show it.
DateTime LocalTimeOf(std::int64_t utcMs);
// The same, or nothing when the instant lies outside the calendar (years 1 to 9999) or the
// system's time-zone rules.
std::optional<DateTime> TryLocalTimeOf(std::int64_t utcMs);

// The instant of a local date and time; for a time the clock shows twice, the time-zone rules
// pick one; a time the clock skips is moved past the gap. Nothing when out of range.
std::optional<std::int64_t> UtcOfLocal(const CivilDate& date, const TimeOfDay& time);

}  // namespace zorvat::sim
