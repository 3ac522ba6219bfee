#pragma once

#include <cstdint>

namespace zorvat {

// Days since 30 December 1899; the fraction is the time of day.
using DateTime = double;

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

inline constexpr double kMillisecondsPerDay = 86'400'000.0;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);  // years 1..9999
bool IsValidTime(int hour, int minute, int second, int millisecond);

// A date or time that does not exist throws zorvat::Error with the runtime's text, "Invalid
// argument to date encode" or "Invalid argument to time encode": the windows reach these with the
// user's values.
DateTime EncodeDate(int year, int month, int day);
DateTime EncodeTime(int hour, int minute, int second, int millisecond);
DateTime EncodeDateTime(const CivilDate& date, const TimeOfDay& time);

CivilDate DecodeDate(DateTime value);
TimeOfDay DecodeTime(DateTime value);  // of the time-of-day part, rounded to the millisecond

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(DateTime value);

DateTime DatePart(DateTime value);  // the whole days
DateTime TimePart(DateTime value);  // the time of day, always in [0, 1)

// Whole milliseconds since the epoch day: exact arithmetic for comparing instants.
std::int64_t ToMilliseconds(DateTime value);
DateTime FromMilliseconds(std::int64_t milliseconds);

}  // namespace zorvat
