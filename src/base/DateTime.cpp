#include "base/DateTime.h"

#include <cmath>

#include "base/Error.h"

namespace zorvat {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01; constant-initialised, so other files' static tables can
// encode dates safely.
constexpr std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);
static_assert(kEpochOffset == -25569);

std::int64_t WholeDays(DateTime value) {
  return static_cast<std::int64_t>(std::trunc(value));
}

// Milliseconds into the day. Negative values keep the date in the whole part and subtract the
// time, so the time of day is the absolute fraction.
std::int64_t DayMilliseconds(DateTime value) {
  const double fraction = std::fabs(value - std::trunc(value));
  const auto ms = static_cast<std::int64_t>(std::llround(fraction * kMillisecondsPerDay));
  return ms >= kMsPerDay ? kMsPerDay - 1 : ms;
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) {
    return 0;
  }
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int millisecond) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 &&
         millisecond >= 0 && millisecond < 1000;
}

DateTime EncodeDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) {
    throw Error("Invalid argument to date encode");
  }
  return static_cast<double>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  if (!IsValidTime(hour, minute, second, millisecond)) {
    throw Error("Invalid argument to time encode");
  }
  const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<double>(ms) / kMillisecondsPerDay;
}

DateTime EncodeDateTime(const CivilDate& date, const TimeOfDay& time) {
  const DateTime day = EncodeDate(date.year, date.month, date.day);
  const DateTime fraction = EncodeTime(time.hour, time.minute, time.second, time.millisecond);
  return day < 0 ? day - fraction : day + fraction;
}

CivilDate DecodeDate(DateTime value) {
  return CivilFromDays(WholeDays(value) + kEpochOffset);
}

TimeOfDay DecodeTime(DateTime value) {
  std::int64_t ms = DayMilliseconds(value);
  TimeOfDay t;
  t.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  t.second = static_cast<int>(ms % 60);
  ms /= 60;
  t.minute = static_cast<int>(ms % 60);
  t.hour = static_cast<int>(ms / 60);
  return t;
}

int DayOfWeek(DateTime value) {
  // 30 December 1899 was a Saturday (7).
  const std::int64_t days = WholeDays(value);
  return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

DateTime DatePart(DateTime value) {
  return std::trunc(value);
}

DateTime TimePart(DateTime value) {
  return static_cast<double>(DayMilliseconds(value)) / kMillisecondsPerDay;
}

std::int64_t ToMilliseconds(DateTime value) {
  return WholeDays(value) * kMsPerDay + DayMilliseconds(value);
}

DateTime FromMilliseconds(std::int64_t milliseconds) {
  std::int64_t days = milliseconds / kMsPerDay;
  std::int64_t rest = milliseconds % kMsPerDay;
  if (rest < 0) {
    rest += kMsPerDay;
    --days;
  }
  const double fraction = static_cast<double>(rest) / kMillisecondsPerDay;
  const auto whole = static_cast<double>(days);
  return days < 0 ? whole - fraction : whole + fraction;
}

}  // namespace zorvat
