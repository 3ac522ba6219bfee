#include "scheduler/DueScan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zorvat {
namespace {

DateTime At(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
  return EncodeDateTime({year, month, day}, {hour, minute, second, ms});
}

DateTime Clock(int hour, int minute, int second, int ms = 0) {
  return EncodeTime(hour, minute, second, ms);
}

struct DueCase {
  const char* name;
  EventKind kind;
  DateTime eventTime;  // recurring kinds: a time of day (no date)
  DateTime now;
  int weekDay;
  int monthDay;
  std::optional<DateTime> offered;  // the instant offered, if any
};

// 2024-03-01 is a Friday (weekday 6); 2024-02-29 a Thursday. Built on first use: encoding a
// date needs the date library initialised.
std::vector<DueCase> DueCases() {
  return {
      {"DailyFromStartOfMinuteBefore", EventKind::Daily, Clock(10, 5, 30), At(2024, 3, 1, 10, 4, 0),
       6, 1, At(2024, 3, 1, 10, 5, 30)},
      {"DailyNotBeforeMinuteBefore", EventKind::Daily, Clock(10, 5, 30),
       At(2024, 3, 1, 10, 3, 59, 999), 6, 1, std::nullopt},
      {"DailyUntilEndOfItsMinute", EventKind::Daily, Clock(10, 5, 30),
       At(2024, 3, 1, 10, 5, 59, 999), 6, 1, At(2024, 3, 1, 10, 5, 30)},
      {"DailyNotAfterItsMinute", EventKind::Daily, Clock(10, 5, 30), At(2024, 3, 1, 10, 6, 0), 6, 1,
       std::nullopt},
      {"DailyAcrossTheHour", EventKind::Daily, Clock(11, 0, 2), At(2024, 3, 1, 10, 59, 10), 6, 1,
       At(2024, 3, 1, 11, 0, 2)},
      {"DailyAcrossMidnightIsTomorrows", EventKind::Daily, Clock(0, 0, 10),
       At(2024, 3, 1, 23, 59, 30), 6, 1, At(2024, 3, 2, 0, 0, 10)},
      {"DailyDatePartIgnored", EventKind::Daily, At(1998, 7, 4, 10, 5, 30),
       At(2024, 3, 1, 10, 5, 0), 6, 1, At(2024, 3, 1, 10, 5, 30)},
      {"WeeklyOnItsDay", EventKind::Weekly, Clock(9, 0, 0), At(2024, 3, 1, 8, 59, 0), 6, 1,
       At(2024, 3, 1, 9, 0, 0)},
      {"WeeklyNotOnOtherDays", EventKind::Weekly, Clock(9, 0, 0), At(2024, 2, 29, 8, 59, 0), 6, 1,
       std::nullopt},
      {"WeeklyTomorrowAcrossMidnight", EventKind::Weekly, Clock(0, 0, 30),
       At(2024, 2, 29, 23, 59, 5), 6, 1, At(2024, 3, 1, 0, 0, 30)},
      {"WeeklyTodaysDayDoesNotCarryIntoTomorrow", EventKind::Weekly, Clock(0, 0, 30),
       At(2024, 3, 1, 23, 59, 5), 6, 1, std::nullopt},
      {"MonthlyTomorrowIsTheFirst", EventKind::Monthly, Clock(0, 0, 5), At(2024, 2, 29, 23, 59, 50),
       6, 1, At(2024, 3, 1, 0, 0, 5)},
      {"MonthlyNotOnOtherDays", EventKind::Monthly, Clock(12, 0, 0), At(2024, 3, 2, 11, 59, 30), 6,
       1, std::nullopt},
      {"Monthly31stNeverInFebruary", EventKind::Monthly, Clock(0, 0, 5),
       At(2024, 2, 29, 23, 59, 50), 6, 31, std::nullopt},
      {"SingleOnItsInstant", EventKind::General, At(2024, 3, 1, 10, 5, 30),
       At(2024, 3, 1, 10, 4, 30), 6, 1, At(2024, 3, 1, 10, 5, 30)},
      {"SingleYesterdayNever", EventKind::General, At(2024, 2, 29, 10, 5, 30),
       At(2024, 3, 1, 10, 5, 0), 6, 1, std::nullopt},
      {"SingleTomorrowSameTimeNever", EventKind::General, At(2024, 3, 2, 10, 5, 30),
       At(2024, 3, 1, 10, 5, 0), 6, 1, std::nullopt},
      {"SingleJustAfterMidnight", EventKind::General, At(2024, 3, 2, 0, 0, 20),
       At(2024, 3, 1, 23, 59, 30), 6, 1, At(2024, 3, 2, 0, 0, 20)},
      {"NewYearAcrossMidnight", EventKind::Daily, Clock(0, 0, 0), At(2024, 12, 31, 23, 59, 0), 6, 1,
       At(2025, 1, 1, 0, 0, 0)},
  };
}

class DueScanCases : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueScanCases, OffersTheOccurrenceInTheWindow) {
  const DueCase& c = GetParam();
  EventLists lists;
  lists[c.kind].Append({c.eventTime, 0, "x", "", false, true, false});
  LiveSettings settings;
  settings.weekDay = static_cast<std::uint8_t>(c.weekDay);
  settings.monthDay = static_cast<std::uint8_t>(c.monthDay);

  std::vector<DateTime> offered;
  ScanDueEvents(lists, settings, c.now,
                [&](const EventRecord&, DateTime instant) { offered.push_back(instant); });

  if (c.offered) {
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(ToMilliseconds(offered[0]), ToMilliseconds(*c.offered));
  } else {
    EXPECT_TRUE(offered.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(DueScan, DueScanCases, ::testing::ValuesIn(DueCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DueScan, SkipsInactiveAndDeletedEvents) {
  EventLists lists;
  const DateTime now = At(2024, 3, 1, 10, 4, 0);
  lists[EventKind::Daily].Append({Clock(10, 5, 0), 0, "inactive", "", false, false, false});
  lists[EventKind::Daily].Append({Clock(10, 5, 0), 0, "deleted", "", false, true, true});
  lists[EventKind::Daily].Append({Clock(10, 5, 0), 0, "live", "", false, true, false});
  std::vector<std::string> offered;
  ScanDueEvents(lists, LiveSettings{}, now,
                [&](const EventRecord& r, DateTime) { offered.push_back(r.task.operand1); });
  EXPECT_EQ(offered, std::vector<std::string>{"live"});
}

TEST(DueScan, WalksSingleDailyWeeklyMonthlyInListOrder) {
  EventLists lists;
  const DateTime now = At(2024, 3, 1, 10, 4, 0);  // a Friday, the first
  lists[EventKind::Monthly].Append({Clock(10, 4, 1), 0, "monthly", "", false, true, false});
  lists[EventKind::Weekly].Append({Clock(10, 4, 1), 0, "weekly", "", false, true, false});
  lists[EventKind::Daily].Append({Clock(10, 5, 1), 0, "daily 1", "", false, true, false});
  lists[EventKind::Daily].Append({Clock(10, 4, 1), 0, "daily 2", "", false, true, false});
  lists[EventKind::General].Append({At(2024, 3, 1, 10, 4, 1), 0, "single", "", false, true, false});
  std::vector<std::string> offered;
  ScanDueEvents(lists, LiveSettings{}, now,
                [&](const EventRecord& r, DateTime) { offered.push_back(r.task.operand1); });
  EXPECT_EQ(offered,
            (std::vector<std::string>{"single", "daily 1", "daily 2", "weekly", "monthly"}));
}

// The hour the clock skips when summer time begins, in three zones: what it holds is offered at
// its own local time; the end of the hour is the jump's end and no longer skipped.
TEST(DueScan, TheSkippedHourOffersWhatItHolds) {
  struct Zone {
    const char* name;
    CivilDate day;  // a Sunday each
  };
  for (const Zone zone :
       {Zone{"Europe/Berlin", {2024, 3, 31}}, Zone{"America/New_York", {2024, 3, 10}},
        Zone{"Australia/Sydney", {2024, 10, 6}}}) {
    const auto [y, m, d] = zone.day;
    EventLists lists;
    lists[EventKind::General].Append({At(y, m, d, 2, 10, 0), 0, "single", "", false, true, false});
    lists[EventKind::General].Append(
        {At(y, m, d, 2, 10, 0) + 1, 0, "tomorrow", "", false, true, false});
    lists[EventKind::Daily].Append({Clock(1, 59, 59), 0, "before", "", false, true, false});
    lists[EventKind::Daily].Append({Clock(2, 30, 0), 0, "daily", "", false, true, false});
    lists[EventKind::Daily].Append({Clock(3, 0, 0), 0, "after", "", false, true, false});
    lists[EventKind::Weekly].Append({Clock(2, 15, 0), 0, "weekly", "", false, true, false});
    lists[EventKind::Monthly].Append({Clock(2, 45, 0), 0, "monthly", "", false, true, false});
    LiveSettings settings;
    settings.weekDay = 1;
    settings.monthDay = static_cast<std::uint8_t>(d);
    const DueWindow skipped{ToMilliseconds(At(y, m, d, 2, 0, 0)),
                            ToMilliseconds(At(y, m, d, 3, 0, 0))};
    std::vector<std::pair<std::string, std::int64_t>> offered;
    ScanWindow(lists, settings, skipped, [&](const EventRecord& r, DateTime instant) {
      offered.emplace_back(r.task.operand1, ToMilliseconds(instant));
    });
    const std::vector<std::pair<std::string, std::int64_t>> expected = {
        {"single", ToMilliseconds(At(y, m, d, 2, 10, 0))},
        {"daily", ToMilliseconds(At(y, m, d, 2, 30, 0))},
        {"weekly", ToMilliseconds(At(y, m, d, 2, 15, 0))},
        {"monthly", ToMilliseconds(At(y, m, d, 2, 45, 0))}};
    EXPECT_EQ(offered, expected) << zone.name;
  }
}

// Every second of a whole day: a daily event is offered on exactly the ticks from the start of
// the minute before its own to the end of its own, whatever hour or day boundary lies between.
TEST(DueScan, DailyEventOfferedExactlyInItsTwoMinutesAroundTheClock) {
  for (const DateTime eventTime :
       {Clock(0, 0, 0), Clock(0, 0, 59), Clock(13, 0, 1), Clock(23, 59, 59), Clock(7, 15, 0)}) {
    EventLists lists;
    lists[EventKind::Daily].Append({eventTime, 1, "wake.wav", "", false, true, false});
    const std::int64_t event = ToMilliseconds(eventTime);
    const std::int64_t eventMinute = event - event % 60'000;
    const DateTime day = EncodeDate(2024, 3, 1);
    for (std::int64_t s = 0; s < 86'400; ++s) {
      const std::int64_t nowOfDay = s * 1000;
      int offers = 0;
      ScanDueEvents(lists, LiveSettings{}, day + FromMilliseconds(nowOfDay),
                    [&](const EventRecord&, DateTime) { ++offers; });
      // The window, wrapped around the day.
      const std::int64_t sinceStart = (nowOfDay - (eventMinute - 60'000) + 86'400'000) % 86'400'000;
      ASSERT_EQ(offers, sinceStart < 120'000 ? 1 : 0)
          << "event " << event << " ms, clock " << nowOfDay << " ms";
    }
  }
}

}  // namespace
}  // namespace zorvat
