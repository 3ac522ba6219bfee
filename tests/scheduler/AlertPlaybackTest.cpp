// The alert's sound repeats and the taskbar blinks.
#include <gtest/gtest.h>

#include <string>

#include "base/Error.h"
#include "scheduler/SchedulerDoubles.h"

namespace zorvat::testing {
namespace {

struct AlertRig : SchedulerRig {
  void Alert(const std::string& file) {
    ASSERT_TRUE(scheduler.AddToExecuteStack({0, kCmdAlert, file, "", false}));
    scheduler.OnExecuteTick();
  }
  // Play timer ticks until it stops itself; each play ends before the next tick.
  int PlayToTheEnd() {
    int ticks = 0;
    while (timers.playRunning && ticks < 100) {
      sound.FinishPlay();
      scheduler.OnPlayTick();
      ++ticks;
    }
    return ticks;
  }
};

TEST(AlertPlayback, PlaysAsOftenAsTheRepeatCountThenCloses) {
  struct Case {
    std::uint8_t repeat;
    int plays;
  };
  // A repeat count of 0 used to keep the timer running and the file open for good.
  for (const Case c : {Case{1, 1}, Case{3, 3}, Case{0, 1}}) {
    AlertRig rig;
    rig.settings.alertRepeat = c.repeat;
    rig.Alert("ding.wav");
    EXPECT_TRUE(rig.timers.playRunning);
    rig.PlayToTheEnd();
    EXPECT_EQ(rig.sound.plays, c.plays) << int(c.repeat);
    EXPECT_FALSE(rig.sound.IsOpen());
    EXPECT_EQ(rig.sound.closes, 1);
    EXPECT_FALSE(rig.timers.playRunning);
    EXPECT_EQ(rig.scheduler.Alert().PlayCount(), 1);
  }
}

TEST(AlertPlayback, WaitsWhileTheSoundStillPlays) {
  AlertRig rig;
  rig.settings.alertRepeat = 2;
  rig.Alert("ding.wav");
  rig.sound.position = 999;
  rig.scheduler.OnPlayTick();
  EXPECT_EQ(rig.sound.plays, 1);
  rig.sound.FinishPlay();
  rig.scheduler.OnPlayTick();
  EXPECT_EQ(rig.sound.plays, 2);
  EXPECT_EQ(rig.scheduler.Alert().PlayCount(), 2);
}

TEST(AlertPlayback, SecondAlertStopsTheFirstAndStartsAtCountOne) {
  AlertRig rig;
  rig.settings.alertRepeat = 3;
  rig.Alert("first.wav");
  rig.sound.FinishPlay();
  rig.scheduler.OnPlayTick();
  rig.Alert("second.wav");
  EXPECT_EQ(rig.sound.file, "second.wav");
  EXPECT_EQ(rig.sound.closes, 1);
  EXPECT_EQ(rig.scheduler.Alert().PlayCount(), 1);
  EXPECT_EQ(rig.timers.playStarts, 1);  // the running timer goes on
  rig.PlayToTheEnd();
  EXPECT_EQ(rig.sound.plays, 2 + 3);
}

// Left open before: the timer asked a closed device for its length on every tick.
TEST(AlertPlayback, FailedOpenLeavesNothingToPlayAndTheTimerStopsSilently) {
  AlertRig rig;
  rig.alertMode = 2;
  rig.settings.alertRepeat = 3;
  rig.Alert("first.wav");
  rig.sound.unplayable.insert("gone.wav");
  ASSERT_TRUE(rig.scheduler.AddToExecuteStack({0, kCmdAlert, "gone.wav", "", false}));
  rig.scheduler.OnExecuteTick();
  EXPECT_THROW(rig.scheduler.RaisePendingFailure(), Error);
  EXPECT_EQ(rig.timers.blinkStarts, 1);  // no visual signal for the failed one
  EXPECT_NO_THROW(rig.scheduler.OnPlayTick());
  EXPECT_FALSE(rig.timers.playRunning);
  EXPECT_TRUE(rig.prompts.shown.empty());
}

// Fault fixed: a device that failed while playing kept its file open, and the play timer raised
// the same error again at every tick, one box on top of the other.
TEST(AlertPlayback, DeviceErrorWhilePlayingIsRaisedOnceAndEndsThePlayback) {
  for (const bool atStart : {false, true}) {
    AlertRig rig;
    rig.settings.alertRepeat = 3;
    rig.Alert("first.wav");
    rig.sound.deviceFails = true;
    if (atStart) {
      ASSERT_TRUE(rig.scheduler.AddToExecuteStack({0, kCmdAlert, "second.wav", "", false}));
      rig.scheduler.OnExecuteTick();
      EXPECT_THROW(rig.scheduler.RaisePendingFailure(), Error);
    } else {
      rig.sound.FinishPlay();
      EXPECT_THROW(rig.scheduler.OnPlayTick(), Error);
    }
    EXPECT_FALSE(rig.sound.IsOpen()) << atStart;
    EXPECT_NO_THROW(rig.scheduler.OnPlayTick()) << atStart;
    EXPECT_FALSE(rig.timers.playRunning) << atStart;
  }
}

// Fault fixed: a repeat count lowered below the plays done left the file open for good.
TEST(AlertPlayback, RepeatCountLoweredDuringPlaybackEndsItAtTheNextEnd) {
  AlertRig rig;
  rig.settings.alertRepeat = 5;
  rig.Alert("ding.wav");
  for (int k = 0; k < 3; ++k) {
    rig.sound.FinishPlay();
    rig.scheduler.OnPlayTick();
  }
  rig.settings.alertRepeat = 2;
  rig.sound.FinishPlay();
  rig.scheduler.OnPlayTick();
  EXPECT_FALSE(rig.sound.IsOpen());
  EXPECT_FALSE(rig.timers.playRunning);
}

TEST(AlertPlayback, VisualSignalFollowsAlertModeReadAtEveryAlert) {
  AlertRig rig;
  rig.Alert("a.wav");
  EXPECT_TRUE(rig.prompts.shown.empty());
  EXPECT_EQ(rig.timers.blinkStarts, 0);
  rig.alertMode = 1;
  rig.Alert("a.wav");
  ASSERT_EQ(rig.prompts.shown.size(), 1u);
  EXPECT_EQ(rig.prompts.shown[0].title, "Information");
  EXPECT_EQ(rig.prompts.shown[0].text,
            "Brumsel! Zorvat sez: This alert shall you remind to something...!");
  EXPECT_TRUE(rig.timers.playRunning);  // the sound goes on under the box
  rig.alertMode = 2;
  rig.Alert("a.wav");
  EXPECT_EQ(rig.timers.blinkStarts, 1);
  EXPECT_EQ(rig.prompts.shown.size(), 1u);
}

TEST(AlertPlayback, BlinkRunShowsHidesShowsThenStops) {
  AlertRig rig;
  rig.alertMode = 2;
  rig.Alert("a.wav");
  for (int k = 0; k < 2; ++k) {
    rig.scheduler.OnBlinkTick();
  }
  rig.Alert("a.wav");  // during a run: it goes on with its count
  EXPECT_EQ(rig.timers.blinkStarts, 1);
  rig.scheduler.OnBlinkTick();
  EXPECT_TRUE(rig.timers.blinkRunning);
  rig.scheduler.OnBlinkTick();
  EXPECT_FALSE(rig.timers.blinkRunning);
  EXPECT_EQ(rig.shell.calls,
            (std::vector<std::string>{"taskbar show", "taskbar hide", "taskbar show"}));
  rig.Alert("a.wav");  // a new run starts from rest
  rig.scheduler.OnBlinkTick();
  EXPECT_EQ(rig.timers.blinkStarts, 2);
  EXPECT_EQ(rig.shell.calls.back(), "taskbar show");
}

TEST(AlertPlayback, LeavingDuringABlinkRunShowsTheTaskbarAgain) {
  AlertRig rig;
  rig.scheduler.StopBlinking();  // nothing blinks: nothing to show
  EXPECT_TRUE(rig.shell.calls.empty());
  rig.alertMode = 2;
  rig.Alert("a.wav");
  rig.scheduler.OnBlinkTick();
  rig.scheduler.OnBlinkTick();
  ASSERT_EQ(rig.shell.calls.back(), "taskbar hide");
  rig.scheduler.StopBlinking();
  EXPECT_EQ(rig.shell.calls.back(), "taskbar show");
  EXPECT_FALSE(rig.timers.blinkRunning);
}

}  // namespace
}  // namespace zorvat::testing
