// Occurrences over spans of any length, one row per missed event, and the stamp on disk.
#include "scheduler/Occurrences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events/EventRecord.h"
#include "scheduler/MissedEventRows.h"

namespace zorvat {
namespace {

DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return EncodeDateTime({year, month, day}, {hour, minute, second, 0});
}

struct SpanCase {
  const char* name;
  EventKind kind;
  DateTime eventTime;  // recurring kinds: a time of day
  DateTime from;
  DateTime to;
  std::vector<DateTime> expected;
};

// 2024-03-01 is a Friday; weekly events fall on Fridays (6), monthly ones on the 31st.
std::vector<SpanCase> SpanCases() {
  return {
      {"DailyEachDay",
       EventKind::Daily,
       EncodeTime(10, 5, 0, 0),
       At(2024, 3, 1),
       At(2024, 3, 4),
       {At(2024, 3, 1, 10, 5), At(2024, 3, 2, 10, 5), At(2024, 3, 3, 10, 5)}},
      {"SpanEndingWithinADay",
       EventKind::Daily,
       EncodeTime(10, 5, 0, 0),
       At(2024, 3, 1),
       At(2024, 3, 3, 10),
       {At(2024, 3, 1, 10, 5), At(2024, 3, 2, 10, 5)}},
      {"SpanFromIncludedToExcluded",
       EventKind::Daily,
       EncodeTime(10, 5, 0, 0),
       At(2024, 3, 1, 10, 5),
       At(2024, 3, 2, 10, 5),
       {At(2024, 3, 1, 10, 5)}},
      {"WeeklyOnTheWeekdayOnly",
       EventKind::Weekly,
       EncodeTime(8, 0, 0, 0),
       At(2024, 3, 1),
       At(2024, 3, 15),
       {At(2024, 3, 1, 8), At(2024, 3, 8, 8)}},
      {"MonthlySkipsAMonthWithoutDay31",
       EventKind::Monthly,
       EncodeTime(9, 0, 0, 0),
       At(2024, 4, 1),
       At(2024, 6, 1),
       {At(2024, 5, 31, 9)}},
      {"SingleOnItsDateOnly",
       EventKind::General,
       At(2024, 3, 2, 10),
       At(2024, 3, 1),
       At(2024, 3, 9),
       {At(2024, 3, 2, 10)}},
      {"SingleOutsideTheSpan",
       EventKind::General,
       At(2024, 2, 28, 10),
       At(2024, 3, 1),
       At(2024, 3, 9),
       {}},
      {"AcrossTheYearEnd",
       EventKind::Daily,
       EncodeTime(23, 59, 59, 0),
       At(2024, 12, 31, 12),
       At(2025, 1, 2, 12),
       {At(2024, 12, 31, 23, 59, 59), At(2025, 1, 1, 23, 59, 59)}},
      // Local time: the hour summer time skips counts once (it runs right after the jump), the
      // hour it repeats once.
      {"SpringChangeCountsOnce",
       EventKind::Daily,
       EncodeTime(2, 30, 0, 0),
       At(2024, 3, 31),
       At(2024, 4, 1),
       {At(2024, 3, 31, 2, 30)}},
      {"AutumnChangeCountsOnce",
       EventKind::Daily,
       EncodeTime(2, 30, 0, 0),
       At(2024, 10, 27),
       At(2024, 10, 28),
       {At(2024, 10, 27, 2, 30)}},
  };
}

TEST(Occurrences, EveryOccurrenceOfASpanByTheScansRules) {
  LiveSettings settings;
  settings.weekDay = 6;
  settings.monthDay = 31;
  for (const SpanCase& c : SpanCases()) {
    EventLists lists;
    lists[c.kind].Append({{c.eventTime, kCmdMessage, "m", "", false}, true, false});
    lists[c.kind].Append({{c.eventTime, kCmdMessage, "off", "", false}, false, false});
    std::vector<DateTime> found;
    ForEachOccurrence(lists, settings, {ToMilliseconds(c.from), ToMilliseconds(c.to)},
                      [&](EventKind kind, const Task& task) {
                        EXPECT_EQ(kind, c.kind) << c.name;
                        EXPECT_EQ(task.operand1, "m") << c.name;
                        found.push_back(task.time);
                      });
    EXPECT_EQ(found, c.expected) << c.name;
  }
}

TEST(Occurrences, NextOccurrenceLooksPastEmptyDaysWithinItsHorizon) {
  LiveSettings settings;
  settings.monthDay = 31;
  EventLists lists;
  lists[EventKind::Monthly].Append(
      {{EncodeTime(9, 0, 0, 0), kCmdAlert, "a.wav", "", false}, true, false});
  constexpr std::int64_t kDay = 86'400'000;
  const std::int64_t from = ToMilliseconds(At(2024, 4, 1));
  EXPECT_EQ(NextOccurrence(lists, settings, from, 62 * kDay), At(2024, 5, 31, 9));
  EXPECT_EQ(NextOccurrence(lists, settings, from, 30 * kDay), std::nullopt);
  // The earliest of a day, whatever the order of the list.
  lists[EventKind::Daily].Append(
      {{EncodeTime(8, 0, 0, 0), kCmdMessage, "early", "", false}, true, false});
  lists[EventKind::Daily].Append(
      {{EncodeTime(20, 0, 0, 0), kCmdMessage, "late", "", false}, true, false});
  EXPECT_EQ(NextOccurrence(lists, settings, from, kDay), At(2024, 4, 1, 8));
}

TEST(MissedEvents, OneRowPerEventWithItsCountAndLatestInstant) {
  MissedEvents missed;
  const Task daily{At(2024, 3, 1, 10, 5), kCmdMessage, "Tea", "", false};
  Task next = daily;
  next.time = At(2024, 3, 2, 10, 5);
  Task other = daily;
  other.operand1 = "Coffee";
  missed.Add(EventKind::Daily, daily);
  EXPECT_EQ(MissedEventsNote(missed), "1 missed event");
  missed.Add(EventKind::Daily, next);
  missed.Add(EventKind::Daily, other);
  missed.Add(EventKind::Weekly, daily);  // another list: another event
  ASSERT_EQ(missed.Rows().size(), 3u);
  EXPECT_EQ(missed.Rows()[0].count, 2);
  EXPECT_EQ(missed.Rows()[0].task.time, next.time);
  EXPECT_EQ(missed.Rows()[1].count, 1);
  EXPECT_EQ(missed.Rows()[2].kind, EventKind::Weekly);
  // Another second operand is another event; one that was run late takes no more misses.
  Task elsewhere = other;
  elsewhere.operand2 = "b";
  missed.Add(EventKind::Daily, elsewhere);
  missed.Rows()[1].ran = true;
  missed.Add(EventKind::Daily, other);
  ASSERT_EQ(missed.Rows().size(), 5u);
  EXPECT_EQ(missed.Rows()[1].count, 1);
  EXPECT_EQ(missed.Rows()[3].task.operand2, "b");
  EXPECT_FALSE(missed.Rows()[4].ran);
}

TEST(MissedEventRows, SayWhatBecameOfEachAndWhichMayRunLate) {
  MissedEvents missed;
  missed.Add(EventKind::Daily, {At(2024, 3, 1, 10, 5), kCmdAlert, "wake.wav", "", false});
  missed.Add(EventKind::Daily, {At(2024, 3, 2, 10, 5), kCmdAlert, "wake.wav", "", false});
  missed.Add(EventKind::General, {At(2024, 3, 1, 9), kCmdCopyFile, "a", "b", false});
  missed.Add(EventKind::Monthly, {At(2024, 3, 1, 23), kCmdLogOff, "", "", false});
  missed.Add(EventKind::Weekly, {At(2024, 3, 1, 8), kCmdMessage, "Tea", "", false});
  const std::vector<MissedEventRow> rows = MissedEventRows(missed, RegionalFormats::EnUs());
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (MissedEventRow{"3/2/2024 10:05:00 AM", "Daily", "Alert: \"wake.wav\"",
                                     "2 times", "Shown late"}));
  EXPECT_EQ(rows[1].state, "Not run");
  EXPECT_EQ(rows[2].state, "Cannot run late");
  EXPECT_EQ(rows[3].event, "Message: \"Tea\"");
  EXPECT_EQ(RunLateButtonText(missed.Rows()[0]), "Play");
  EXPECT_EQ(RunLateButtonText(missed.Rows()[1]), "Run");
  EXPECT_EQ(RunLateButtonText(missed.Rows()[2]), std::nullopt);
  EXPECT_EQ(RunLateButtonText(missed.Rows()[3]), std::nullopt);
  missed.Rows()[1].ran = true;
  EXPECT_EQ(RunLateButtonText(missed.Rows()[1]), std::nullopt);
  EXPECT_EQ(MissedEventRows(missed, RegionalFormats::EnUs())[1].state, "Run late");
  EXPECT_EQ(MissedEventsNote(missed), "4 missed events");
}

}  // namespace
}  // namespace zorvat
