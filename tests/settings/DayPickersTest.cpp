#include <gtest/gtest.h>

#include "settings/DayPickers.h"

namespace zorvat {
namespace {

TEST(WeekDayChoices, MondayFirstAndBackAgain) {
  // Weekday 1 = Sunday ... 7 = Saturday.
  const char* names[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                         "Donnerstag", "Freitag", "Samstag"};
  for (int weekDay = 1; weekDay <= 7; ++weekDay) {
    const std::optional<int> index = WeekDayChoiceIndex(weekDay);
    ASSERT_TRUE(index) << weekDay;
    EXPECT_EQ(kWeekDayChoices.at(static_cast<std::size_t>(*index)), names[weekDay - 1]);
    EXPECT_EQ(WeekDayOfChoice(*index), weekDay);
  }
  EXPECT_EQ(WeekDayChoiceIndex(0), std::nullopt);
  EXPECT_EQ(WeekDayChoiceIndex(8), std::nullopt);
  EXPECT_EQ(WeekDayOfChoice(-1), std::nullopt);  // typed, not chosen
  EXPECT_EQ(WeekDayOfChoice(7), std::nullopt);
}

TEST(MonthDayPickerDate, NearestComingMonthThatHasTheDay) {
  const struct {
    CivilDate today;
    int monthDay;
    CivilDate shown;
  } cases[] = {
      {{2026, 6, 30}, 15, {2026, 6, 15}},  // this month, even when the day has passed
      {{2026, 4, 10}, 31, {2026, 5, 31}},  // April lacks the 31st
      {{2026, 2, 1}, 30, {2026, 3, 30}},   {{2024, 2, 5}, 29, {2024, 2, 29}},  // leap year
      {{2025, 2, 5}, 29, {2025, 3, 29}},   {{2026, 11, 3}, 31, {2026, 12, 31}},
      {{9999, 11, 1}, 31, {9999, 12, 31}},  // the last year a date can hold
      {{2026, 4, 10}, 0, {2026, 4, 1}},     // no month has these days
      {{2026, 4, 10}, 200, {2026, 5, 31}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MonthDayPickerDate(c.today, c.monthDay), c.shown)
        << c.today.year << "-" << c.today.month << " day " << c.monthDay;
  }
}

}  // namespace
}  // namespace zorvat
