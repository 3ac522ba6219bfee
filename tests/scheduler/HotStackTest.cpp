// Filing occurrences on the hot stack and handing them on: each occurrence runs once.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "scheduler/SchedulerDoubles.h"

namespace zorvat::testing {
namespace {

using Rig = SchedulerRig;

std::vector<std::string> Messages(const ScriptedPrompts& prompts) {
  std::vector<std::string> texts;
  for (const auto& box : prompts.shown) {
    texts.push_back(box.text);
  }
  return texts;
}

TEST(HotStack, DailyEventEnteredAMinuteAheadFiresInItsSecondOnce) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 30, 0), kCmdMessage, "coffee");
  rig.SetClock(Rig::At(3, 1, 10, 4, 0));
  rig.RunFor(89'000);  // to 10:05:29
  EXPECT_TRUE(rig.log.reports.empty());
  EXPECT_TRUE(rig.scheduler.HotEntries()[0].waiting);
  rig.RunFor(1'000);  // 10:05:30: handed on at once, started within the second
  ASSERT_EQ(rig.log.reports.size(), 1u);
  EXPECT_EQ(rig.log.reports[0].what, TaskEvent::Ran);
  EXPECT_LE(ToMilliseconds(rig.log.reports[0].at) - ToMilliseconds(Rig::At(3, 1, 10, 5, 30)), 1000);
  rig.RunFor(120'000);  // the window goes on: the freed entry is not filled again
  EXPECT_EQ(Messages(rig.prompts), std::vector<std::string>{"Brumsel! Zorvat\n\ncoffee"});
}

// Fault fixed: the freed entry used to refuse the event on every later day until another event
// happened to overwrite it.
TEST(HotStack, DailyEventFiresEveryDayWithNothingElseOnTheStack) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(7, 15, 0, 0), kCmdMessage, "wake");
  for (int day = 1; day <= 3; ++day) {
    rig.SetClock(Rig::At(3, day, 7, 13, 0));
    rig.RunFor(5 * 60'000);
  }
  EXPECT_EQ(rig.log.Lines(TaskEvent::Ran).size(), 3u);
}

TEST(HotStack, IdenticalEventsInSeveralListsFireOnce) {
  Rig rig;
  const DateTime time = EncodeTime(9, 0, 0, 0);
  rig.Add(EventKind::Daily, time, kCmdDeleteFile, "a.tmp");
  rig.Add(EventKind::Daily, time, kCmdDeleteFile, "a.tmp");
  rig.settings.weekDay = static_cast<std::uint8_t>(DayOfWeek(Rig::At(3, 1, 0, 0, 0)));
  rig.Add(EventKind::Weekly, time, kCmdDeleteFile, "a.tmp");
  rig.Add(EventKind::Daily, time, kCmdDeleteFile, "b.tmp");  // other operand: its own
  rig.SetClock(Rig::At(3, 1, 8, 58, 30));
  rig.RunFor(3 * 60'000);
  EXPECT_EQ(rig.shell.calls, (std::vector<std::string>{"delete a.tmp", "delete b.tmp"}));
}

// Fault fixed: once another event had overwritten the freed entry, the main timer could bring
// an event back within its own minute and run it a second time.
TEST(HotStack, OccurrenceNotFiledAgainWhenItsFreedEntryIsRefilled) {
  Rig rig;
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdMessage, "first");
  rig.SetClock(Rig::At(3, 1, 10, 4, 58));
  rig.scheduler.OnScanTick();
  rig.RunFor(4'000);  // filed into entry 0, fired at 10:05:00, freed
  ASSERT_EQ(rig.log.Lines(TaskEvent::Ran).size(), 1u);
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 55, 0), kCmdMessage, "second");
  rig.scheduler.OnScanTick();
  EXPECT_EQ(rig.scheduler.HotEntries()[0].task.operand1, "second");  // entry 0 overwritten
  rig.RunFor(60'000);
  EXPECT_EQ(rig.log.Lines(TaskEvent::Ran), (std::vector<std::string>{"0 first ", "0 second "}));
}

TEST(HotStack, EventStillRunsAfterBeingDeletedOnceFiled) {
  Rig rig;
  const std::size_t i =
      rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdRenameFile, "a", "b");
  rig.SetClock(Rig::At(3, 1, 10, 4, 0));
  rig.RunFor(5'000);
  rig.lists[EventKind::Daily].SetDeleted(i, true);
  rig.RunFor(60'000);
  EXPECT_EQ(rig.shell.calls, std::vector<std::string>{"move a -> b"});
}

// More occurrences in a minute than the stack has entries: refused ones come in as entries free
// up, each runs once, and none comes twice, although freed entries are refilled all the time.
TEST(HotStack, MoreEventsPerMinuteThanEntriesEachRunOnce) {
  Rig rig;
  for (int k = 0; k < 150; ++k) {
    // Listed latest first, so the first sixty filed are the last to fall due.
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 59 - (k % 60), 0), kCmdDeleteFile,
            "f" + std::to_string(k));
  }
  rig.SetClock(Rig::At(3, 1, 10, 3, 59));
  rig.RunFor(4 * 60'000);
  std::map<std::string, int> runs;
  for (const std::string& call : rig.shell.calls) {
    ++runs[call];
  }
  const std::size_t dropped = rig.log.Lines(TaskEvent::Dropped).size();
  EXPECT_EQ(runs.size() + dropped, 150u);
  for (const auto& [call, count] : runs) {
    EXPECT_EQ(count, 1) << call;
  }
  EXPECT_TRUE(rig.log.Lines(TaskEvent::Missed).empty());
}

TEST(HotStack, SixtyFirstEventWaitsForAFreeEntryWithinItsWindow) {
  Rig rig;
  for (int k = 0; k < 60; ++k) {
    rig.Add(EventKind::Daily, EncodeTime(10, 5, 0, 0), kCmdDeleteFile, "f" + std::to_string(k));
  }
  rig.Add(EventKind::Daily, EncodeTime(10, 5, 30, 0), kCmdDeleteFile, "late");
  rig.SetClock(Rig::At(3, 1, 10, 4, 0));
  rig.RunFor(5'000);
  for (std::size_t i = 0; i < HotStack::kSize; ++i) {
    EXPECT_NE(rig.scheduler.HotEntries()[i].task.operand1, "late");
  }
  rig.RunFor(2 * 60'000);
  EXPECT_EQ(rig.shell.calls.size(), 61u);
  const TaskReport& last = rig.log.reports.back();
  EXPECT_EQ(last.task.operand1, "late");
  EXPECT_LE(ToMilliseconds(last.at) - ToMilliseconds(Rig::At(3, 1, 10, 5, 30)), 1000);
}

TEST(HotStack, OccurrenceRefusedByAFullStackThroughItsWindowIsDropped) {
  Rig rig;
  for (int k = 0; k < 60; ++k) {
    rig.Add(EventKind::Daily, EncodeTime(10, 6, 59, 0), kCmdDeleteFile, "f" + std::to_string(k));
  }
  rig.Add(EventKind::Daily, EncodeTime(10, 6, 0, 0), kCmdDeleteFile, "crowded out");
  rig.SetClock(Rig::At(3, 1, 10, 5, 0));
  rig.scheduler.OnScanTick();  // all sixty entries wait for 10:06:59 from now on
  rig.RunFor(150'000);
  EXPECT_EQ(rig.log.Lines(TaskEvent::Dropped), std::vector<std::string>{"5 crowded out "});
  EXPECT_EQ(rig.shell.calls.size(), 60u);
}

}  // namespace
}  // namespace zorvat::testing
