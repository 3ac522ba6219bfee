// The handlers together: timer period, lateness, the execute stack, confirmations, nesting.
#include "scheduler/Scheduler.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "base/Error.h"
#include "scheduler/SchedulerDoubles.h"
#include "scheduler/SchedulerTimerTable.h"
#include "scheduler/VirtualTimers.h"

namespace zorvat::testing {
namespace {

using Rig = SchedulerRig;

// Puts a task straight into the execute stack, as the hot timer does.
void Queue(Rig& rig, std::uint8_t command, std::string op1, std::string op2 = {},
           bool query = false) {
  ASSERT_TRUE(rig.scheduler.AddToExecuteStack({rig.clock.Now(), command, op1, op2, query}));
}

TEST(Scheduler, TimerPeriodFollowsTheLiveSettingWithinItsBounds) {
  struct Case {
    std::uint16_t period;
    std::vector<std::uint32_t> armed;
  };
  const Case cases[] = {
      {5000, {}},        // the first interval already
      {3000, {3000}},    // re-armed once, not at every tick
      {0, {}},           // 0 would silence the timer for good: it keeps 5000
      {60000, {60000}},  // a minute is the longest that misses no minute
      {65535, {60000}},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.settings.mainTimerPeriod = c.period;
    rig.scheduler.OnScanTick();
    rig.scheduler.OnScanTick();
    EXPECT_EQ(rig.timers.intervals, c.armed) << c.period;
    EXPECT_EQ(rig.settings.mainTimerPeriod, c.period);
  }
}

// A WM_TIMER id must lead back to the timer that was armed with it: two timers sharing an id,
// or a table out of the enumeration's order, would let one timer's ticks run another's handler.
TEST(SchedulerTimerTable, IdsAndEntriesAgreeBothWays) {
  const SchedulerTimer timers[] = {SchedulerTimer::Scan, SchedulerTimer::Hot,
                                   SchedulerTimer::Execute, SchedulerTimer::Play,
                                   SchedulerTimer::Blink};
  ASSERT_EQ(std::size(timers), kSchedulerTimers.size());
  for (const SchedulerTimer timer : timers) {
    EXPECT_EQ(EntryOf(timer).timer, timer) << static_cast<int>(timer);
    EXPECT_EQ(SchedulerTimerWithId(EntryOf(timer).id), timer) << static_cast<int>(timer);
  }
  for (const SchedulerTimerEntry& entry : kSchedulerTimers) {
    EXPECT_EQ(SchedulerTimerWithId(entry.id), entry.timer) << entry.id;
  }
  EXPECT_EQ(SchedulerTimerWithId(0), std::nullopt);
}

TEST(Scheduler, PeriodZeroAfterAnotherReturnsToFiveSeconds) {
  Rig rig;
  rig.settings.mainTimerPeriod = 20000;
  rig.scheduler.OnScanTick();
  rig.settings.mainTimerPeriod = 0;
  rig.scheduler.OnScanTick();
  EXPECT_EQ(rig.timers.intervals, (std::vector<std::uint32_t>{20000, 5000}));
}

// With the longest period the only main tick of a minute may come after an event's second.
TEST(Scheduler, EntryFiledAfterItsSecondFiresAtOnceNotTomorrow) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(11, 0, 2, 0), kCmdDeleteFile, "x");
  rig.SetClock(Rig::At(3, 1, 11, 0, 40));
  rig.scheduler.OnScanTick();
  rig.RunFor(1'000);
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
}

// The window ends before the minute after next: sixty events at that end, filed early, would
// fill the hot stack and keep out an earlier one.
TEST(Scheduler, EventsAtTheWindowsEndDoNotCrowdOutAnEarlierOne) {
  Rig rig;
  for (int k = 0; k < 60; ++k) {
    rig.Add(EventKind::General, Rig::At(3, 1, 10, 6, 0), kCmdDeleteFile,
            "late " + std::to_string(k));
  }
  rig.Add(EventKind::General, Rig::At(3, 1, 10, 5, 30), kCmdDeleteFile, "early");
  rig.SetClock(Rig::At(3, 1, 10, 4, 30));
  rig.RunFor(61'000);
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete early"});
  rig.RunFor(60'000);
  EXPECT_EQ(rig.shell.calls.size(), 61u);
  EXPECT_TRUE(rig.log.Lines(TaskEvent::Dropped).empty());
}

// Tasks of one second: each runs, in list order, however little tells them apart.
TEST(Scheduler, TasksOfOneSecondAllRunInListOrder) {
  struct Step {
    std::uint8_t command;
    const char* operand1;
    const char* operand2;
  };
  struct Case {
    const char* name;
    std::vector<Step> list;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"only the second operand differs",
       {{kCmdCopyFile, "a.txt", "b1.txt"}, {kCmdCopyFile, "a.txt", "b2.txt"}},
       {"copy a.txt -> b1.txt", "copy a.txt -> b2.txt"}},
      {"a copy, then a delete of the same file",
       {{kCmdCopyFile, "f.txt", "g.txt"}, {kCmdDeleteFile, "f.txt", ""}},
       {"copy f.txt -> g.txt", "delete f.txt"}},
      {"a delete, then a copy of the same file",
       {{kCmdDeleteFile, "f.txt", ""}, {kCmdCopyFile, "f.txt", "g.txt"}},
       {"delete f.txt", "copy f.txt -> g.txt"}},
  };
  for (const Case& c : cases) {
    Rig rig;
    for (const Step& step : c.list) {
      rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), step.command, step.operand1,
              step.operand2);
    }
    rig.SetClock(Rig::At(3, 1, 10, 4, 30));
    rig.RunFor(60'000);
    EXPECT_EQ(rig.shell.calls, c.calls) << c.name;
  }
}

TEST(Scheduler, LateHotTickFiresUpToAMinuteLateAndMissesBeyond) {
  struct Case {
    std::int64_t lateMs;
    bool runs;
  };
  for (const Case c : {Case{0, true}, Case{59'999, true}, Case{60'000, true}, Case{60'001, false},
                       Case{3'600'000, false}}) {
    Rig rig;
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdDeleteFile, "x");
    rig.SetClock(Rig::At(3, 1, 10, 4, 30));
    rig.scheduler.OnScanTick();
    rig.clock.Advance(30'000 + c.lateMs);  // no hot tick in between, as under a hung machine
    rig.scheduler.OnHotTick();
    rig.scheduler.OnExecuteTick();
    EXPECT_EQ(rig.shell.calls.size(), c.runs ? 1u : 0u) << c.lateMs;
    // Longer than a scan period and a sleep is noticed: listed rather than missed.
    EXPECT_EQ(rig.log.Lines(TaskEvent::Missed).size() + rig.log.Lines(TaskEvent::Listed).size(),
              c.runs ? 0u : 1u)
        << c.lateMs;
    EXPECT_FALSE(rig.scheduler.HotEntries()[0].waiting) << c.lateMs;
  }
}

TEST(Scheduler, MissedEntryDoesNotComeBackTheNextDayAtTheSameTime) {
  Rig rig;
  rig.Add(EventKind::General, Rig::At(3, 1, 10, 5, 0), kCmdDeleteFile, "x");
  rig.SetClock(Rig::At(3, 1, 10, 4, 30));
  rig.scheduler.OnScanTick();
  rig.clock.Advance(120'000);
  rig.scheduler.OnHotTick();
  rig.SetClock(Rig::At(3, 2, 10, 4, 30));
  rig.RunFor(120'000);
  EXPECT_TRUE(rig.shell.calls.empty());
  EXPECT_EQ(rig.log.Lines(TaskEvent::Missed).size() + rig.log.Lines(TaskEvent::Listed).size(), 1u);
}

// Fault fixed: a task that found all six slots waiting used to be lost.
TEST(Scheduler, FullExecuteStackKeepsTheHotEntryWaiting) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdDeleteFile, "due");
  rig.SetClock(Rig::At(3, 1, 10, 4, 59, 500));
  rig.scheduler.OnScanTick();
  for (int k = 0; k < 6; ++k) {
    Queue(rig, kCmdDeleteFile, std::to_string(k));
  }
  rig.clock.Advance(500);
  rig.scheduler.OnHotTick();
  EXPECT_TRUE(rig.scheduler.HotEntries()[0].waiting);
  EXPECT_TRUE(rig.shell.calls.empty());
  rig.scheduler.OnExecuteTick();
  rig.clock.Advance(500);
  rig.scheduler.OnHotTick();
  EXPECT_EQ(rig.shell.calls.size(), 7u);
  EXPECT_EQ(rig.shell.calls.back(), "delete due");
  EXPECT_TRUE(rig.log.Lines(TaskEvent::Dropped).empty());
}

// A timer with nothing to do does not tick. The hot timer beats while an entry waits, on the
// half seconds, and the task it hands on starts in that beat, not at the next execute tick.
TEST(Scheduler, HotAndExecuteTimersRunOnlyWhileTheirStacksHoldATask) {
  Rig rig;
  rig.SetClock(Rig::At(3, 1, 10, 0, 0, 300));
  rig.scheduler.AddToHotStack({Rig::At(3, 1, 10, 0, 2), kCmdDeleteFile, "x", "", false});
  EXPECT_TRUE(rig.timers.hotRunning);
  rig.clock.Advance(220);  // 10:00:00.520, the first beat
  for (int beat = 0; beat < 3; ++beat) {
    rig.scheduler.OnHotTick();
    rig.clock.Advance(500);
  }
  EXPECT_TRUE(rig.shell.calls.empty());
  rig.clock.Advance(10);  // 10:00:02.030: a beat 10 ms late stays where it is
  rig.scheduler.OnHotTick();
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
  EXPECT_EQ(rig.timers.hotIntervals, (std::vector<std::uint32_t>{220, 500}));
  EXPECT_FALSE(rig.timers.hotRunning);
  EXPECT_FALSE(rig.timers.executeRunning);

  rig.clock.Advance(1'300);  // a beat 300 ms off the half seconds is put back
  rig.scheduler.AddToHotStack({Rig::At(3, 1, 10, 0, 5), kCmdDeleteFile, "y", "", false});
  rig.clock.Advance(rig.timers.hotIntervals.back() + 300);
  rig.scheduler.OnHotTick();
  EXPECT_EQ(rig.timers.hotIntervals.back(), 200u);

  Queue(rig, kCmdDeleteFile, "z");
  EXPECT_TRUE(rig.timers.executeRunning);
  rig.scheduler.OnExecuteTick();
  EXPECT_FALSE(rig.timers.executeRunning);
}

// Fault fixed: a slot with command 12 was never taken and blocked its slot for good.
TEST(Scheduler, CommandsWithoutActionAreFreedAndDoNotBlockTheStack) {
  Rig rig;
  for (std::uint8_t command : {12, 12, 12, 12, 12, 200}) {
    Queue(rig, command, "p");
  }
  rig.scheduler.OnExecuteTick();
  for (std::size_t i = 0; i < ExecuteStack::kSize; ++i) {
    EXPECT_FALSE(rig.scheduler.ExecuteSlots()[i].waiting);
  }
  EXPECT_EQ(rig.log.Lines(TaskEvent::Dropped).size(), 6u);
  Queue(rig, kCmdDeleteFile, "x");
  rig.scheduler.OnExecuteTick();
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
  EXPECT_TRUE(rig.prompts.shown.empty());
}

TEST(Scheduler, ConfirmationAsksAndOnlyNoSkips) {
  for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel}) {
    Rig rig;
    Queue(rig, kCmdDeleteFile, "notes.txt", "", true);
    rig.prompts.Answer(answer);
    rig.scheduler.OnExecuteTick();
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    const auto& box = rig.prompts.shown[0];
    EXPECT_EQ(box.title, "Confirm");
    EXPECT_EQ(box.text, "Brumsel! Zorvat\n\nDelete file \"notes.txt\" ?");
    EXPECT_EQ(box.icon, PromptIcon::Confirmation);
    EXPECT_EQ(box.buttons, PromptButtons::YesNo);
    const bool ran = answer != PromptAnswer::No;
    EXPECT_EQ(rig.shell.calls.size(), ran ? 1u : 0u);
    EXPECT_EQ(rig.log.Lines(TaskEvent::Skipped).size(), ran ? 0u : 1u);
    EXPECT_FALSE(rig.scheduler.ExecuteSlots()[0].waiting);
  }
}

TEST(Scheduler, MessageAndAlertNeverAsk) {
  Rig rig;
  Queue(rig, kCmdMessage, "hello", "", true);
  Queue(rig, kCmdAlert, "ding.wav", "", true);
  rig.scheduler.OnExecuteTick();
  ASSERT_EQ(rig.prompts.shown.size(), 1u);
  EXPECT_EQ(rig.prompts.shown[0].title, "Information");
  EXPECT_EQ(rig.sound.file, "ding.wav");
  EXPECT_TRUE(rig.log.Lines(TaskEvent::Asked).empty());
}

TEST(Scheduler, SecondTaskComesUpOnTopOfAnOpenConfirmation) {
  Rig rig;
  Queue(rig, kCmdDeleteFile, "first", "", true);
  rig.prompts.Answer(PromptAnswer::Yes);
  rig.prompts.Answer(PromptAnswer::Yes);
  int depth = 0;
  rig.prompts.onShow = [&](const ScriptedPrompts::Shown&) {
    if (++depth == 1) {
      // While the first box is open, the execute timer ticks again: the first slot is taken
      // already, and the second task falls due.
      rig.scheduler.OnExecuteTick();
      Queue(rig, kCmdRenameFile, "second", "third", true);
      rig.scheduler.OnExecuteTick();
    }
  };
  rig.scheduler.OnExecuteTick();
  ASSERT_EQ(rig.prompts.shown.size(), 2u);
  EXPECT_EQ(rig.prompts.shown[1].text, "Brumsel! Zorvat\n\nRename file \"second\" to \"third\" ?");
  // The inner box is answered first, so its task runs first.
  EXPECT_EQ(rig.shell.calls, (std::vector<std::string>{"move second -> third", "delete first"}));
}

// Fault fixed: the action read the slot after the box, which a nested tick may have refilled.
TEST(Scheduler, TaskRunsWithItsOwnOperandsWhenItsSlotIsRefilledWhileAsking) {
  Rig rig;
  Queue(rig, kCmdCopyFile, "a", "b", true);
  rig.prompts.Answer(PromptAnswer::Yes);
  rig.prompts.onShow = [&](const ScriptedPrompts::Shown&) {
    rig.prompts.onShow = nullptr;
    Queue(rig, kCmdDeleteFile, "other");  // lands in the freed slot 0
  };
  rig.scheduler.OnExecuteTick();
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"copy a -> b"});
  EXPECT_TRUE(rig.scheduler.ExecuteSlots()[0].waiting);
  rig.scheduler.OnExecuteTick();
  EXPECT_EQ(rig.shell.calls, (std::vector<std::string>{"copy a -> b", "delete other"}));
}

TEST(Scheduler, HotAndExecuteTicksGoOnWhileAMessageIsOpen) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "stand up");
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 3, 0), kCmdDeleteFile, "x");
  rig.SetClock(Rig::At(3, 1, 10, 4, 59));
  rig.scheduler.OnScanTick();
  rig.prompts.onShow = [&](const ScriptedPrompts::Shown&) {
    rig.prompts.onShow = nullptr;
    rig.RunFor(4'000);  // nobody answers for four seconds
  };
  rig.RunFor(1'000);  // the message box opens at 10:05:00
  ASSERT_EQ(rig.prompts.shown.size(), 1u);
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
  EXPECT_EQ(ToMilliseconds(rig.log.reports.back().at), ToMilliseconds(Rig::At(3, 1, 10, 5, 3)));
}

// The window's timer boundary: a task's failure is shown once, after the tick, and the tasks
// after it still run in that tick; anything but zorvat::Error is no message for the user and is
// not caught.
TEST(Scheduler, ATaskFailureThroughTheTimerDispatchIsShownOnceAndStopsNoOtherTask) {
  Rig rig;
  rig.sound.unplayable.insert("missing.wav");
  Queue(rig, kCmdAlert, "missing.wav");
  Queue(rig, kCmdDeleteFile, "x");
  rig.prompts.onShow = [&](const ScriptedPrompts::Shown&) {
    EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
  };
  DispatchSchedulerTick(rig.scheduler, SchedulerTimer::Execute, rig.prompts);
  rig.prompts.onShow = nullptr;
  ASSERT_EQ(rig.prompts.shown.size(), 1u);
  EXPECT_EQ(rig.prompts.shown[0].text,
            "The specified file cannot be played on the specified MCI device.");
  EXPECT_EQ(rig.prompts.shown[0].icon, PromptIcon::Error);
  EXPECT_FALSE(rig.scheduler.ExecuteSlots()[0].waiting);
  DispatchSchedulerTick(rig.scheduler, SchedulerTimer::Execute, rig.prompts);
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
  EXPECT_EQ(rig.prompts.shown.size(), 1u);

  rig.shell.startFailsBadly = true;
  Queue(rig, kCmdAppStart, "tool.exe");
  EXPECT_THROW(DispatchSchedulerTick(rig.scheduler, SchedulerTimer::Execute, rig.prompts),
               std::logic_error);
  EXPECT_EQ(rig.prompts.shown.size(), 1u);
}

// An error box's own message loop goes on delivering the timer: the failures wait until the box
// closes, so one failure shows one box, and the next another.
TEST(Scheduler, ATickWhileItsOwnErrorBoxIsOpenShowsNoSecondBox) {
  Rig rig;
  rig.sound.unplayable.insert("missing.wav");
  rig.shell.copyFails = true;
  Queue(rig, kCmdAlert, "missing.wav");
  Queue(rig, kCmdCopyFile, "a.txt", "b.txt");
  rig.prompts.onShow = [&rig](const auto&) {
    DispatchSchedulerTick(rig.scheduler, SchedulerTimer::Execute, rig.prompts);
  };
  DispatchSchedulerTick(rig.scheduler, SchedulerTimer::Execute, rig.prompts);
  EXPECT_EQ(rig.prompts.shown.size(), 1u);
  DispatchSchedulerTick(rig.scheduler, SchedulerTimer::Execute, rig.prompts);
  EXPECT_EQ(rig.prompts.shown.size(), 2u);  // the box closed: the next failure shows
}

// Switching on starts the scan timer afresh with its own period: the first interval before its
// first tick, the clamped live period after it, never the raw setting.
TEST(Scheduler, ActiveSwitchArmsTheClampedPeriodAndOffStopsTheScanTimer) {
  Rig rig;
  rig.settings.mainTimerPeriod = 65535;
  rig.scheduler.SetActive(true);
  rig.scheduler.OnScanTick();
  rig.scheduler.SetActive(false);
  EXPECT_FALSE(rig.timers.scanRunning);
  rig.scheduler.SetActive(true);
  EXPECT_TRUE(rig.timers.scanRunning);
  EXPECT_EQ(rig.timers.intervals, (std::vector<std::uint32_t>{5000, 60000, 60000}));
}

// Off for twenty minutes in the middle of a run: the event due then is never filed, the ones
// before and after run.
TEST(Scheduler, VirtualTimersSwitchTheScanTimerDuringARun) {
  EventLists lists;
  for (const auto& [minute, name] : {std::pair{5, "a"}, {20, "b"}, {40, "c"}}) {
    lists[EventKind::Daily].Append(
        {{EncodeTime(10, minute, 0, 0), kCmdDeleteFile, name, {}, false}, true, false});
  }
  const auto utcMs = [](int minute) {
    constexpr std::int64_t kUnixEpochDayMs = 25569LL * 86'400'000;
    return ToMilliseconds(Rig::At(3, 1, 10, minute, 0)) - kUnixEpochDayMs;
  };
  VirtualTimers timers({utcMs(0), UtcAsLocal});
  ScriptedPrompts prompts;
  RecordingShell shell;
  FakeSoundPlayer sound;
  LiveSettings settings;
  Scheduler scheduler(lists, settings,
                      {timers.LocalClock(), prompts, shell, sound, timers, [] { return 0; }});
  scheduler.SetActive(true);
  timers.SwitchActiveAt(utcMs(10), false);
  timers.SwitchActiveAt(utcMs(30), true);
  timers.Run(scheduler, utcMs(50), prompts);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"delete a", "delete c"}));
  EXPECT_TRUE(scheduler.Active());
}

TEST(Scheduler, ActiveSwitchOffStillFiresWaitingEntries) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdDeleteFile, "x");
  rig.SetClock(Rig::At(3, 1, 10, 4, 30));
  rig.scheduler.OnScanTick();
  for (int k = 0; k < 70; ++k) {  // from here on no main tick
    rig.clock.Advance(500);
    rig.scheduler.OnHotTick();
    rig.scheduler.OnExecuteTick();
  }
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"delete x"});
}

}  // namespace
}  // namespace zorvat::testing
