#include "settings/DayPickers.h"

#include <algorithm>

namespace zorvat {

std::optional<int> WeekDayChoiceIndex(int weekDay) {
  if (weekDay < 1 || weekDay > 7) {
    return std::nullopt;
  }
  return weekDay == 1 ? 6 : weekDay - 2;
}

std::optional<std::uint8_t> WeekDayOfChoice(int index) {
  if (index < 0 || index > 6) {
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(index == 6 ? 1 : index + 2);
}

CivilDate MonthDayPickerDate(const CivilDate& today, int monthDay) {
  const int day = std::clamp(monthDay, 1, 31);
  int year = today.year;
  int month = today.month;
  // Of any two months in a row one has 31 days, so this stops at the next month at the latest;
  // December has 31, so it never steps past the last year a date can hold.
  while (day > DaysInMonth(year, month)) {
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  return {year, month, day};
}

}  // namespace zorvat
