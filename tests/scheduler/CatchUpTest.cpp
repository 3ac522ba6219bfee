// Events that fall due while the computer sleeps or Zorvat is not running.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Error.h"
#include "events/EventRecord.h"
#include "scheduler/MissedEventRows.h"
#include "scheduler/Scheduler.h"
#include "scheduler/SchedulerDoubles.h"
#include "scheduler/VirtualTimers.h"

namespace zorvat::testing {
namespace {

class KeptStamps final : public StampStore {
 public:
  void Write(const HandledStamp& stamp) override {
    if (refusals > 0) {
      --refusals;
      throw Error("Zorvat.stamp is held by another program.");
    }
    last = stamp;
  }
  std::optional<HandledStamp> last;
  int refusals = 0;  // the next writes refused
};

class CountingView final : public MissedEventsView {
 public:
  void ShowMissed() override { ++shows; }
  int shows = 0;
};

class RecordingWake final : public WakeAlarm {
 public:
  void Arm(std::optional<DateTime> at) override { armed.push_back(at); }
  std::vector<std::optional<DateTime>> armed;
};

// Copies take a look at the stamp on disk in the moment they run.
class StampWatchingShell final : public RecordingShell {
 public:
  explicit StampWatchingShell(const KeptStamps& stamps) : stamps_(stamps) {}
  void CopyFileForced(const std::string& source, const std::string& target) override {
    stampWhileCopying = stamps_.last;
    RecordingShell::CopyFileForced(source, target);
  }
  std::optional<HandledStamp> stampWhileCopying;

 private:
  const KeptStamps& stamps_;
};

HandledStamp Stamp(DateTime upTo) {
  return {ToMilliseconds(upTo), {}, {}};
}

struct Rig {
  Rig() : shell(stamps), scheduler(lists, settings, Ports()) {}

  SchedulerPorts Ports() {
    SchedulerPorts ports{clock, prompts, shell, sound, timers, [] { return 0; }, &log};
    ports.stamp = &stamps;
    ports.missedView = &view;
    ports.wake = &wake;
    return ports;
  }
  static DateTime At(int month, int day, int hour, int minute, int second = 0) {
    return EncodeDateTime({2024, month, day}, {hour, minute, second, 0});
  }
  // Starts at `now` with the stamp of an earlier run.
  void Start(DateTime now, const std::optional<HandledStamp>& stamp = std::nullopt) {
    clock.Set(now);
    scheduler.SetActive(true);
    scheduler.CatchUpSince(stamp);
  }
  // Every timer the scheduler armed ticks at its interval, and none that it stopped.
  void RunFor(std::int64_t ms) { timers.Run(scheduler, timers.NowMs() + ms, prompts); }
  // The first box shown stays open for `ms` (the user is away); `then` looks on before it closes.
  void AwayAtTheFirstBox(std::int64_t ms, std::function<void()> then = {}) {
    prompts.onShow = [this, ms, then = std::move(then)](const ScriptedPrompts::Shown&) {
      Rig* const rig = this;  // the handler ends itself: only what it copied may be used after
      const std::function<void()> after = then;
      const std::int64_t away = ms;
      rig->prompts.onShow = nullptr;
      rig->RunFor(away);
      if (after) {
        after();
      }
    };
  }
  void Add(EventKind kind, DateTime time, std::uint8_t command, std::string op1,
           std::string op2 = {}) {
    lists[kind].Append({{time, command, std::move(op1), std::move(op2), false}, true, false});
  }

  ManualClock clock;
  ScriptedPrompts prompts;
  KeptStamps stamps;
  StampWatchingShell shell;
  FakeSoundPlayer sound;
  VirtualTimers timers{clock};
  RecordingLog log;
  CountingView view;
  RecordingWake wake;
  EventLists lists;
  LiveSettings settings;
  Scheduler scheduler;
};

// The machine sleeps from 10:01 until the given time; a daily message and a copy are due at
// 10:05:00.
TEST(CatchUp, AsleepOverEventsListsThemOnceAndRunsNothingLaterThanAMinute) {
  struct Case {
    DateTime wake;
    bool runs;  // at most a minute late they run as a late tick would run them
  };
  for (const Case& c : {Case{Rig::At(3, 1, 10, 5, 30), true}, Case{Rig::At(3, 1, 10, 6, 1), false},
                        Case{Rig::At(3, 3, 9, 0), false}}) {
    Rig rig;
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
    rig.Start(Rig::At(3, 1, 10, 0));
    rig.RunFor(60'000);
    rig.clock.Set(c.wake);
    rig.RunFor(180'000);
    const MissedEvents& missed = rig.scheduler.Missed();
    if (c.runs) {
      EXPECT_EQ(rig.shell.calls.size(), 1u);
      EXPECT_TRUE(missed.Empty());
      EXPECT_EQ(rig.view.shows, 0);
      continue;
    }
    EXPECT_TRUE(rig.shell.calls.empty());
    EXPECT_TRUE(rig.prompts.shown.empty());  // no box: the window lists the message
    EXPECT_EQ(rig.view.shows, 1);
    ASSERT_EQ(missed.Rows().size(), 2u);
    EXPECT_EQ(missed.Rows()[0].task.operand1, "Tea");
    EXPECT_EQ(rig.log.Lines(TaskEvent::Late).size(), c.wake > Rig::At(3, 2, 10, 5) ? 2u : 1u);
    EXPECT_EQ(rig.log.Lines(TaskEvent::Listed).size(), rig.log.Lines(TaskEvent::Late).size());
  }
}

TEST(CatchUp, AsleepOverNothingOrOverASummerTimeChangeShowsNothing) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
  rig.Add(EventKind::Daily, EncodeTime(2, 30, 0, 0), kCmdDeleteFile, "x");
  rig.clock.SetUtcOffset(3'600'000);
  rig.Start(Rig::At(3, 31, 1, 59, 0));
  rig.RunFor(59'500);
  // Summer time: local time jumps an hour while half a second passes.
  rig.clock.Set(Rig::At(3, 31, 3, 0, 0));
  rig.clock.SetUtcOffset(7'200'000);
  rig.RunFor(10'000);
  EXPECT_EQ(rig.shell.calls, (std::vector<std::string>{"delete x"}));
  rig.clock.Set(Rig::At(3, 31, 9, 0));  // asleep, nothing due meanwhile
  rig.RunFor(10'000);
  EXPECT_EQ(rig.view.shows, 0);
  EXPECT_TRUE(rig.scheduler.Missed().Empty());
}

// Set back a day after a start that looked back from its stamp: what comes round again runs,
// and the next sleep is noticed.
TEST(CatchUp, AClockSetBackRunsWhatComesRoundAgainAndNoticesTheNextSleep) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
  rig.Add(EventKind::Daily, EncodeTime(10, 0, 20, 0), kCmdCopyFile, "a.txt", "b.txt");
  rig.Start(Rig::At(3, 2, 10, 0), Stamp(Rig::At(3, 2, 9, 0)));
  rig.RunFor(10'000);
  rig.clock.Set(Rig::At(3, 1, 10, 0));
  rig.RunFor(30'000);
  EXPECT_EQ(rig.shell.calls.size(), 1u);
  rig.clock.Set(Rig::At(3, 1, 11, 0));  // asleep over 10:05
  rig.RunFor(10'000);
  EXPECT_EQ(rig.log.Lines(TaskEvent::Late).size(), 1u);
}

TEST(CatchUp, OffShowsNothingAndTheWaitingTasksWindowTellsWhatWasMissed) {
  Rig rig;
  rig.settings.catchUp = false;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
  rig.Start(Rig::At(3, 1, 10, 0));
  rig.RunFor(10'000);
  rig.clock.Set(Rig::At(3, 1, 11, 0));
  rig.RunFor(10'000);
  EXPECT_EQ(rig.view.shows, 0);
  EXPECT_TRUE(rig.shell.calls.empty());
  EXPECT_EQ(rig.log.Lines(TaskEvent::Missed).size(), 2u);
  EXPECT_EQ(MissedEventsNote(rig.scheduler.Missed()), "2 missed events");
}

// Closed from 1 March 10:00 (the stamp) until `days` later at 10:07; a daily message at 10:05.
TEST(CatchUp, ClosedLooksBackAtMostItsBoundAndSkipsWhatRan) {
  struct Case {
    int daysClosed;
    int bound;
    bool ranOnThe2nd;
    int count;
  };
  for (const Case& c : {Case{3, 7, false, 4}, Case{3, 7, true, 3}, Case{7, 7, false, 7},
                        Case{8, 7, false, 7}, Case{8, 8, false, 8}}) {
    Rig rig;
    rig.settings.catchUpDays = static_cast<std::uint16_t>(c.bound);
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
    HandledStamp stamp = Stamp(Rig::At(3, 1, 10, 0));
    if (c.ranOnThe2nd) {
      stamp.ran.push_back({Rig::At(3, 2, 10, 5), kCmdMessage, "Tea", "", false});
    }
    rig.Start(Rig::At(3, 1 + c.daysClosed, 10, 7), stamp);
    ASSERT_EQ(rig.scheduler.Missed().Rows().size(), 1u) << c.daysClosed << " " << c.bound;
    const MissedEvent& row = rig.scheduler.Missed().Rows()[0];
    EXPECT_EQ(row.count, c.count) << c.daysClosed << " " << c.bound;
    EXPECT_EQ(row.task.time, Rig::At(3, 1 + c.daysClosed, 10, 5));
    EXPECT_EQ(rig.view.shows, 1);
    // The next run knows that the catch-up was done.
    Rig next;
    next.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
    next.Start(Rig::At(3, 1 + c.daysClosed, 10, 8), rig.stamps.last);
    EXPECT_TRUE(next.scheduler.Missed().Empty());
  }
}

// A crash may come at any instant. Before the stamp holds the task it has not run, and runs or
// is listed; once the stamp says it is about to run, it may have, so it is listed as such and
// never run again by itself; once the stamp says it started, it is neither. A beat that came
// late (a busy machine) gives no beat before: the intent is written just before the task.
TEST(CatchUp, AfterACrashATaskIsRunOrListedOnceAndNeverRunAgain) {
  for (const bool lateBeat : {false, true}) {
    Rig rig;
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
    rig.Start(Rig::At(3, 1, 10, 4, 50));
    const std::optional<HandledStamp> before = rig.stamps.last;
    rig.RunFor(lateBeat ? 9'000 : 9'530);  // the beat before the second comes at 10:04:59.520
    ASSERT_TRUE(rig.shell.calls.empty());
    const std::optional<HandledStamp> beatBefore = rig.stamps.last;
    if (lateBeat) {
      rig.clock.Advance(2'000);
      rig.scheduler.OnHotTick();
    } else {
      rig.RunFor(5'500);
    }
    ASSERT_EQ(rig.shell.calls.size(), 1u);
    struct Restart {
      std::optional<HandledStamp> stamp;
      std::size_t listed;
      bool uncertain;
    };
    for (const Restart& r :
         {Restart{beatBefore, 1u, !lateBeat}, Restart{rig.shell.stampWhileCopying, 1u, true},
          Restart{rig.stamps.last, 0u, false}, Restart{before, 1u, false}}) {
      for (const DateTime restart : {Rig::At(3, 1, 10, 5, 4), Rig::At(3, 1, 10, 30)}) {
        Rig restarted;
        restarted.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
        restarted.Start(restart, r.stamp);
        restarted.RunFor(70'000);
        const bool soon = restart < Rig::At(3, 1, 10, 6);
        // Seconds after its second a task not known to have started runs, as a late beat runs it.
        const bool runs = soon && r.listed == 1 && !r.uncertain;
        const std::vector<MissedEvent>& rows = restarted.scheduler.Missed().Rows();
        EXPECT_EQ(restarted.shell.calls.size(), runs ? 1u : 0u) << lateBeat << soon;
        ASSERT_EQ(rows.size(), runs ? 0u : r.listed) << lateBeat << soon;
        if (!rows.empty()) {
          EXPECT_EQ(rows[0].uncertain, r.uncertain) << lateBeat << soon;
        }
      }
    }
  }
}

// A copy that asks first has its question open when the session ends (the orderly stamp) or
// Zorvat is killed (the stamp of the tick before): nobody answered, so the next start lists it
// as not run, and no question comes twice.
TEST(CatchUp, AQuestionOpenAtTheEndIsListedAsNotRun) {
  for (const bool sessionEnds : {true, false}) {
    Rig rig;
    rig.lists[EventKind::Daily].Append(
        {{EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt", true}, true, false});
    rig.Start(Rig::At(3, 1, 10, 4, 50));
    std::optional<HandledStamp> atTheEnd;
    rig.prompts.Answer(PromptAnswer::Yes);  // when the user comes back, too late for the next run
    rig.AwayAtTheFirstBox(20'000, [&] {
      if (sessionEnds) {
        rig.scheduler.SaveStamp();
      }
      atTheEnd = rig.stamps.last;
    });
    rig.RunFor(15'000);
    ASSERT_TRUE(atTheEnd);
    Rig next;
    next.lists[EventKind::Daily].Append(
        {{EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt", true}, true, false});
    next.Start(Rig::At(3, 1, 10, 30), atTheEnd);
    ASSERT_EQ(next.scheduler.Missed().Rows().size(), 1u) << sessionEnds;
    EXPECT_EQ(MissedEventRows(next.scheduler.Missed(), RegionalFormats::EnUs())[0].state,
              "Not run");
    EXPECT_TRUE(next.prompts.shown.empty());
  }
}

// What a user meets around a sleep, a switch and a failure, each of which once went unnoticed.
TEST(CatchUp, SleepSwitchAndFailureTellWhatHappenedOnce) {
  {  // asleep at 10:04:50 with the 10:05 copy already waiting: missed once, not twice
    Rig rig;
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
    rig.Start(Rig::At(3, 1, 10, 4, 40));
    rig.RunFor(10'000);
    ASSERT_EQ(rig.scheduler.HotEntries().Waiting(), 1u);
    rig.clock.Set(Rig::At(3, 1, 11, 0));
    rig.RunFor(10'000);
    const auto rows = MissedEventRows(rig.scheduler.Missed(), RegionalFormats::EnUs());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].count, "once");
    EXPECT_EQ(rig.view.shows, 1);
  }
  {  // switched off from 10:00 to 12:00 over a 10:30 event: nobody wanted it
    Rig rig;
    rig.Add(EventKind::Daily, EncodeTime(10, 30, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
    rig.Start(Rig::At(3, 1, 9, 59, 50));
    rig.RunFor(10'000);
    rig.scheduler.SetActive(false);
    rig.RunFor(2 * 3'600'000);
    rig.scheduler.SetActive(true);
    rig.RunFor(60'000);
    EXPECT_TRUE(rig.scheduler.Missed().Empty());
    EXPECT_EQ(rig.view.shows, 0);
    EXPECT_TRUE(rig.shell.calls.empty());
  }
  {  // a daily copy fails two days running: each day's failure shows its box
    Rig rig;
    rig.shell.copyFails = true;
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
    rig.Start(Rig::At(3, 1, 10, 4, 50));
    rig.RunFor(30'000);
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    rig.RunFor(24 * 3'600'000);
    ASSERT_EQ(rig.prompts.shown.size(), 2u);
    EXPECT_EQ(rig.prompts.shown[1].text, rig.prompts.shown[0].text);
  }
}

// Summer time moves the clock two hours at the most: a jump of two runs what it skipped, as
// summer time does; a jump of three is a change of zone and lists it.
TEST(CatchUp, AJumpOfTwoHoursRunsWhatItSkippedAndOfThreeListsIt) {
  for (const int hours : {2, 3}) {
    Rig rig;
    rig.Add(EventKind::Daily, EncodeTime(11, 0, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
    rig.Start(Rig::At(3, 1, 9, 59, 50));
    rig.RunFor(10'000);
    rig.clock.Set(Rig::At(3, 1, 10 + hours, 0, 0));
    rig.clock.SetUtcOffset(hours * 3'600'000);
    rig.RunFor(70'000);
    EXPECT_EQ(rig.shell.calls.size(), hours == 2 ? 1u : 0u) << hours;
    EXPECT_EQ(rig.scheduler.Missed().Rows().size(), hours == 2 ? 0u : 1u) << hours;
  }
}

// The clock jumps ahead while nobody looks at it, with a copy and an end of the session due
// in between: both are listed, neither runs late as summer time's skipped hour would.
//   asleep over the night summer time begins (31 March 2024, 02:00 becomes 03:00), woken at 8;
//   the zone changes from New York to Berlin at 20:30, so the clock reads 02:30.
TEST(CatchUp, AJumpNobodySawListsWhatItSkipsAndRunsNone) {
  struct Case {
    DateTime start, after;
    int offsetBefore, offsetAfter;  // hours
    DateTime copy, logOff;
    bool resume;
  };
  for (const Case& c : {Case{Rig::At(3, 30, 23, 0), Rig::At(3, 31, 8, 0), 1, 2,
                             EncodeTime(7, 30, 0, 0), EncodeTime(7, 40, 0, 0), true},
                        Case{Rig::At(3, 1, 20, 30), Rig::At(3, 2, 2, 30, 10), -5, 1,
                             EncodeTime(23, 0, 0, 0), EncodeTime(22, 0, 0, 0), false}}) {
    Rig rig;
    rig.Add(EventKind::Daily, c.copy, kCmdCopyFile, "a.txt", "b.txt");
    rig.Add(EventKind::Daily, c.logOff, kCmdLogOff, "");
    rig.clock.SetUtcOffset(c.offsetBefore * 3'600'000);
    rig.Start(c.start);
    rig.RunFor(10'000);
    rig.clock.Set(c.after);
    rig.clock.SetUtcOffset(c.offsetAfter * 3'600'000);
    if (c.resume) {
      rig.scheduler.OnResume();
    }
    rig.RunFor(10'000);
    EXPECT_EQ(rig.scheduler.Missed().Rows().size(), 2u) << c.offsetBefore;
    EXPECT_TRUE(rig.shell.calls.empty()) << ::testing::PrintToString(rig.shell.calls);
  }
}

// The clock stood a month ahead when Zorvat last ran and was set right while it was closed.
// The clock stood a month ahead when Zorvat last ran and was set right while it was closed: the
// next sleep is still noticed, and what ran by the wrong clock comes round again and runs.
TEST(CatchUp, AStampAheadOfTheClockHidesNoLaterSleepOrEvent) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
  rig.Add(EventKind::Daily, EncodeTime(10, 0, 5, 0), kCmdCopyFile, "a.txt", "b.txt");
  HandledStamp ahead = Stamp(Rig::At(4, 1, 9, 0));
  ahead.ran.push_back({Rig::At(4, 1, 10, 0, 5), kCmdCopyFile, "a.txt", "b.txt", false});
  rig.Start(Rig::At(3, 1, 10, 0), ahead);
  rig.RunFor(10'000);
  EXPECT_EQ(rig.shell.calls.size(), 1u);
  rig.clock.Set(Rig::At(3, 1, 11, 0));  // asleep over 10:05
  rig.scheduler.OnResume();
  EXPECT_EQ(rig.scheduler.Missed().Rows().size(), 1u);
  rig.clock.Set(Rig::At(4, 1, 10, 0));
  rig.RunFor(10'000);
  EXPECT_EQ(rig.shell.calls.size(), 2u);
}

// A box of the start (a list that cannot be found) stays open while the scheduler already
// ticks: the stamp keeps the last run's mark, and adds what ran meanwhile. A session that ends
// inside the box leaves both for the next start; after the box the catch-up lists what fell
// while Zorvat was closed, and not what ran meanwhile.
TEST(CatchUp, TicksInsideABoxOfTheStartKeepTheLastRunsStamp) {
  const auto events = [](Rig& rig) {
    rig.Add(EventKind::Daily, EncodeTime(9, 30, 0, 0), kCmdMessage, "Tea");
    rig.Add(EventKind::Daily, EncodeTime(10, 0, 30, 0), kCmdCopyFile, "a.txt", "b.txt");
  };
  Rig rig;
  events(rig);
  const HandledStamp closed = Stamp(Rig::At(3, 1, 9, 0));
  rig.stamps.last = closed;
  rig.clock.Set(Rig::At(3, 1, 10, 0));
  rig.scheduler.KeepLastRun(closed);
  rig.scheduler.SetActive(true);
  rig.RunFor(60'000);
  ASSERT_EQ(rig.shell.calls.size(), 1u);
  rig.scheduler.SaveStamp();
  ASSERT_EQ(rig.stamps.last->handledUpTo, closed.handledUpTo);
  Rig next;
  events(next);
  next.Start(Rig::At(3, 1, 10, 2), rig.stamps.last);
  ASSERT_EQ(next.scheduler.Missed().Rows().size(), 1u);
  EXPECT_EQ(next.scheduler.Missed().Rows()[0].task.time, Rig::At(3, 1, 9, 30));
  EXPECT_TRUE(next.shell.calls.empty());

  rig.scheduler.CatchUpSince(closed);
  ASSERT_EQ(rig.scheduler.Missed().Rows().size(), 1u);
  EXPECT_EQ(rig.scheduler.Missed().Rows()[0].task.time, Rig::At(3, 1, 9, 30));
  EXPECT_EQ(rig.shell.calls.size(), 1u);
  EXPECT_GT(rig.stamps.last->handledUpTo, closed.handledUpTo);
}

// A refused stamp write is shown once; while its box is open the timers go on, so a task due
// meanwhile runs on time, whether the refusal came at a scan or just before the task.
TEST(CatchUp, TasksRunWhileARefusedStampWriteIsShown) {
  for (const bool beforeTheTask : {false, true}) {
    Rig rig;
    rig.Add(EventKind::Daily, EncodeTime(10, 25, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
    rig.Start(beforeTheTask ? Rig::At(3, 1, 10, 24, 50) : Rig::At(3, 1, 10, 0));
    rig.RunFor(beforeTheTask ? 9'000 : 5 * 60'000 - 5'000);
    rig.stamps.refusals = 1;
    std::size_t copiesWhileShown = 0;
    rig.AwayAtTheFirstBox(30 * 60'000, [&] { copiesWhileShown = rig.shell.calls.size(); });
    rig.RunFor(10'000);
    ASSERT_EQ(rig.prompts.shown.size(), 1u) << beforeTheTask;
    EXPECT_EQ(rig.prompts.shown[0].text, "Zorvat.stamp is held by another program.");
    EXPECT_EQ(copiesWhileShown, 1u) << beforeTheTask;
    EXPECT_TRUE(rig.scheduler.Missed().Empty()) << beforeTheTask;
  }
}

// A task that fails shows its box after the tick: while the box is open the other task of that
// second and the later one still run, and the same failure again (an alert whose file is gone)
// gives no second box.
TEST(CatchUp, TasksRunWhileAFailedTasksBoxIsOpen) {
  Rig rig;
  rig.sound.unplayable.insert("missing.wav");
  for (const int minute : {5, 6}) {
    rig.Add(EventKind::Daily, EncodeTime(10, minute, 0, 0), kCmdAlert, "missing.wav");
  }
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdDeleteFile, "x");
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 30, 0), kCmdCopyFile, "a.txt", "b.txt");
  rig.Start(Rig::At(3, 1, 10, 4, 30));
  rig.AwayAtTheFirstBox(120'000);
  rig.RunFor(60'000);
  rig.RunFor(60'000);
  EXPECT_EQ(rig.prompts.shown.size(), 1u);
  EXPECT_EQ(rig.shell.calls, (std::vector<std::string>{"delete x", "copy a.txt -> b.txt"}));
  EXPECT_EQ(rig.log.Lines(TaskEvent::Ran).size(), 4u);
  EXPECT_TRUE(rig.scheduler.Missed().Empty());
}

// A second click on Run while the first one's question is open runs nothing.
TEST(CatchUp, RunLateClickedAgainWhileItsQuestionIsOpenRunsOnce) {
  Rig rig;
  rig.lists[EventKind::Daily].Append(
      {{EncodeTime(10, 5, 0, 0), kCmdDeleteFile, "x", "", true}, true, false});
  rig.Start(Rig::At(3, 1, 11, 0), Stamp(Rig::At(3, 1, 10, 0)));
  rig.prompts.Answer(PromptAnswer::Yes);
  rig.prompts.Answer(PromptAnswer::Yes);
  bool second = true;
  rig.prompts.onShow = [&](const ScriptedPrompts::Shown&) {
    rig.prompts.onShow = nullptr;
    second = rig.scheduler.RunLate(0);
  };
  EXPECT_TRUE(rig.scheduler.RunLate(0));
  EXPECT_FALSE(second);
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
}

TEST(CatchUp, ASchedulerSwitchedOffAtTheStartCatchesNothingUp) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdCopyFile, "a.txt", "b.txt");
  rig.Add(EventKind::Daily, EncodeTime(9, 30, 0, 0), kCmdMessage, "Tea");
  rig.clock.Set(Rig::At(3, 1, 10, 5, 30));
  rig.scheduler.CatchUpSince(Stamp(Rig::At(3, 1, 9, 0)));
  rig.RunFor(60'000);
  EXPECT_TRUE(rig.scheduler.Missed().Empty());
  EXPECT_TRUE(rig.shell.calls.empty());
}

TEST(CatchUp, RunLateAsksWhenTheEventAsksAndNeverEndsTheSession) {
  Rig rig;
  rig.lists[EventKind::Daily].Append(
      {{EncodeTime(10, 5, 0, 0), kCmdDeleteFile, "x", "", true}, true, false});
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdLogOff, "");
  rig.Start(Rig::At(3, 1, 11, 0), Stamp(Rig::At(3, 1, 10, 0)));
  ASSERT_EQ(rig.scheduler.Missed().Rows().size(), 2u);
  rig.prompts.Answer(PromptAnswer::No);
  rig.prompts.Answer(PromptAnswer::Yes);
  EXPECT_FALSE(rig.scheduler.RunLate(0));
  EXPECT_TRUE(rig.scheduler.RunLate(0));
  EXPECT_FALSE(rig.scheduler.RunLate(0));  // once
  EXPECT_FALSE(rig.scheduler.RunLate(1));
  EXPECT_EQ(rig.shell.calls, (std::vector<std::string>{"delete x"}));
  EXPECT_EQ(rig.prompts.shown.size(), 2u);
}

TEST(CatchUp, WakeTimerFollowsTheNextOccurrenceOnlyWhileWakingIsOn) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "Tea");
  rig.Start(Rig::At(3, 1, 10, 0));
  rig.RunFor(10'000);
  EXPECT_TRUE(rig.wake.armed.empty() ||
              rig.wake.armed == std::vector<std::optional<DateTime>>{std::nullopt});
  rig.settings.wakeForEvents = true;
  rig.RunFor(600'000);
  rig.settings.wakeForEvents = false;
  rig.RunFor(5'000);
  std::erase(rig.wake.armed, std::optional<DateTime>());
  EXPECT_EQ(rig.wake.armed,
            (std::vector<std::optional<DateTime>>{Rig::At(3, 1, 10, 5), Rig::At(3, 2, 10, 5)}));
}

// Far enough ahead for a monthly event on the 31st; nothing while the scheduler is switched off.
TEST(CatchUp, WakeTimerReachesTheNextThirtyFirstAndRestsWhileSwitchedOff) {
  Rig rig;
  rig.settings.monthDay = 31;
  rig.settings.wakeForEvents = true;
  rig.Add(EventKind::Monthly, EncodeTime(9, 0, 0, 0), kCmdMessage, "Rent");
  rig.Start(Rig::At(4, 1, 10, 0));
  rig.RunFor(10'000);
  ASSERT_FALSE(rig.wake.armed.empty());
  EXPECT_EQ(rig.wake.armed.back(), Rig::At(5, 31, 9, 0));
  rig.scheduler.SetActive(false);
  rig.RunFor(10'000);
  EXPECT_EQ(rig.wake.armed.back(), std::nullopt);
}

}  // namespace
}  // namespace zorvat::testing
