#include <gtest/gtest.h>

#include "base/Clock.h"
#include "base/DateTime.h"

namespace zorvat {
namespace {

TEST(DateTime, EpochAndKnownDays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(1998, 12, 24), 36153.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(DecodeDate(-693593.0), (CivilDate{1, 1, 1}));
  EXPECT_EQ(DecodeDate(2958465.0), (CivilDate{9999, 12, 31}));
}

TEST(DateTime, EveryDayOfTwoCenturiesRoundTrips) {
  double expected = EncodeDate(1900, 1, 1);
  int weekday = DayOfWeek(expected);
  EXPECT_EQ(weekday, 2);  // 1 January 1900 was a Monday
  for (int year = 1900; year <= 2100; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        const DateTime value = EncodeDate(year, month, day);
        ASSERT_EQ(value, expected) << year << "-" << month << "-" << day;
        ASSERT_EQ(DecodeDate(value), (CivilDate{year, month, day}));
        ASSERT_EQ(DayOfWeek(value), weekday);
        expected += 1;
        weekday = weekday % 7 + 1;
      }
    }
  }
}

TEST(DateTime, CalendarRules) {
  EXPECT_TRUE(IsValidDate(2000, 2, 29));
  EXPECT_FALSE(IsValidDate(1900, 2, 29));
  EXPECT_TRUE(IsValidDate(2024, 2, 29));
  EXPECT_FALSE(IsValidDate(2026, 4, 31));
  EXPECT_FALSE(IsValidDate(0, 1, 1));
  EXPECT_FALSE(IsValidDate(10000, 1, 1));
  EXPECT_FALSE(IsValidDate(2026, 13, 1));
}

TEST(DateTime, EveryMillisecondOfAMinuteAndEverySecondOfADayRoundTrip) {
  for (int s = 0; s < 86400; ++s) {
    const TimeOfDay t{s / 3600, s / 60 % 60, s % 60, 0};
    ASSERT_EQ(DecodeTime(EncodeTime(t.hour, t.minute, t.second, 0)), t);
  }
  for (int ms = 0; ms < 60000; ++ms) {
    const TimeOfDay t{23, 59, ms / 1000, ms % 1000};
    const DateTime value = EncodeDateTime({2026, 12, 7}, t);
    ASSERT_EQ(DecodeTime(value), t);
    ASSERT_EQ(DecodeDate(value), (CivilDate{2026, 12, 7}));
  }
}

TEST(DateTime, PartsOfAValue) {
  const DateTime value = EncodeDateTime({1998, 12, 24}, {18, 30, 0, 0});
  EXPECT_EQ(DatePart(value), 36153.0);
  EXPECT_EQ(DecodeTime(TimePart(value)), (TimeOfDay{18, 30, 0, 0}));
  // Before the epoch the time of day is the absolute fraction.
  const DateTime old = EncodeDateTime({1899, 12, 29}, {6, 0, 0, 0});
  EXPECT_EQ(old, -1.25);
  EXPECT_EQ(DecodeDate(old), (CivilDate{1899, 12, 29}));
  EXPECT_EQ(DecodeTime(old), (TimeOfDay{6, 0, 0, 0}));
}

TEST(DateTime, MillisecondInstantsAreExactAndMonotonic) {
  const DateTime a = EncodeDateTime({2026, 12, 7}, {23, 59, 59, 999});
  const DateTime b = EncodeDateTime({2026, 12, 8}, {0, 0, 0, 0});
  EXPECT_EQ(ToMilliseconds(b) - ToMilliseconds(a), 1);
  EXPECT_EQ(FromMilliseconds(ToMilliseconds(a)), a);
  const DateTime before = EncodeDateTime({1899, 12, 29}, {23, 0, 0, 0});
  const DateTime after = EncodeDateTime({1899, 12, 30}, {1, 0, 0, 0});
  EXPECT_EQ(ToMilliseconds(after) - ToMilliseconds(before), 2 * 3600 * 1000);
  EXPECT_EQ(FromMilliseconds(ToMilliseconds(before)), before);
}

TEST(ManualClock, AdvancesAcrossMidnight) {
  ManualClock clock(EncodeDateTime({2026, 12, 31}, {23, 59, 59, 500}));
  clock.Advance(600);
  EXPECT_EQ(DecodeDate(clock.Now()), (CivilDate{2027, 1, 1}));
  EXPECT_EQ(DecodeTime(clock.Now()), (TimeOfDay{0, 0, 0, 100}));
}

}  // namespace
}  // namespace zorvat
