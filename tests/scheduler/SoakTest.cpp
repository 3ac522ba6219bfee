// Thirty simulated days of random lists through the virtual timers: every occurrence that falls
// due runs exactly once.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>

#include "scheduler/SchedulerDoubles.h"
#include "scheduler/VirtualTimers.h"

namespace zorvat::testing {
namespace {

constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::int64_t kUnixEpochDay = 25569;

class YesPrompts : public Prompts {
 public:
  PromptAnswer Show(const std::string&, const std::string&, PromptIcon, PromptButtons b) override {
    return b == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Yes;
  }
};

class RunCounter : public TaskLog {
 public:
  void Record(const TaskReport& r) override {
    if (r.what == TaskEvent::Ran) {
      ++runs[{ToMilliseconds(r.task.time), r.task.operand1}];
      const std::int64_t lateness = ToMilliseconds(r.at) - ToMilliseconds(r.task.time);
      maxLateness = std::max(maxLateness, lateness);
      if (ToMilliseconds(r.task.time) >= settledFrom) {
        maxSettledLateness = std::max(maxSettledLateness, lateness);
      }
    } else if (r.what != TaskEvent::Asked) {
      ++others;
    }
  }
  std::map<std::pair<std::int64_t, std::string>, int> runs;
  int others = 0;
  std::int64_t maxLateness = 0;
  std::int64_t settledFrom = 0;  // local milliseconds: from here on every task starts on time
  std::int64_t maxSettledLateness = 0;
};

struct RandomLists {
  EventLists lists;
  LiveSettings settings;
  // Every occurrence from `first` to `last` (days since 1899-12-30), by instant and name.
  std::map<std::pair<std::int64_t, std::string>, int> Expected(int first, int last) const;
};

std::map<std::pair<std::int64_t, std::string>, int> RandomLists::Expected(int first,
                                                                          int last) const {
  std::map<std::pair<std::int64_t, std::string>, int> expected;
  for (const EventKind kind : kAllKinds) {
    const EventList& list = lists[kind];
    for (std::size_t i = 0; i < list.Count(); ++i) {
      const EventRecord& r = list[i];
      if (kind == EventKind::General) {
        expected[{ToMilliseconds(r.task.time), r.task.operand1}] = 1;
        continue;
      }
      for (int day = first; day <= last; ++day) {
        const bool onDay = kind == EventKind::Daily ||
                           (kind == EventKind::Weekly && DayOfWeek(day) == settings.weekDay) ||
                           (kind == EventKind::Monthly && DecodeDate(day).day == settings.monthDay);
        if (onDay) {
          expected[{day * kDayMs + ToMilliseconds(r.task.time), r.task.operand1}] = 1;
        }
      }
    }
  }
  return expected;
}

DateTime RandomTimeOfDay(std::mt19937& random) {
  // A third of the events sit on the edges of hours and days, where look-ahead used to fail.
  std::uniform_int_distribution<int> hour(0, 23), minute(0, 59), second(0, 59), edge(0, 2);
  if (edge(random) == 0) {
    const int s = std::uniform_int_distribution<int>(0, 3)(random);
    return EncodeTime(hour(random), 0, s, 0);
  }
  return EncodeTime(hour(random), minute(random), second(random), 0);
}

RandomLists MakeLists(std::mt19937& random, int firstDay, int days) {
  RandomLists made;
  made.settings.weekDay =
      static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 7)(random));
  made.settings.monthDay =
      static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 31)(random));
  std::uniform_int_distribution<int> kind(0, 3), command(2, 10), coin(0, 1), day(2, days - 2);
  for (int k = 0; k < 300; ++k) {
    const auto kindOf = static_cast<EventKind>(kind(random));
    DateTime time = RandomTimeOfDay(random);
    if (kindOf == EventKind::General) {
      time += firstDay + day(random);
    }
    made.lists[kindOf].Append({time, static_cast<std::uint8_t>(command(random)),
                               "e" + std::to_string(k), "", coin(random) == 1, true, false});
  }
  return made;
}

TEST(Soak, ThirtyDaysOfRandomListsRunEveryOccurrenceExactlyOnce) {
  std::mt19937 random(20240301);
  const int firstDay = static_cast<int>(EncodeDate(2024, 2, 20));
  constexpr int kDays = 30;
  RandomLists made = MakeLists(random, firstDay, kDays);

  YesPrompts prompts;
  RecordingShell shell;
  FakeSoundPlayer sound;
  RunCounter counter;
  const std::int64_t startMs = (firstDay - kUnixEpochDay) * kDayMs;
  counter.settledFrom = firstDay * kDayMs + 60'000;
  VirtualTimers timers({startMs, UtcAsLocal, 400, 7});
  Scheduler scheduler(
      made.lists, made.settings,
      {timers.LocalClock(), prompts, shell, sound, timers, [] { return 0; }, &counter});
  scheduler.SetActive(true);

  const std::uint16_t periods[] = {5000, 17000, 30000, 60000, 0, 65535, 2500, 9000};
  for (int d = 0; d < kDays; ++d) {
    made.settings.mainTimerPeriod =
        periods[std::uniform_int_distribution<std::size_t>(0, std::size(periods) - 1)(random)];
    timers.Run(scheduler, startMs + (d + 1) * kDayMs, prompts);
  }

  // Those at the very start come in late but within the minute; those of the day after the
  // last are filed but not yet due.
  auto expected = made.Expected(firstDay, firstDay + kDays - 1);
  std::erase_if(expected,
                [&](const auto& item) { return item.first.first >= (firstDay + kDays) * kDayMs; });
  ASSERT_GT(expected.size(), 1000u);
  EXPECT_EQ(counter.runs, expected);
  EXPECT_EQ(counter.others, 0);
  EXPECT_LE(counter.maxLateness, 60'000);
  // Once the first scan has run, a task starts in the hot timer's beat after its second, even
  // with every tick up to 400 ms late.
  EXPECT_LE(counter.maxSettledLateness, Scheduler::kHotPhase + Scheduler::kHotDrift + 400);
}

}  // namespace
}  // namespace zorvat::testing
