#include "platform/SystemClock.h"

#include <windows.h>

#include "platform/SystemTimes.h"

namespace zorvat {

DateTime SystemClock::Now() const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return FromSystemTime(now);
}

std::int64_t SystemClock::UtcOffset() const {
  TIME_ZONE_INFORMATION zone;
  LONG bias = 0;
  switch (GetTimeZoneInformation(&zone)) {
    case TIME_ZONE_ID_DAYLIGHT:
      bias = zone.Bias + zone.DaylightBias;
      break;
    case TIME_ZONE_ID_STANDARD:
      bias = zone.Bias + zone.StandardBias;
      break;
    case TIME_ZONE_ID_UNKNOWN:
      bias = zone.Bias;
      break;
    default:
      return 0;
  }
  return -static_cast<std::int64_t>(bias) * 60'000;  // UTC = local + bias
}

}  // namespace zorvat
