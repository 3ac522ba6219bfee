#include "app/sim/LocalTime.h"

#include <ctime>

namespace zorvat::sim {
namespace {

bool LocalTm(std::time_t seconds, std::tm& out) {
#ifdef _WIN32
  return localtime_s(&out, &seconds) == 0;
#else
  return localtime_r(&seconds, &out) != nullptr;
#endif
}

}  // namespace

std::optional<DateTime> TryLocalTimeOf(std::int64_t utcMs) {
  std::int64_t seconds = utcMs / 1000;
  std::int64_t ms = utcMs % 1000;
  if (ms < 0) {
    ms += 1000;
    --seconds;
  }
  std::tm tm{};
  if (!LocalTm(static_cast<std::time_t>(seconds), tm) ||
      !IsValidDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday)) {
    return std::nullopt;
  }
  const int second = tm.tm_sec > 59 ? 59 : tm.tm_sec;  // no leap seconds in a date-time value
  return EncodeDateTime({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday},
                        {tm.tm_hour, tm.tm_min, second, static_cast<int>(ms)});
}

DateTime LocalTimeOf(std::int64_t utcMs) {
  return TryLocalTimeOf(utcMs).value_or(0);
}

std::optional<std::int64_t> UtcOfLocal(const CivilDate& date, const TimeOfDay& time) {
  std::tm tm{};
  tm.tm_year = date.year - 1900;
  tm.tm_mon = date.month - 1;
  tm.tm_mday = date.day;
  tm.tm_hour = time.hour;
  tm.tm_min = time.minute;
  tm.tm_sec = time.second;
  tm.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&tm);
  if (seconds == static_cast<std::time_t>(-1)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(seconds) * 1000 + time.millisecond;
}

}  // namespace zorvat::sim
