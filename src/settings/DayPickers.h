#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/DateTime.h"

namespace zorvat {

// The options dialog's weekday drop-down, Monday first.
inline constexpr std::array<std::string_view, 7> kWeekDayChoices{
    "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};

// The entry that shows a weekday (1 = Sunday ... 7 = Saturday); nothing for any other value,
// and the drop-down then stays as it was.
std::optional<int> WeekDayChoiceIndex(int weekDay);

// The weekday an entry stands for; nothing when no entry is chosen (the user typed instead),
// and the setting then stays as it was.
std::optional<std::uint8_t> WeekDayOfChoice(int index);

// The date the month-day picker shows for the live month day: that day of today's month, or of
// the nearest coming month that has it, so that confirming without a change keeps the setting.
// A day no month has (0, or above 31) shows as the nearest day that months have.
CivilDate MonthDayPickerDate(const CivilDate& today, int monthDay);

}  // namespace zorvat
